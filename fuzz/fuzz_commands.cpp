// The game's turn loop fed the fuzz input as everything the player types, on a small world of
// two levels that holds every kind of cell event. Waits go to the recording clock, the drawing to
// /dev/null. Every input must end in a finished game: quit, the finish or the end of input.
#include <stdio.h>

#include <cstddef>
#include <cstdint>

#include "event_world.h"
#include "fuzz_support.h"
#include "game/game_loop.h"
#include "level/unplayable_cells.h"
#include "support/recording_clock.h"

namespace quadrivant {

namespace {

const World& checked_event_world() {
  static const World world = [] {
    World made = event_world();
    refuse_unplayable_world(made);  // a world the check refuses would make every run meaningless
    return made;
  }();
  return world;
}

}  // namespace

}  // namespace quadrivant

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // POSIX lets fmemopen refuse an empty buffer
  std::FILE* typed = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  if (typed == nullptr) return 0;
  quadrivant::RecordingClock clock;
  quadrivant::Console console{typed, quadrivant::null_output(), clock};
  quadrivant::clear_recorded_waits();
  quadrivant::play_game(console, quadrivant::checked_event_world());  // progress lives in the game
  std::fclose(typed);
  return 0;
}

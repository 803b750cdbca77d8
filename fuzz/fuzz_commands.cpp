// The game's turn loop fed the fuzz input as everything the player types, on a small world of
// two levels that holds every kind of cell event. Waits go to the recording clock, the drawing to
// /dev/null. Every input must end in a finished game: quit, the finish or the end of input.
#include <stdio.h>

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "game/game_loop.h"
#include "level/level_check.h"
#include "support/recording_clock.h"
#include "support/test_world.h"

namespace {

// The player starts on (19, 13) of the hall. From there: "r 5" meets a problem, "u 3" an
// information text that opens the gate met by "l 5" once one problem is solved, "d 4" a door to
// the tower, where "r 6" reaches the finish and "u 5" a door back to the hall.
World event_world() {
  TestLevel hall = walled_level(90, 30);
  hall.codes[13][24] = 100;
  hall.problems = {{"What is 6 x 7?", "Right: 42.", 42}};
  hall.codes[10][19] = 200;
  hall.infos = {{"Solve a problem first.", "The gate opens.", 1}};
  hall.codes[13][14] = 49;
  hall.obstructions = {{"A gate."}};
  hall.codes[17][19] = 50;
  hall.transitions = {{1, 19, 13}};

  TestLevel tower = walled_level();
  tower.codes[13][25] = 254;
  tower.codes[8][19] = 50;
  tower.transitions = {{0, 40, 20}};
  tower.codes[13][15] = 101;
  tower.problems = {{"What is 1 + 1?", "Two.", 2}, {"What is 2 + 2?", "Four.", 4}};
  return make_world({hall, tower});
}

const World& checked_event_world() {
  static const World world = [] {
    World made = event_world();
    check_level_data(made);  // a world the check refuses would make every run meaningless
    return made;
  }();
  return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;  // POSIX lets fmemopen refuse an empty buffer
  std::FILE* typed = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
  if (typed == nullptr) return 0;
  Console console{typed, null_output()};
  clear_recorded_waits();
  play_game(console, checked_event_world());  // progress lives in the game, not the world
  std::fclose(typed);
  return 0;
}

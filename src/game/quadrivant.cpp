// quadrivant: a puzzle adventure played in a text terminal. Takes no arguments: the world comes
// from "manifest.txt" in the working directory, the game is played on standard input and output.
#include <array>
#include <cstdio>

#include "game/game_loop.h"
#include "level/level_check.h"
#include "level/load_error.h"
#include "level/manifest.h"
#include "screen/console.h"

namespace {

// Large enough for the biggest single drawing step (a whole viewport of colour cells), so every
// flush reaches the terminal in one write and it never shows half a frame.
constexpr std::size_t output_buffer_size = 1 << 17;

int report_load_error(const LoadError& error) {
  // Reports already printed must stand before the message, whichever stream it goes to.
  std::fflush(stdout);
  std::FILE* stream = error.stream() == MessageStream::standard_error ? stderr : stdout;
  std::fputs(error.what(), stream);
  std::fflush(stream);
  return 1;
}

}  // namespace

int main() {
  // Static: standard output is flushed at exit, after main's locals are gone.
  static std::array<char, output_buffer_size> output_buffer;
  std::setvbuf(stdout, output_buffer.data(), _IOFBF, output_buffer.size());

  World world;
  try {
    world = load_world(stdout);
    check_level_data(world);
  } catch (const LoadError& error) {
    return report_load_error(error);
  }

  Console console{stdin, stdout};
  play_game(console, world);
  std::fflush(stdout);
  return 0;
}

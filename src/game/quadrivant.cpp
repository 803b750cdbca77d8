// quadrivant: a puzzle adventure played in a text terminal. Takes no arguments: the world comes
// from "manifest.txt" in the working directory, the game is played on standard input and output.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "game/game_loop.h"
#include "level/level_check.h"
#include "level/load_error.h"
#include "level/manifest.h"
#include "screen/console.h"
#include "screen/drawing_step.h"
#include "screen/small_terminal.h"
#include "screen/terminal_signals.h"

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

[[noreturn]] void report_output_failure(const OutputFailure& failure) {
  std::fputs(failure.what(), stderr);
  std::fflush(stderr);
  // Not exit(): it would flush standard output, writing the buffered frame once more.
  std::_Exit(1);
}

// Loading only prints plain lines, which leave the terminal as it was, so the signals keep
// their default actions until the game draws.
void play_on(Console& console, MapData& map) {
  if (isatty(fileno(console.out))) install_terminal_signals();
  warn_if_terminal_too_small(console);
  play_game(console, map);
  end_drawing_step(console);
}

}  // namespace

int main() {
  // Static: standard output is flushed at exit, after main's locals are gone.
  static std::array<char, output_buffer_size> output_buffer;
  std::setvbuf(stdout, output_buffer.data(), _IOFBF, output_buffer.size());

  MapData map;
  try {
    map = generate_map_data(stdout);
    check_level_data(map);
  } catch (const LoadError& error) {
    return report_load_error(error);
  }

  Console console{stdin, stdout};
  try {
    play_on(console, map);
  } catch (const OutputFailure& failure) {
    report_output_failure(failure);
  }
  return 0;
}

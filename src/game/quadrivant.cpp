// quadrivant: a puzzle adventure played in a text terminal. The world comes from the directory
// named on the command line, or else from "manifest.txt" in the working directory, or else from
// the installed adventure; the game is played on standard input and output.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/command_line.h"
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

constexpr const char* usage =
    "usage: quadrivant [WORLD_DIR]\n"
    "Plays the puzzle adventure whose manifest.txt stands in WORLD_DIR. Without WORLD_DIR: the\n"
    "world in the working directory if it holds a manifest.txt, else the installed adventure.\n"
    "  --help     show this help and exit\n"
    "  --version  show the game's name and version and exit\n";

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
void play_on(Console& console, const World& world) {
  if (isatty(fileno(console.out))) install_terminal_signals();
  warn_if_terminal_too_small(console);
  play_game(console, world);
  end_drawing_step(console);
}

}  // namespace

int main(int argc, char** argv) {
  // Static: standard output is flushed at exit, after main's locals are gone.
  static std::array<char, output_buffer_size> output_buffer;
  std::setvbuf(stdout, output_buffer.data(), _IOFBF, output_buffer.size());

  const CommandLine line = parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
  if (const int status = answer_without_running(line, "quadrivant", usage); status >= 0)
    return status;
  std::string directory = default_world_directory(installed_world_directory());
  if (line.world_named) {
    const std::string fault = world_directory_fault(line.world_directory);
    if (!fault.empty()) {
      std::fputs(fault.c_str(), stderr);
      return 1;
    }
    directory = line.world_directory;
  }

  World world;
  try {
    world = load_world(stdout, directory);
    check_level_data(world);
  } catch (const LoadError& error) {
    return report_load_error(error);
  }

  Console console{stdin, stdout};
  try {
    play_on(console, world);
  } catch (const OutputFailure& failure) {
    report_output_failure(failure);
  }
  return 0;
}

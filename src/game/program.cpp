#include "game/program.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/entry.h"
#include "base/failure.h"
#include "game/author_aids.h"
#include "game/game_loop.h"
#include "level/manifest.h"
#include "level/unplayable_cells.h"
#include "level/world_directory.h"
#include "screen/terminal/signals.h"
#include "screen/terminal/terminal_size.h"

namespace quadrivant {

namespace {

// Large enough for the biggest single drawing step (a whole viewport of colour cells), so every
// step reaches the terminal in one write and it never shows half a frame.
constexpr std::size_t output_buffer_size = 1 << 17;

const CommandLineForm command_line_form{
    "quadrivant",
    "usage: quadrivant [--instant] [--start LEVEL:X,Y] [--solved N] [WORLD_DIR]\n"
    "Plays the puzzle adventure whose manifest.txt stands in WORLD_DIR. Without WORLD_DIR: the\n"
    "world in the working directory if it holds a manifest.txt, else the installed adventure.\n"
    "  --help     show this help and exit\n"
    "  --version  show the game's name and version and exit\n"
    "For level authors trying a world:\n"
    "  --instant          skip every wait of the game (the screens stay the same)\n"
    "  --start LEVEL:X,Y  start on cell (X, Y) of level LEVEL (from 0, in manifest order),\n"
    "                     which must be free ground\n"
    "  --solved N         count N problems as solved from the start, so late gates open\n",
    {instant_option},
    {start_option, solved_option}};

std::string world_directory_of(const CommandLine& line) {
  if (line.arguments.empty()) return default_world_directory(installed_world_directory());
  refuse_unless_world_directory(line.arguments.front());
  return line.arguments.front();
}

World load_playable_world(const std::string& directory) {
  World world = load_world(stdout, directory);
  refuse_unplayable_world(world);
  return world;
}

// Loading only prints plain lines, which leave the terminal as it was, so the signals keep
// their default actions until the game draws.
void play_on_terminal(Console& console, const World& world, const GameStart& start) {
  if (isatty(fileno(console.out))) install_terminal_signals();
  warn_if_terminal_too_small(console);
  play_game(console, world, start);
  end_drawing_step(console);
}

}  // namespace

int run_quadrivant(int argc, char** argv, Clock& clock) {
  // Static: standard output is flushed at exit, after this function's locals are gone.
  static std::array<char, output_buffer_size> output_buffer;
  std::setvbuf(stdout, output_buffer.data(), _IOFBF, output_buffer.size());

  return guarded_main({game_voice}, [&] {
    const CommandLine line =
        parse_command_line(std::vector<std::string>(argv + 1, argv + argc), command_line_form);
    if (const std::optional<int> status = answer_without_running(line, command_line_form)) {
      return *status;
    }
    const AuthorAids aids = read_author_aids(line, command_line_form);
    const World world = load_playable_world(world_directory_of(line));
    const GameStart start = game_start_of(aids, world, command_line_form.program);
    InstantClock instant_clock;
    Console console{stdin, stdout, aids.instant ? instant_clock : clock};
    play_on_terminal(console, world, start);
    return 0;
  });
}

}  // namespace quadrivant

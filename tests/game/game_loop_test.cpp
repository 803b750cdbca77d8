// Turn after turn of the game loop on an in-memory world: the help page, every unusable line,
// moves up to their step limits, and quit.
#include "game/game_loop.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/recording_clock.h"

namespace quadrivant {

namespace {

TEST(PlayGame, EveryTurnShowsTheMapWhereTheLastCommandLeftIt) {
  // Lines typed at a turn, their waits, and the view the next turn shows.
  std::vector<std::tuple<std::string, Waits, View>> turns = {
      {"help\nokay\nok\n", blink_waits, {-15, 2}},  // the player on (19, 13)
      {"r 5\n", walk(5, true), {-10, 2}},
      {"u 007\n", walk(7, false), {-10, -5}},
      {"left 2\n", walk(2, true), {-12, -5}},
      {"down 1\n", walk(1, false), {-12, -4}},
      {"right 30\n", walk(30, true), {18, -4}},
      {"l 30\n", walk(30, true), {-12, -4}},
      {"d 10\n", walk(10, false), {-12, 6}},
      {"up 10\n", walk(10, false), {-12, -4}},
      {"r 0\n", {}, {-12, -4}},
  };
  for (const char* line :  // unusable lines blink and move nothing
       {"R 5",    "right  5", "right 5 ", "r -5",   "r +5", "r 5x", "r",    "5 r",
        "help 5", "quit ",    "pause",    "",       "r 31", "u 11", "d 11", "left 31",
        "r ",     " r 5",     "up",       "jump 3", "Quit", "u 1.5"})
    turns.push_back({std::string(line) + '\n', blink_waits, {-12, -4}});
  std::string input;
  Waits expected = title_waits;
  for (const auto& [lines, waits, view] : turns) {
    input += lines;
    expected.insert(expected.end(), waits.begin(), waits.end());
  }
  const World world = make_world({walled_level(100, 40)});
  FakeConsole fake(input + "quit\nr 1\n");
  clear_recorded_waits();
  play_game(fake.console(), world);
  EXPECT_EQ(recorded_waits(), joined({expected, goodbye_waits}));
  EXPECT_EQ(fake.remaining_input(), "r 1\n") << "nothing is read after quit";

  TerminalScreen help;
  show(help, fake, 1);
  EXPECT_EQ(help.text(22, 26, 66), "Press ENTER or [ok] to leave Help screen!");
  // Every turn: the map at its view, the marker on its home cell and the prompt
  // waiting at the input position.
  int lines_read = 0;
  View view{-15, 2};
  for (std::size_t turn = 0; turn <= turns.size(); ++turn) {
    SCOPED_TRACE("turn " + std::to_string(turn) + " after " +
                 (turn ? std::get<0>(turns[turn - 1]) : "the title page"));
    TerminalScreen screen;
    show(screen, fake, lines_read);
    EXPECT_EQ(screen.text(2, 26, 46), "\\\\ >>              //");
    EXPECT_EQ(std::pair(screen.cursor_row(), screen.cursor_column()), std::pair(2, 32));
    EXPECT_TRUE(shows_map(screen, world[0], view));
    if (turn == turns.size()) break;
    lines_read +=
        std::count(std::get<0>(turns[turn]).begin(), std::get<0>(turns[turn]).end(), '\n');
    view = std::get<2>(turns[turn]);
  }
}

}  // namespace

}  // namespace quadrivant

// Whole games through the test copy of the program: a world written to disk, piped input, the
// exit status, what the terminal shows at the end and every recorded wait.
#include <filesystem>

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/run_program.h"

namespace quadrivant {

namespace {

ProgramRun play_world(const std::vector<TestLevel>& levels, const std::string& input) {
  const std::string directory = make_temporary_directory();
  write_world(directory, levels);
  ProgramRun run = run_program(QUADRIVANT_TEST_PROGRAM, directory, input);
  std::filesystem::remove_all(directory);
  EXPECT_EQ(run.standard_error, "");
  return run;
}

// The end of the goodbye and the winning page: the terminal left below the frame.
constexpr const char* leave_terminal = "\x1b[26;1H\x1b[0m\n";

// Two levels that use every kind of cell code. Level 0: the player starts on (19, 13) with an
// obstacle below, an information entry two rows up that opens the gate column x = 22 after one
// solved problem, a room transition to level 1 three cells to the left and the finish behind the
// gate. Level 1: a problem three cells to the right of the arrival cell and a transition back
// three cells up.
std::vector<TestLevel> adventure() {
  std::vector<TestLevel> levels = {walled_level(), walled_level(80, 25)};
  for (int y = 1; y <= 21; ++y) levels[0].codes[y][22] = 49;
  for (const auto& [x, y, code] :
       {std::tuple{19, 11, 200}, {16, 13, 50}, {19, 14, 255}, {25, 13, 254}})
    levels[0].codes[y][x] = code;
  levels[0].obstructions = {{"A locked gate bars the way."}};
  levels[0].infos = {{"The gate opens for one solved problem.", "The gate is open now!", 1}};
  levels[0].transitions = {{1, 30, 12}};
  levels[1].codes[12][33] = 100;
  levels[1].codes[9][32] = 50;
  levels[1].problems = {{"What is 6 x 7?", "Right, it is 42.", 42}};
  levels[1].transitions = {{0, 19, 13}};
  return levels;
}

TEST(WholeGame, FromTheTitlePageThroughEveryKindOfCellToTheWinningPage) {
  const std::vector<std::pair<std::string, Waits>> steps = {
      {"d 3\n\n", info_panel_waits},  // the obstacle right below: no walk, its text
      {"u 4\n\n", joined({walk(1, false), info_panel_waits})},      // the entry: still locked
      {"d 1\n", walk(1, false)},                                    // back to the start
      {"r 5\n\nr 0\n", joined({walk(2, true), info_panel_waits})},  // the gate; r 0: nothing
      {"l 2\n", walk(2, true)},                                     // back
      {"pause\n", blink_waits},                                     // bad input
      {"l 5\n", joined({walk(2, true), fade_and_reveal_waits})},    // level 1, on (30, 12)
      {"r 5\n41\n", joined({walk(2, true), wrong_answer_waits})},   // the problem, answered wrong
      {"r 1\n42\n\n", info_panel_waits},  // at once to the problem again, the right answer
      {"r 1\n\n", info_panel_waits},      // its solved text
      {"u 5\n", joined({walk(2, false), fade_and_reveal_waits})},  // level 0, on (19, 13)
      {"r 5\n\n", joined({walk(2, true), info_panel_waits})},      // solving alone opens no gate
      {"l 2\n", walk(2, true)},
      {"u 4\n\n", joined({walk(1, false), info_panel_waits})},  // the entry opens the gate
      {"d 1\n", walk(1, false)},
      {"r 3\n", walk(3, true)},          // onto the open gate: nothing to show
      {"r 5\n\nquit\n", walk(2, true)},  // on to the finish; quit is never read
  };
  std::string input;
  Waits waits = title_waits;
  for (const auto& [lines, step_waits] : steps) {
    input += lines;
    waits.insert(waits.end(), step_waits.begin(), step_waits.end());
  }
  const ProgramRun run = play_world(adventure(), input);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.waits, waits);
  EXPECT_TRUE(run.standard_output.ends_with(leave_terminal));
  TerminalScreen screen(30, 80);  // the last newline scrolls a terminal of the frame's height
  screen.feed(run.standard_output);
  EXPECT_EQ(screen.text(10, 20, 44), "YOU BECAME THE QUADRIVANT");
}

// On the adventure: a scripted session ending with quit, and end of input at a turn, in a panel
// and at a question; then a world refused before anything is drawn.
TEST(WholeGame, GameEndsWithStatusZeroOnQuitOrEndOfInputAndOneOnARefusedWorld) {
  const std::vector<std::pair<std::string, Waits>> runs = {
      {"r 1\njump 2\nhelp\nOK\n\nu 1\nquit\n",
       joined({walk(1, true), blink_waits, blink_waits, walk(1, false)})},
      {"r 5\n", joined({walk(2, true), info_panel_waits})},
      {"l 5\nr 5\n",
       joined({walk(2, true), fade_and_reveal_waits, walk(2, true), wrong_answer_waits})},
  };
  for (const auto& [input, waits] : runs) {
    const ProgramRun run = play_world(adventure(), input);
    EXPECT_EQ(run.exit_status, 0) << input;
    EXPECT_EQ(run.waits, joined({title_waits, waits, goodbye_waits})) << input;
    EXPECT_TRUE(run.standard_output.ends_with(leave_terminal)) << input;
  }
  std::vector<TestLevel> broken = adventure();
  broken[1].transitions = {{0, 19, 23}};
  const ProgramRun refused = play_world(broken, "quit\n");
  EXPECT_EQ(std::pair(refused.exit_status, refused.waits), std::pair(1, Waits{}));
  EXPECT_TRUE(refused.standard_output.ends_with(
      "Loading level1/obstructions.txt\n(;^_^) Oopsie! Level 1, cell (32, 9): code 50 leads to "
      "cell (19, 23) of level 0, outside its 69x23 map!\n"));
  EXPECT_EQ(refused.standard_output.find('\x1b'), std::string::npos) << "nothing is drawn";
}

}  // namespace

}  // namespace quadrivant

// Whole games through the test copy of the program: a world written to disk, piped input, the
// exit status, what the terminal shows at the end and every recorded wait.
#include <filesystem>

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/run_program.h"

namespace {

const std::vector<int> bad_input_waits = blink_waits;

std::vector<int> walk(int steps, bool horizontal) {
  return horizontal ? waits({{steps, 100}, {steps, 150}}) : waits({{steps, 150}, {steps, 200}});
}

std::vector<int> joined(std::initializer_list<std::vector<int>> parts) {
  std::vector<int> list;
  for (const std::vector<int>& part : parts) add_waits(list, part);
  return list;
}

ProgramRun play_world(const std::vector<TestLevel>& levels, const std::string& input) {
  const std::string directory = make_temporary_directory();
  write_world(directory, levels);
  ProgramRun run = run_program(QUADRIVANT_TEST_PROGRAM, directory, input);
  std::filesystem::remove_all(directory);
  return run;
}

// The screen the player is left with.
std::string final_row(const ProgramRun& run, int row, int first_column, int last_column) {
  TerminalScreen screen(tall_terminal_rows, 80);
  screen.feed(run.standard_output);
  return screen.text(row, first_column, last_column);
}

constexpr const char* leave_terminal = "\x1b[26;1H\x1b[0m\n";

TEST(WholeGame, ScriptedSessionOfMovesBadInputHelpAndQuit) {
  TestLevel level = walled_level(80, 30);
  level.image_format = TestImageFormat::raw_pgm;
  const ProgramRun run = play_world({level}, "r 3\njump 2\nhelp\nOK\n\nu 2\nR 5\nl 0\nquit\n");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.standard_error, "");
  EXPECT_EQ(run.waits, joined({title_waits, walk(3, true), bad_input_waits, bad_input_waits,
                               walk(2, false), bad_input_waits, goodbye_waits}));
  EXPECT_TRUE(run.standard_output.starts_with(
      "Loading manifest.txt\nLoading level0/fg.pgm\nLoading level0/bg.pgm\n"
      "Loading level0/collision.pgm\nLoading level0/content.txt  |  Map dimensions: 80x30\n"
      "Loading level0/transitions.txt\nLoading level0/problems.txt\nLoading level0/infos.txt\n"
      "Loading level0/obstructions.txt\n\x1b["));
  EXPECT_TRUE(run.standard_output.ends_with(leave_terminal));
  EXPECT_EQ(final_row(run, 7, 28, 45), "THANKS FOR PLAYING");
}

TEST(WholeGame, EndOfInputEndsTheGameWithStatusZero) {
  TestLevel level = walled_level();
  place_codes(level, 22, 13, {"#"});
  place_codes(level, 19, 11, {"?"}, {{'?', 100}});
  level.problems = {{"What is 1 + 1?", "Two.", 2}};
  struct Case {
    const char* input;
    std::vector<int> waits;
  };
  const std::vector<Case> cases = {
      {"", joined({title_waits, goodbye_waits})},
      {"r 1\n", joined({title_waits, walk(1, true), goodbye_waits})},
      {"r 1", joined({title_waits, walk(1, true), goodbye_waits})},  // no final newline
      // In a panel waiting for its confirmation: it closes as if confirmed.
      {"r 5\n", joined({title_waits, walk(2, true), info_panel_waits, goodbye_waits})},
      // While a problem waits for its answer: no answer is a wrong one.
      {"u 5\n", joined({title_waits, walk(1, false), waits({{11, 100}, {6, 200}}), goodbye_waits})},
      // On the help page.
      {"help\n", joined({title_waits, goodbye_waits})},
  };
  for (const Case& c : cases) {
    const ProgramRun run = play_world({level}, c.input);
    EXPECT_EQ(run.exit_status, 0) << '"' << c.input << '"';
    EXPECT_EQ(run.waits, c.waits) << '"' << c.input << '"';
    EXPECT_TRUE(run.standard_output.ends_with(leave_terminal)) << '"' << c.input << '"';
  }
}

// Two levels that use every kind of cell code. Level 0: the player starts on (19, 13) with an
// obstacle below, an information entry two rows up that opens the gate column x = 22 after one
// solved problem, a room transition to level 1 three cells to the left and the finish behind the
// gate. Level 1: a problem three cells to the right of the arrival cell and a transition back
// three cells up.
std::vector<TestLevel> adventure() {
  TestLevel first = walled_level();
  for (int y = 1; y <= 21; ++y) first.codes[y][22] = 49;
  place_codes(first, 19, 11, {"i"}, {{'i', 200}});
  place_codes(first, 16, 13, {">"}, {{'>', 50}});
  place_codes(first, 19, 14, {"#"});
  place_codes(first, 25, 13, {"*"});
  first.obstructions = {"A locked gate bars the way."};
  first.infos = {{"The gate opens for one solved problem.", "The gate is open now!", 1}};
  first.transitions = {{1, 30, 12}};

  TestLevel second = walled_level(80, 25);
  place_codes(second, 33, 12, {"?"}, {{'?', 100}});
  place_codes(second, 32, 9, {">"}, {{'>', 50}});
  second.problems = {{"What is 6 x 7?", "Right, it is 42.", 42}};
  second.transitions = {{0, 19, 13}};
  second.image_format = TestImageFormat::raw_pgm;
  return {first, second};
}

TEST(WholeGame, FromTheTitlePageToTheWinningPage) {
  const std::string input =
      "d 3\n\n"      // the obstacle right below: no walk, its text
      "u 4\n\n"      // one step up to the information entry: still locked
      "d 1\n"        // back to the start
      "r 5\n\n"      // two steps to the closed gate: its text
      "l 2\n"        // back
      "pause\n"      // bad input
      "l 5\n"        // two steps to the room transition: level 1, on (30, 12)
      "r 5\n41\n"    // two steps to the problem, a wrong answer
      "r 1\n42\n\n"  // at once to the problem again, the right answer
      "r 1\n\n"      // its solved text
      "u 5\n"        // two steps up to the transition back: level 0, on (19, 13)
      "u 4\n\n"      // one step up: the entry opens the gate
      "d 1\n"        // back
      "r 10\n\n"     // five steps through the open gate to the finish
      "quit\n";      // never read
  const ProgramRun run = play_world(adventure(), input);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.standard_error, "");
  const std::vector<int> wrong_answer = waits({{11, 100}, {6, 200}});
  EXPECT_EQ(run.waits, joined({title_waits,      info_panel_waits,      walk(1, false),
                               info_panel_waits, walk(1, false),        walk(2, true),
                               info_panel_waits, walk(2, true),         bad_input_waits,
                               walk(2, true),    fade_and_reveal_waits, walk(2, true),
                               wrong_answer,     info_panel_waits,      info_panel_waits,
                               walk(2, false),   fade_and_reveal_waits, walk(1, false),
                               info_panel_waits, walk(1, false),        walk(5, true)}));
  EXPECT_TRUE(run.standard_output.ends_with(leave_terminal));
  EXPECT_EQ(final_row(run, 9, 30, 45), "CONGRATULATIONS!");
  EXPECT_EQ(final_row(run, 10, 20, 44), "YOU BECAME THE QUADRIVANT");
  EXPECT_EQ(final_row(run, 22, 36, 63), "Press ENTER or [ok] to Quit!");
}

TEST(WholeGame, GateStaysClosedWithoutTheSolvedProblem) {
  // The same world, straight to the entry and the gate: nothing opens, and quit ends the game.
  const ProgramRun run = play_world(adventure(), "u 4\n\nd 1\nr 10\n\nquit\n");
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.waits, joined({title_waits, walk(1, false), info_panel_waits, walk(1, false),
                               walk(2, true), info_panel_waits, goodbye_waits}));
}

TEST(WholeGame, WorldThatWouldBreakTheGameIsRefusedBeforeAnythingIsDrawn) {
  std::vector<TestLevel> levels = adventure();
  levels[1].transitions = {{0, 19, 23}};
  const ProgramRun run = play_world(levels, "quit\n");
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.standard_error, "");
  EXPECT_TRUE(run.waits.empty());
  EXPECT_TRUE(run.standard_output.ends_with(
      "Loading level1/obstructions.txt\n(;^_^) Oopsie! Level 1, cell (32, 9): code 50 leads to "
      "cell (19, 23) of level 0, outside its 69x23 map!\n"));
  EXPECT_EQ(run.standard_output.find('\x1b'), std::string::npos);
}

}  // namespace

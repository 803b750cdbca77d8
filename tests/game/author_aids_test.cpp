// The game's options for authors trying a world, as an author uses them: the same screens without
// waits, a start on any free cell, problems counted as solved; and every value that cannot be
// used refused with what is wrong with it.
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/terminal_screen.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

// Level 0: problems on (40, 5) and (44, 5) and an information entry on (40, 15) that needs two
// problems solved and opens the gate column x = 50. Level 1: free ground.
std::vector<TestLevel> trial_world() {
  std::vector<TestLevel> levels = {walled_level(), walled_level()};
  levels[0].codes[5][40] = 100;
  levels[0].codes[5][44] = 101;
  levels[0].problems = {{"What is 2 + 2?", "Right.", 4}, {"What is 3 + 3?", "Right.", 6}};
  levels[0].codes[15][40] = 200;
  levels[0].infos = {{"Solve two problems first.", "Two are solved: the gate opens.", 2}};
  for (int y = 1; y < 22; ++y) levels[0].codes[y][50] = 49;
  levels[0].obstructions = {{"A gate."}};
  return levels;
}

// Whether the player's terminal showed `text` on some row when a drawing step ended: with the
// cursor parked, or waiting at the prompt for a line.
bool ever_shows(const std::string& output, const std::string& text) {
  TerminalScreen screen;
  std::size_t from = 0;
  while (from < output.size()) {
    const std::size_t park = output.find("\x1b[25;71H", from);
    const std::size_t prompt = output.find("\x1b[2;32H", from);
    const std::size_t end = std::min({park, prompt, output.size() - 8}) + 8;
    screen.feed(std::string_view(output).substr(from, end - from));
    for (int row = 1; row <= 26; ++row) {
      if (screen.text(row, 1, 80).find(text) != std::string::npos) return true;
    }
    from = end;
  }
  return false;
}

// Plays the trial world from its directory.
ProgramRun play(const std::vector<std::string>& options, const std::string& input) {
  const std::string directory = make_temporary_directory();
  write_world(directory, trial_world());
  ProgramRun run = run_program(QUADRIVANT_TEST_PROGRAM, options, directory, input);
  std::filesystem::remove_all(directory);
  return run;
}

TEST(AuthorAids, InstantShowsTheSameScreensWithoutWaiting) {
  const std::string input = "r 21\n\n4\n\nl 3\nhelp\n\nquit\n";
  const ProgramRun timed = play({}, input);
  const ProgramRun instant = play({"--instant"}, input);
  ASSERT_EQ(timed.exit_status, 0) << timed.standard_error;
  EXPECT_FALSE(timed.waits.empty());
  EXPECT_EQ(instant.exit_status, 0) << instant.standard_error;
  EXPECT_EQ(instant.standard_output, timed.standard_output);
  EXPECT_TRUE(instant.waits.empty()) << instant.waits.size() << " waits";
}

TEST(AuthorAids, StartOnAnyFreeCellWithProblemsCountedAsSolved) {
  // From (39, 5) one step right meets the problem; from the default start it meets nothing.
  const ProgramRun started = play({"--start", "0:39,5"}, "r 1\n\nquit\n");
  EXPECT_EQ(started.exit_status, 0) << started.standard_error;
  EXPECT_TRUE(ever_shows(started.standard_output, "What is 2 + 2?"));
  EXPECT_FALSE(ever_shows(play({}, "r 1\n\nquit\n").standard_output, "What is 2 + 2?"));

  // Two problems counted: the entry needing two unlocks at once; with one counted it stays
  // locked, and so does its gate.
  const ProgramRun two = play({"--start=0:39,15", "--solved=2"}, "r 1\n\nquit\n");
  EXPECT_TRUE(ever_shows(two.standard_output, "Two are solved: the gate opens."));
  const ProgramRun one = play({"--solved", "1", "--start", "0:39,15"}, "r 1\n\nquit\n");
  EXPECT_TRUE(ever_shows(one.standard_output, "Solve two problems first."));
  EXPECT_FALSE(ever_shows(one.standard_output, "Two are solved"));

  // A start on another level: its map is drawn, and the game plays on there.
  const ProgramRun other = play({"--start", "1:30,12"}, "quit\n");
  EXPECT_EQ(other.exit_status, 0) << other.standard_error;
}

TEST(AuthorAids, RefusesValuesThatCannotBeUsed) {
  const std::string usage = "usage: quadrivant [--instant] [--start LEVEL:X,Y] [--solved N]";
  // {options, status, the first line on standard error}
  const std::vector<std::tuple<std::vector<std::string>, int, std::string>> cases = {
      {{"--start", "1"},
       2,
       "quadrivant: --start wants LEVEL:X,Y, a level number and a cell (e.g. 0:19,13), not 1"},
      {{"--start", "0:-1,5"},
       2,
       "quadrivant: --start wants LEVEL:X,Y, a level number and a cell (e.g. 0:19,13), not "
       "0:-1,5"},
      {{"--start"}, 2, "quadrivant: --start needs a value"},
      {{"--solved", "many"}, 2, "quadrivant: --solved wants a number of problems, not many"},
      {{"--solved", "1", "--solved=2"}, 2, "quadrivant: --solved is given twice"},
      {{"--start", "2:30,12"}, 2, "quadrivant: --start 2:30,12: the world has only levels 0 to 1"},
      {{"--start", "0:69,5"},
       2,
       "quadrivant: --start 0:69,5: cell (69, 5) of level 0 is outside its 69x23 map"},
      {{"--start", "0:40,5"},
       2,
       "quadrivant: --start 0:40,5: cell (40, 5) of level 0 holds code 100, not free ground "
       "(code 0)"},
      {{"--start", "0:0,0"},
       2,
       "quadrivant: --start 0:0,0: cell (0, 0) of level 0 holds code 255, not free ground (code "
       "0)"},
      {{"--solved", "3"}, 2, "quadrivant: --solved 3: the world holds only 2 problems"},
  };
  for (const auto& [options, status, complaint] : cases) {
    const ProgramRun run = play(options, "quit\n");
    EXPECT_EQ(run.exit_status, status) << complaint;
    EXPECT_TRUE(run.standard_error.starts_with(complaint + "\n")) << run.standard_error;
    // A malformed value is refused before anything is loaded; an unusable one, after.
    const bool malformed = run.standard_error.find(usage) != std::string::npos;
    EXPECT_EQ(run.standard_output.empty(), malformed) << complaint;
    EXPECT_EQ(run.standard_output.find("\x1b["), std::string::npos) << "nothing is drawn";
  }
}

}  // namespace

}  // namespace quadrivant

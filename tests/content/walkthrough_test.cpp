// game/walkthrough.txt wins the shipped adventure from a fresh start, in the test copy of the
// program, solving every problem on the way; and the adventure cannot be won with one skipped.
#include <algorithm>
#include <cctype>

#include <gtest/gtest.h>

#include "shipped_game.h"
#include "support/run_program.h"

namespace {

// The first line of the solved panel's teal paint: drawn once for every right answer.
constexpr const char* solved_paint = "\x1b[15;4H\x1b[48;5;36m\x1b[38;5;255m";
// The first line of the WRONG banner's paint: drawn for every wrong answer.
constexpr const char* wrong_paint = "\x1b[15;4H\x1b[48;5;203m\x1b[38;5;16m";
constexpr const char* winning_text = "YOU BECAME THE QUADRIVANT";

int occurrences(const std::string& text, const std::string& piece) {
  int count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
    ++count;
  }
  return count;
}

bool is_answer(const std::string& line) {
  return !line.empty() && std::all_of(line.begin(), line.end(),
                                      [](unsigned char c) { return std::isdigit(c) != 0; });
}

ProgramRun play_shipped_game(const std::vector<std::string>& lines) {
  return run_program(QUADRIVANT_TEST_PROGRAM, game_directory(), as_input(lines), 240);
}

TEST(Walkthrough, WinsTheGameSolvingEveryProblemOnce) {
  const int problems = problem_count(load_shipped_world());
  const ProgramRun run = play_shipped_game(walkthrough_lines());

  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.standard_error, "");
  EXPECT_EQ(occurrences(run.standard_output, winning_text), 1);
  EXPECT_EQ(occurrences(run.standard_output, solved_paint), problems);
  EXPECT_EQ(occurrences(run.standard_output, wrong_paint), 0);
  // The winning page is the last thing drawn: the walkthrough ends with its confirmation.
  EXPECT_EQ(run.standard_output.find("CONGRATULATIONS!"),
            run.standard_output.rfind("CONGRATULATIONS!"));
  EXPECT_LT(run.standard_output.size() - run.standard_output.rfind(winning_text), 2000u);
}

TEST(Walkthrough, AnswersEveryProblemOnceAndRightAtOnce) {
  const std::vector<std::string> lines = walkthrough_lines();
  EXPECT_EQ(std::count_if(lines.begin(), lines.end(), is_answer),
            problem_count(load_shipped_world()));
}

// Every answer matters: with one answer wrong, the last gate stays shut and the game is not won
// by the end of the walkthrough. Sampled (the first answer, every fourth, the last) to keep the
// test short; the authoring tool proves the general rule for every problem.
TEST(Walkthrough, DoesNotWinWithOneProblemLeftUnsolved) {
  const std::vector<std::string> lines = walkthrough_lines();
  std::vector<std::size_t> answers;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (is_answer(lines[i])) answers.push_back(i);
  }
  ASSERT_FALSE(answers.empty());
  for (std::size_t a = 0; a < answers.size(); ++a) {
    if (a % 4 != 0 && a + 1 != answers.size()) continue;
    const std::size_t i = answers[a];
    std::vector<std::string> skipped = lines;
    skipped[i] = lines[i] + "1";  // a wrong answer: the problem stays unsolved
    const ProgramRun run = play_shipped_game(skipped);
    EXPECT_EQ(run.exit_status, 0) << "answer on line " << i + 1;
    EXPECT_EQ(occurrences(run.standard_output, winning_text), 0) << "answer on line " << i + 1;
    EXPECT_GE(occurrences(run.standard_output, wrong_paint), 1) << "answer on line " << i + 1;
  }
}

}  // namespace

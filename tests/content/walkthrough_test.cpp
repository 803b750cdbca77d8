// game/walkthrough.txt wins the shipped adventure from a fresh start, in the test copy of the
// program, solving every problem on the way; the optional problems may be left unsolved, but with
// one more wrong answer the game is not won.
#include <algorithm>

#include <gtest/gtest.h>

#include "shipped_game.h"
#include "support/run_program.h"

namespace quadrivant {

namespace {

// The first line of the solved panel's teal paint: drawn once for every right answer.
constexpr const char* solved_paint = "\x1b[15;4H\x1b[48;5;36m\x1b[38;5;255m";
// The first line of the WRONG banner's paint: drawn for every wrong answer.
constexpr const char* wrong_paint = "\x1b[15;4H\x1b[48;5;203m\x1b[38;5;16m";
constexpr const char* winning_text = "YOU BECAME THE QUADRIVANT";

int occurrences(const std::string& text, const std::string& piece) {
  int count = 0;
  for (std::size_t at = 0; (at = text.find(piece, at)) != std::string::npos; ++at) ++count;
  return count;
}

// Where each line of `input` that answers a problem (digits only) ends.
std::vector<std::size_t> answer_ends(const std::string& input) {
  std::vector<std::size_t> ends;
  for (std::size_t start = 0, end; (end = input.find('\n', start)) != std::string::npos;
       start = end + 1) {
    if (end > start && input.find_first_not_of("0123456789", start) >= end) ends.push_back(end);
  }
  return ends;
}

TEST(Walkthrough, WinsTheGameAnsweringEveryProblemOnceAndRightAtOnce) {
  const int problems = problem_count(load_shipped_world());
  const std::string walkthrough = read_file(game_directory() + "/walkthrough.txt");
  EXPECT_EQ(static_cast<int>(answer_ends(walkthrough).size()), problems);
  const ProgramRun run = run_program(QUADRIVANT_TEST_PROGRAM, game_directory(), walkthrough, 240);
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_EQ(run.standard_error, "");
  EXPECT_EQ(occurrences(run.standard_output, solved_paint), problems);
  EXPECT_EQ(occurrences(run.standard_output, wrong_paint), 0);
  // The winning page is drawn once, as the last thing: the walkthrough ends with its
  // confirmation.
  EXPECT_EQ(occurrences(run.standard_output, winning_text), 1);
  EXPECT_LT(run.standard_output.size() - run.standard_output.rfind(winning_text), 2000u);
}

// The most problems any information entry asks for: the keeper of the last gate's count.
int problems_the_finish_needs(const World& world) {
  int most = 0;
  for (const Level& level : world)
    for (const Information& info : level.infos) most = std::max(most, info.required);
  return most;
}

// Not every problem is needed, but enough are: with the last answers of the walkthrough wrong,
// the game is still won while the problems solved reach the keeper's count, and not once they
// fall one short. The authoring tool proves the rule for every way through the world.
TEST(Walkthrough, WinsWithJustEnoughProblemsSolvedAndNotWithOneFewer) {
  const World world = load_shipped_world();
  const int problems = problem_count(world), needed = problems_the_finish_needs(world);
  ASSERT_LT(needed, problems) << "some problems are optional";
  const std::string walkthrough = read_file(game_directory() + "/walkthrough.txt");
  const std::vector<std::size_t> answers = answer_ends(walkthrough);
  ASSERT_EQ(static_cast<int>(answers.size()), problems);
  for (const int solved : {needed, needed - 1}) {
    std::string input = walkthrough;
    // A wrong answer leaves its problem unsolved; insert from the end so the places hold.
    for (int k = problems - 1; k >= solved; --k) input.insert(answers[k], "1");
    const ProgramRun run = run_program(QUADRIVANT_TEST_PROGRAM, game_directory(), input, 240);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(occurrences(run.standard_output, solved_paint), solved);
    EXPECT_GE(occurrences(run.standard_output, wrong_paint), problems - solved);
    EXPECT_EQ(occurrences(run.standard_output, winning_text), solved == needed ? 1 : 0)
        << solved << " problems solved";
  }
}

}  // namespace

}  // namespace quadrivant

// What walking into a cell means, code by code, and what an answer to a problem changes.
#include "rules/cell_events.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

#include "level/cell_codes.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

// A fresh game: each code gets the rule of its kind, with the entry its index names.
TEST(TouchCell, EachCodeHasTheRuleOfItsKind) {
  const World world = make_world({level_with_every_entry(), walled_level(100, 40)});
  for (int code = 0; code <= 255; ++code) {
    SCOPED_TRACE("code " + std::to_string(code));
    GameState state(world);
    GameState expected(world);
    // The event (kind, text, problem) and the progress it must leave, by the code's range.
    std::tuple<CellEventKind, std::string, int> event{CellEventKind::show_text, "", 0};
    if (code == 0) {
      event = {CellEventKind::nothing, "", 0};
    } else if (code <= 49) {
      std::get<1>(event) = "obstruction " + std::to_string(49 - code);
    } else if (code <= 99) {
      event = {CellEventKind::change_level, "", 0};
      expected.current_level = code % 2;
      expected.player = {code - 50 + 10, 5};
    } else if (code <= 199) {
      event = {CellEventKind::ask_problem, "problem " + std::to_string(code - 100), code - 100};
    } else if (code <= 253) {  // entries needing no solved problem unlock at once
      const int k = code - 200;
      std::get<1>(event) = (k % 2 ? "locked " : "info ") + std::to_string(k);
      expected.unlocked[0][k] = expected.cleared[0][k] = k % 2 == 0;
    } else if (code == 254) {
      event = {CellEventKind::finish, "", 0};
      expected.running = false;
    } else {
      std::get<1>(event) = "\t\t\t\t                    (There is an obstacle!)";
    }
    const CellEvent touched = touch_cell(world, state, code);
    const bool shows =
        touched.kind == CellEventKind::show_text || touched.kind == CellEventKind::ask_problem;
    EXPECT_EQ(std::tuple(touched.kind, shows ? std::string(touched.text) : "",
                         touched.kind == CellEventKind::ask_problem ? touched.problem : 0),
              event);
    EXPECT_TRUE(state == expected) << "every flag of progress";
  }
}

TEST(TouchCell, ClearedObstructionMeansNothing) {
  const World world = make_world({level_with_every_entry()});
  GameState state(world);
  state.cleared[0][3] = true;
  EXPECT_EQ(touch_cell(world, state, obstruction_code(3)).kind, CellEventKind::nothing);
  EXPECT_EQ(touch_cell(world, state, obstruction_code(2)).text, "obstruction 2");
}

TEST(TouchCell, SolvedProblemShowsItsSolvedText) {
  const World world = make_world({level_with_every_entry()});
  GameState state(world);
  state.mark_solved(0, 7);
  const CellEvent event = touch_cell(world, state, problem_code(7));
  EXPECT_EQ(std::pair(event.kind, std::string(event.text)),
            std::pair(CellEventKind::show_text, std::string("solved 7")));
}

// Entry 1 needs one solved problem: reaching the count elsewhere opens nothing, walking into it
// then unlocks it and clears gate 1 of its own level before its text shows; it stays unlocked.
TEST(TouchCell, InformationUnlocksWhenEnoughProblemsAreSolvedAndClearsItsGate) {
  const World world = make_world({level_with_every_entry(), level_with_every_entry()});
  GameState state(world);
  state.current_level = 1;
  EXPECT_EQ(touch_cell(world, state, information_code(1)).text, "locked 1");
  state.mark_solved(0, 5);
  EXPECT_EQ(state.cleared[1][1], false);
  EXPECT_EQ(touch_cell(world, state, obstruction_code(1)).text, "obstruction 1");
  EXPECT_EQ(touch_cell(world, state, information_code(1)).text, "info 1");
  EXPECT_EQ(std::tuple(state.unlocked[1][1], state.cleared[1][1]), std::tuple(true, true));
  EXPECT_EQ(std::tuple(state.unlocked[0][1], state.cleared[0][1], state.cleared[1][0]),
            std::tuple(false, false, false));
  EXPECT_EQ(touch_cell(world, state, obstruction_code(1)).kind, CellEventKind::nothing);
  // An unlocked entry shows its unlocked text whatever the count.
  GameState nothing_solved(world);
  nothing_solved.current_level = 1;
  nothing_solved.unlocked = state.unlocked;
  EXPECT_EQ(touch_cell(world, nothing_solved, information_code(1)).text, "info 1");
}

TEST(AnswerProblem, OnlyDigitsOfTheRightValueAreARightAnswer) {
  TestLevel level = walled_level();
  level.problems = {{"What is 3 + 4?", "Seven.", 7},
                    {"The biggest number?", "Yes.", INT_MAX},
                    {"Nothing?", "Zero.", 0}};
  const World world = make_world({level_with_every_entry(), level});
  // Problem, answer, right: eleven digits are judged as the number they spell, and digits too
  // many for any number are never right.
  const std::vector<std::tuple<int, std::string, bool>> answers = {
      {0, "7", true},
      {0, "007", true},
      {0, "00000000007", true},
      {1, "2147483647", true},
      {1, "02147483647", true},
      {2, "0", true},
      {2, "00000000000", true},
      {0, "8", false},
      {0, "-7", false},
      {0, "+7", false},
      {0, " 7", false},
      {0, "7 ", false},
      {0, "", false},
      {0, "04294967303", false},
      {1, "12147483647", false},
      {1, "7", false},
      {0, "2147483647", false},
      {2, "99999999999999999999", false},
      {2, "18446744073709551616", false},
      {0, "18446744073709551623", false},
  };
  for (const auto& [problem, answer, right] : answers) {
    SCOPED_TRACE('"' + answer + '"');
    GameState state(world);
    for (std::size_t k = 0; k < 5; ++k) state.mark_solved(0, k);
    state.current_level = 1;
    GameState expected = state;
    if (right) expected.mark_solved(1, static_cast<std::size_t>(problem));
    EXPECT_EQ(answer_problem(world, state, problem, answer), right);
    EXPECT_TRUE(state == expected) << "every flag of progress";
    EXPECT_EQ(state.solved_count(), right ? 6 : 5);
  }
}

// A problem counts once, however often it is answered right.
TEST(AnswerProblem, ASolvedProblemCountsOnce) {
  const World world = make_world({level_with_every_entry()});
  GameState state(world);
  EXPECT_TRUE(answer_problem(world, state, 3, "1"));
  EXPECT_TRUE(answer_problem(world, state, 3, "1"));
  EXPECT_TRUE(answer_problem(world, state, 4, "01"));
  EXPECT_EQ(state.solved_count(), 2);
  EXPECT_TRUE(state.is_solved(0, 3) && state.is_solved(0, 4) && !state.is_solved(0, 5));
}

}  // namespace

}  // namespace quadrivant

// Judging a command line: quit, help, and moves in four directions up to their step limits;
// every other line is unusable.
#include "rules/commands.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace quadrivant {

namespace {

TEST(ParseCommand, WordsAreComparedExactlyAndCountsAreDigitsUpToTheLimit) {
  // A line, and what it asks for: the kind, the step it moves by and the number of steps.
  const std::vector<std::tuple<std::string, CommandKind, int, int, int>> cases = {
      {"quit", CommandKind::quit, 0, 0, 0},   {"help", CommandKind::help, 0, 0, 0},
      {"r 5", CommandKind::move, 1, 0, 5},    {"right 30", CommandKind::move, 1, 0, 30},
      {"l 30", CommandKind::move, -1, 0, 30}, {"left 2", CommandKind::move, -1, 0, 2},
      {"d 10", CommandKind::move, 0, 1, 10},  {"down 1", CommandKind::move, 0, 1, 1},
      {"u 007", CommandKind::move, 0, -1, 7}, {"up 10", CommandKind::move, 0, -1, 10},
      {"r 0", CommandKind::move, 1, 0, 0},    {"r 00000030", CommandKind::move, 1, 0, 30},
  };
  for (const auto& [line, kind, step_x, step_y, steps] : cases) {
    const Command command = parse_command(line);
    ASSERT_EQ(command.kind, kind) << line;
    if (kind != CommandKind::move) continue;
    ASSERT_NE(command.direction, nullptr) << line;
    EXPECT_EQ(std::tuple(command.direction->step_x, command.direction->step_y, command.steps),
              std::tuple(step_x, step_y, steps))
        << line;
  }
  for (const char* line : {"R 5",  "right  5", "right 5 ", "r -5",        "r +5",  "r 5x", "r",
                           "5 r",  "help 5",   "quit ",    " quit",       "pause", "",     "r 31",
                           "u 11", "d 11",     "left 31",  "r ",          " r 5",  "up",   "jump 3",
                           "Quit", "u 1.5",    "up\t3",    "r 999999999", "a b c"})
    EXPECT_EQ(parse_command(line).kind, CommandKind::unusable) << '"' << line << '"';
}

}  // namespace

}  // namespace quadrivant

// Every program fails one way: a message on standard error and a non-zero status. Output that
// cannot be written is a failure too, on every path: help, version, a refused world, the
// checker's findings.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

struct FullOutputCase {
  const char* name;
  const char* program;
  std::vector<std::string> arguments;  // "WORLD" stands for a world's directory
  int status;                          // the status the program must end with
  bool refused_world;                  // the world is one the game refuses
};

const FullOutputCase full_output_cases[] = {
    {"game_version", QUADRIVANT_PROGRAM, {"--version"}, 1, false},
    {"game_help", QUADRIVANT_PROGRAM, {"--help"}, 1, false},
    {"game_refusing_a_world", QUADRIVANT_PROGRAM, {"WORLD"}, 1, true},
    {"checker_version", QUADRIVANT_CHECK_PROGRAM, {"--version"}, 1, false},
    {"checker_findings", QUADRIVANT_CHECK_PROGRAM, {"WORLD"}, 1, false},
    {"checker_faults", QUADRIVANT_CHECK_PROGRAM, {"WORLD"}, 1, true},
};

class FullOutput : public testing::TestWithParam<FullOutputCase> {};

TEST_P(FullOutput, IsAFailureToldOnStandardError) {
  const FullOutputCase& c = GetParam();
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full on this system";
  const std::string directory = make_temporary_directory();
  TestLevel level = walled_level();
  if (c.refused_world) level.codes[5][5] = 101;  // a problem the level lacks
  write_world(directory, {level});
  std::vector<std::string> arguments = c.arguments;
  for (std::string& argument : arguments) {
    if (argument == "WORLD") argument = directory;
  }
  const ProgramRun run =
      run_program(c.program, arguments, directory, "quit\n", 60, OutputTarget::full_device);
  std::filesystem::remove_all(directory);
  EXPECT_EQ(run.exit_status, c.status);
  EXPECT_EQ(run.standard_error,
            "(;^_^) Oopsie! Unable to write to standard output -> No space left on device\n");
}

INSTANTIATE_TEST_SUITE_P(EveryProgram, FullOutput, testing::ValuesIn(full_output_cases),
                         [](const testing::TestParamInfo<FullOutputCase>& param_info) {
                           return std::string(param_info.param.name);
                         });

// With its output sound, the same world's refusal reaches the player on standard output after
// the reports, and nothing is said on standard error.
TEST(RefusedWorld, IsToldAfterTheReportsWithStatusOne) {
  const std::string directory = make_temporary_directory();
  TestLevel level = walled_level();
  level.codes[5][5] = 101;
  write_world(directory, {level});
  const ProgramRun run = run_program(QUADRIVANT_PROGRAM, {directory}, directory, "quit\n");
  std::filesystem::remove_all(directory);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_TRUE(run.standard_output.ends_with(
      "Loading level0/obstructions.txt\n(;^_^) Oopsie! Level 0, cell (5, 5): code 101 names "
      "problem 1, but the level has no problems!\n"))
      << run.standard_output;
  EXPECT_EQ(run.standard_error, "");
}

}  // namespace

}  // namespace quadrivant

// Standard output that cannot be written stops the game with a message on standard error and
// exit status 1, however much input is left to play; a closed pipe still ends it by SIGPIPE.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_world.h"
#include "terminal_session.h"

namespace quadrivant {

namespace {

struct WriteFailureCase {
  const char* name;
  OutputTarget output;
  int error;  // the errno the message names
};

const WriteFailureCase write_failure_cases[] = {
    {"full_device", OutputTarget::full_device, ENOSPC},
    {"closed_output", OutputTarget::closed, EBADF},
};

class WriteFailureTest : public testing::TestWithParam<WriteFailureCase> {};

TEST_P(WriteFailureTest, StopsWithAMessageAndStatusOne) {
  const WriteFailureCase& c = GetParam();
  if (c.output == OutputTarget::full_device && !std::filesystem::exists("/dev/full"))
    GTEST_SKIP() << "no /dev/full on this system";
  const std::string directory = make_temporary_directory();
  write_world(directory, {walled_level()});
  std::string input;
  for (int turn = 0; turn < 50; ++turn) input += "r 1\nl 1\n";
  const ProgramRun run =
      run_program(QUADRIVANT_TEST_PROGRAM, directory, input + "quit\n", 60, c.output);
  EXPECT_EQ(run.exit_status, 1);
  EXPECT_EQ(run.standard_error,
            std::string("(;^_^) Oopsie! Unable to write to standard output -> ") +
                std::strerror(c.error) + "\n");
  EXPECT_TRUE(run.waits.empty()) << "the game stops at its first drawing, before any animation";
  std::filesystem::remove_all(directory);
}

INSTANTIATE_TEST_SUITE_P(WriteFailures, WriteFailureTest, testing::ValuesIn(write_failure_cases),
                         [](const testing::TestParamInfo<WriteFailureCase>& param_info) {
                           return std::string(param_info.param.name);
                         });

TEST(WriteFailure, AClosedPipeStillEndsTheGameBySigpipe) {
  TerminalSession session;
  TmuxTerminal& terminal = session.terminal();
  session.type_at_shell("yes r 1 | " + shell_quoted(QUADRIVANT_TEST_PROGRAM) +
                        " | head -c 1000 > /dev/null");
  session.type_at_shell("echo pipe:${PIPESTATUS[1]}");
  EXPECT_TRUE(terminal.wait_for([](const TerminalScreen& s) {
    return row_starting_with(s, 26, "pipe:141") != 0;
  })) << screen_text(terminal.screen(), 26, 80);
}

}  // namespace

}  // namespace quadrivant

#include "terminal_session.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

std::string world_with_plaque() {
  const std::string directory = make_temporary_directory();
  TestLevel level = walled_level();
  level.codes[13][20] = 200;  // information entry 0, right of the start cell (19, 13)
  level.infos = {{"A PLAQUE BY THE DOOR.", "The plaque glows.", 1}};
  level.obstructions = {{"A gate the plaque opens."}};
  write_world(directory, {level});
  return directory;
}

std::string shell_in(const std::string& directory) {
  // No startup files and no history file: the shell behaves the same on every machine.
  return "cd '" + directory + "' && HISTFILE=/dev/null PS1='$ ' exec bash --norc --noprofile -i";
}

}  // namespace

bool waits_at_prompt(const TerminalScreen& s) {
  return s.text(1, 1, 24) == std::string(24, '#') && s.text(25, 1, 71) == std::string(71, '#') &&
         s.character(13, 36) == 'X' && s.background(13, 36) == 160 && s.text(2, 29, 30) == ">>" &&
         s.foreground(2, 29) == 36;
}

bool shows_plaque_panel(const TerminalScreen& s) {
  return s.text(15, 5, 25) == "A PLAQUE BY THE DOOR." && s.text(24, 56, 59) == "[ok]";
}

int row_starting_with(const TerminalScreen& s, int rows, const std::string& text) {
  for (int row = 1; row <= rows; ++row)
    if (s.text(row, 1, static_cast<int>(text.size())) == text) return row;
  return 0;
}

TerminalSession::TerminalSession(int columns, int rows)
    : directory_(world_with_plaque()), terminal_(shell_in(directory_), columns, rows) {
  EXPECT_TRUE(terminal_.wait_for(
      [&](const TerminalScreen& s) { return row_starting_with(s, rows, "$") != 0; }));
  terminal_.type("ulimit -c 0");  // SIGQUIT leaves no core file behind
}

TerminalSession::~TerminalSession() {
  std::filesystem::remove_all(directory_);
}

void TerminalSession::start_game(const std::string& program) {
  terminal_.type("'" + program + "'");
  ASSERT_TRUE(terminal_.wait_for(waits_at_prompt, 8.0))
      << "the game's first prompt:\n"
      << screen_text(terminal_.screen(), terminal_.rows(), terminal_.columns());
}

int TerminalSession::game_pid() {
  const std::string command = "pgrep -P " + std::to_string(terminal_.command_pid());
  std::FILE* pipe = popen(command.c_str(), "r");
  int pid = 0;
  if (pipe == nullptr || std::fscanf(pipe, "%d", &pid) != 1) ADD_FAILURE() << command;
  if (pipe != nullptr) pclose(pipe);
  // Never 0 or -1, which would signal the test's own process group.
  if (pid <= 1) throw std::runtime_error("the game's process is not found");
  return pid;
}

const TerminalScreen& TerminalSession::shell_status(int expected_status) {
  terminal_.type("echo status:$?");
  const std::string status = "status:" + std::to_string(expected_status);
  EXPECT_TRUE(terminal_.wait_for([&](const TerminalScreen& s) {
    return row_starting_with(s, terminal_.rows(), status) != 0;
  })) << "expected "
      << status << " in\n"
      << screen_text(terminal_.screen(), terminal_.rows(), terminal_.columns());
  return terminal_.screen();
}

}  // namespace quadrivant

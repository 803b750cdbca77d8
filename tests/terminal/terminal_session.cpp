#include "terminal_session.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/screen_checks.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

std::string world_with_plaque() {
  const std::string directory = make_temporary_directory();
  TestLevel level = walled_level();
  level.codes[13][20] = 200;  // information entry 0, right of the start cell (19, 13)
  level.infos = {{"A PLAQUE BY THE DOOR.", "The plaque glows.", 1}};
  level.obstructions = {{"A gate the plaque opens."}};
  level.codes[11][19] = 100;  // problem 0, two cells above the start cell
  level.problems = {{"HOW MANY SIDES HAS A SQUARE?", "FOUR SIDES, OF COURSE.", 4}};
  write_world(directory, {level});
  return directory;
}

std::string shell_in(const std::string& directory) {
  // No startup files and no history file: the shell behaves the same on every machine.
  return "cd '" + directory + "' && HISTFILE=/dev/null PS1='" + TerminalSession::shell_prompt +
         "' exec bash --norc --noprofile -i";
}

// Whether the shell waits for a command: the cursor stands right after its prompt on a row that
// holds nothing else.
bool shell_waits(const TerminalScreen& s, int columns) {
  const std::string prompt = TerminalSession::shell_prompt;
  const int row = s.cursor_row();
  return s.cursor_column() == static_cast<int>(prompt.size()) + 1 &&
         s.text(row, 1, columns) == prompt + std::string(columns - prompt.size(), ' ');
}

std::string screen_of(TmuxTerminal& terminal) {
  return screen_text(terminal.screen(), terminal.rows(), terminal.columns());
}

}  // namespace

bool game_waits_for_a_command(const TerminalScreen& s) {
  return s.text(1, 1, 24) == std::string(24, '#') && s.text(25, 1, 71) == std::string(71, '#') &&
         s.character(13, 36) == 'X' && s.background(13, 36) == 160 && waits_at_prompt(s) &&
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
  type_at_shell("ulimit -c 0");  // SIGQUIT leaves no core file behind
}

TerminalSession::~TerminalSession() {
  gate_.reset();
  std::filesystem::remove_all(directory_);
}

void TerminalSession::type_at_shell(const std::string& line) {
  EXPECT_TRUE(terminal_.wait_for([&](const TerminalScreen& s) {
    return shell_waits(s, terminal_.columns());
  })) << "the shell's prompt, before typing "
      << line << ":\n"
      << screen_of(terminal_);
  terminal_.type(line);
}

void TerminalSession::start_game(const std::string& program) {
  type_at_shell(shell_quoted(program));
  ASSERT_TRUE(terminal_.wait_for(game_waits_for_a_command)) << "the game's first prompt:\n"
                                                            << screen_of(terminal_);
}

void TerminalSession::start_gated_game() {
  gate_ = std::make_unique<WaitGate>(directory_);
  type_at_shell(gate_->environment() + shell_quoted(QUADRIVANT_TEST_PROGRAM));
  // Up to the first prompt the game shows only the title page, which has no prompt.
  ASSERT_TRUE(terminal_.wait_for([&](const TerminalScreen& s) {
    if (gate_->holding()) gate_->release();
    return !gate_->holding() && game_waits_for_a_command(s);
  })) << "the game's first prompt:\n"
      << screen_of(terminal_);
}

bool TerminalSession::hold_when(const TmuxTerminal::Screen& seen) {
  return terminal_.wait_for([&](const TerminalScreen& s) {
    if (!gate_->holding()) return false;
    if (seen(s)) return true;
    gate_->release();
    return false;
  });
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
  type_at_shell("echo status:$?");
  const std::string status = "status:" + std::to_string(expected_status);
  EXPECT_TRUE(terminal_.wait_for([&](const TerminalScreen& s) {
    return row_starting_with(s, terminal_.rows(), status) != 0;
  })) << "expected "
      << status << " in\n"
      << screen_of(terminal_);
  return terminal_.screen();
}

}  // namespace quadrivant

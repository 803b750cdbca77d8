#include "support/tmux_terminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "support/run_program.h"

namespace quadrivant {

namespace {

using Clock = std::chrono::steady_clock;

std::string unique_socket() {
  static std::atomic<int> count{0};
  return "quadrivant-test-" + std::to_string(getpid()) + "-" + std::to_string(++count);
}

// Whether the terminal device `tty` is `columns` x `rows`.
bool has_size(const std::string& tty, int columns, int rows) {
  const int descriptor = open(tty.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
  if (descriptor < 0) return false;
  winsize size{};
  const bool same =
      ioctl(descriptor, TIOCGWINSZ, &size) == 0 && size.ws_col == columns && size.ws_row == rows;
  close(descriptor);
  return same;
}

std::string without_newline(std::string text) {
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace

bool eventually(const std::function<bool()>& holds, double seconds) {
  for (const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);;) {
    if (holds()) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

TmuxTerminal::TmuxTerminal(const std::string& command, int columns, int rows, bool remain_on_exit)
    : socket_(unique_socket()), columns_(columns), rows_(rows) {
  std::string arguments = "-f /dev/null new-session -d -s play -x " + std::to_string(columns) +
                          " -y " + std::to_string(rows) + " \"" + command + "\"";
  if (remain_on_exit) arguments += " \\; set-option -g remain-on-exit on";
  run(arguments);
  socket_path_ = without_newline(run("display-message -p '#{socket_path}'"));
}

TmuxTerminal::~TmuxTerminal() {
  run("kill-server");
  // The server leaves its socket file behind.
  if (!socket_path_.empty()) std::filesystem::remove(socket_path_);
}

void TmuxTerminal::type(const std::string& line) {
  if (!line.empty()) run("send-keys -t play -l " + shell_quoted(line));
  run("send-keys -t play Enter");
}

void TmuxTerminal::press(const std::string& keys) {
  run("send-keys -t play " + keys);
}

void TmuxTerminal::resize(int columns, int rows) {
  run("resize-window -t play -x " + std::to_string(columns) + " -y " + std::to_string(rows));
  columns_ = columns;
  rows_ = rows;
  // tmux hands the size to the terminal device a moment later, from its own loop.
  const std::string tty = without_newline(run("display-message -p -t play '#{pane_tty}'"));
  if (!eventually([&] { return has_size(tty, columns, rows); }))
    ADD_FAILURE() << tty << " never became " << columns << "x" << rows;
}

int TmuxTerminal::command_pid() {
  return std::stoi(run("display-message -p -t play '#{pane_pid}'"));
}

bool TmuxTerminal::wait_for(const Screen& seen, double seconds) {
  return eventually(
      [&] {
        capture();
        return seen(*screen_);
      },
      seconds);
}

void TmuxTerminal::capture() {
  // One tmux command line, so the cursor and the rows are taken at the same moment.
  std::istringstream lines(
      run("display-message -p -t play '#{cursor_y} #{cursor_x}' \\; capture-pane -p -e -t play"));
  int cursor_row = 0;
  int cursor_column = 0;
  std::string text;
  std::getline(lines, text);
  std::istringstream(text) >> cursor_row >> cursor_column;
  screen_ = std::make_unique<TerminalScreen>(rows_, columns_);
  // Each row is placed on its own; colours carry over from the row before.
  for (int row = 1; row <= rows_ && std::getline(lines, text); ++row)
    screen_->feed("\x1b[" + std::to_string(row) + ";1H" + text);
  screen_->feed("\x1b[" + std::to_string(cursor_row + 1) + ";" + std::to_string(cursor_column + 1) +
                "H");
}

std::string TmuxTerminal::run(const std::string& arguments) {
  std::string printed;
  std::FILE* pipe =
      popen(("TERM=xterm-256color tmux -L " + socket_ + " " + arguments).c_str(), "r");
  char buffer[8192];
  for (std::size_t n; pipe != nullptr && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    printed.append(buffer, n);
  if (pipe == nullptr || pclose(pipe) != 0) ADD_FAILURE() << "tmux failed: " << arguments;
  return printed;
}

std::string screen_text(const TerminalScreen& screen, int rows, int columns) {
  std::string text;
  for (int row = 1; row <= rows; ++row) text += screen.text(row, 1, columns) + "\n";
  return text;
}

}  // namespace quadrivant

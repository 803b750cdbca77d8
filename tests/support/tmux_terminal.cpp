#include "support/tmux_terminal.h"

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

namespace quadrivant {

namespace {

using Clock = std::chrono::steady_clock;

std::string unique_socket() {
  static std::atomic<int> count{0};
  return "quadrivant-test-" + std::to_string(getpid()) + "-" + std::to_string(++count);
}

}  // namespace

TmuxTerminal::TmuxTerminal(const std::string& command, int columns, int rows, bool remain_on_exit)
    : socket_(unique_socket()), columns_(columns), rows_(rows) {
  std::string arguments = "-f /dev/null new-session -d -s play -x " + std::to_string(columns) +
                          " -y " + std::to_string(rows) + " \"" + command + "\"";
  if (remain_on_exit) arguments += " \\; set-option -g remain-on-exit on";
  run(arguments);
  socket_path_ = run("display-message -p '#{socket_path}'");
  if (!socket_path_.empty() && socket_path_.back() == '\n') socket_path_.pop_back();
}

TmuxTerminal::~TmuxTerminal() {
  run("kill-server");
  // The server leaves its socket file behind.
  if (!socket_path_.empty()) std::filesystem::remove(socket_path_);
}

void TmuxTerminal::type(const std::string& line) {
  if (!line.empty()) run("send-keys -t play -l '" + line + "'");
  run("send-keys -t play Enter");
}

void TmuxTerminal::press(const std::string& keys) {
  run("send-keys -t play " + keys);
}

void TmuxTerminal::resize(int columns, int rows) {
  run("resize-window -t play -x " + std::to_string(columns) + " -y " + std::to_string(rows));
  columns_ = columns;
  rows_ = rows;
}

int TmuxTerminal::command_pid() {
  return std::stoi(run("display-message -p -t play '#{pane_pid}'"));
}

bool TmuxTerminal::wait_for(const Screen& seen, double seconds) {
  for (const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);;) {
    screen_ = std::make_unique<TerminalScreen>(rows_, columns_);
    std::istringstream lines(run("capture-pane -p -e -t play"));
    std::string text;
    // Each row is placed on its own; colours carry over from the row before.
    for (int row = 1; row <= rows_ && std::getline(lines, text); ++row)
      screen_->feed("\x1b[" + std::to_string(row) + ";1H" + text);
    if (seen(*screen_)) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
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

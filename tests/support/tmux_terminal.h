// A real terminal for end-to-end runs: one tmux server of its own (its own socket) with one
// window, into which a test types as a player would and whose screen it captures, colours and
// cursor included, as a TerminalScreen.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "support/terminal_screen.h"

namespace quadrivant {

// How long a test waits for what it expects before it calls it missing: long enough for any
// loaded machine, so that only a program that hangs or went wrong ever takes it.
inline constexpr double patience_seconds = 60.0;

// Asks `holds` every 50 ms until it is true (true) or `seconds` have passed (false).
bool eventually(const std::function<bool()>& holds, double seconds = patience_seconds);

class TmuxTerminal {
 public:
  using Screen = std::function<bool(const TerminalScreen&)>;

  // Runs the shell command line `command` in a window of `columns` x `rows`. With
  // `remain_on_exit` the last screen stays after the command has ended.
  TmuxTerminal(const std::string& command, int columns, int rows, bool remain_on_exit = false);
  ~TmuxTerminal();
  TmuxTerminal(const TmuxTerminal&) = delete;
  TmuxTerminal& operator=(const TmuxTerminal&) = delete;

  // Types `line` and ENTER.
  void type(const std::string& line);
  // Presses keys by their tmux names ("C-c", "C-z").
  void press(const std::string& keys);
  // Resizes the window, as a player dragging the terminal's corner, and returns once the
  // terminal has the new size, so that a program asking for it from then on gets it.
  void resize(int columns, int rows);
  // The process id of the window's command.
  int command_pid();

  // Captures the screen until `seen` holds; false after `seconds`. screen() is then the last
  // capture, its cursor where the terminal's cursor is.
  bool wait_for(const Screen& seen, double seconds = patience_seconds);
  const TerminalScreen& screen() const { return *screen_; }
  int columns() const { return columns_; }
  int rows() const { return rows_; }

  // Runs a tmux command on this server and returns what it printed.
  std::string run(const std::string& arguments);

 private:
  void capture();

  const std::string socket_;
  std::string socket_path_;
  int columns_;
  int rows_;
  std::unique_ptr<TerminalScreen> screen_;
};

// Every row of `screen` as text, each ended by a newline.
std::string screen_text(const TerminalScreen& screen, int rows, int columns);

}  // namespace quadrivant

// The game in a real terminal as a player starts it: an interactive shell with job control in
// a tmux window, its working directory a small test world, the game typed in as a command.
#pragma once

#include <string>

#include "support/terminal_screen.h"
#include "support/tmux_terminal.h"

namespace quadrivant {

// The game's picture with the prompt waiting: frame, marker at home, prompt marker.
bool waits_at_prompt(const TerminalScreen& s);

// The panel of the plaque next to the start cell, open with its text.
bool shows_plaque_panel(const TerminalScreen& s);

// One row of the screen that holds `text` from its first column, or 0.
int row_starting_with(const TerminalScreen& s, int rows, const std::string& text);

class TerminalSession {
 public:
  // A test world with free ground around the start and a plaque (an information entry) on
  // the cell right of it; a shell in it, in a window of `columns` x `rows`.
  explicit TerminalSession(int columns = 80, int rows = 26);
  ~TerminalSession();

  // Types the path of `program` (QUADRIVANT_PROGRAM: real timings; QUADRIVANT_TEST_PROGRAM:
  // waits that return at once) and waits for the game's first prompt.
  void start_game(const std::string& program);

  // The process id of the game started from the shell.
  int game_pid();

  // Types "echo status:$?" and returns the screen once the shell has printed the status.
  const TerminalScreen& shell_status(int expected_status);

  TmuxTerminal& terminal() { return terminal_; }
  const std::string& directory() const { return directory_; }

 private:
  std::string directory_;
  TmuxTerminal terminal_;
};

}  // namespace quadrivant

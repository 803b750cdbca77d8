// The game in a real terminal as a player starts it: an interactive shell with job control in
// a tmux window, its working directory a small test world, the game typed in as a command. The
// session types only when the shell or the game waits for a line: a line typed earlier may be
// swallowed (a Ctrl-C empties the terminal's input) or echoed in the middle of a drawing.
#pragma once

#include <memory>
#include <string>

#include "support/terminal_screen.h"
#include "support/tmux_terminal.h"
#include "support/wait_gate.h"

namespace quadrivant {

// The game's picture, whole, with its prompt waiting for a command: frame, marker at home, an
// empty prompt box and the cursor at its input position.
bool game_waits_for_a_command(const TerminalScreen& s);

// The panel of the plaque next to the start cell, open with its text.
bool shows_plaque_panel(const TerminalScreen& s);

// One row of the screen that holds `text` from its first column, or 0.
int row_starting_with(const TerminalScreen& s, int rows, const std::string& text);

class TerminalSession {
 public:
  // The shell's prompt, which it shows when it waits for a command.
  static constexpr const char* shell_prompt = "shell> ";

  // A test world with free ground around the start, a plaque (an information entry) on the cell
  // right of it and a problem ("HOW MANY SIDES HAS A SQUARE?", 4) two cells above it; a shell
  // in it, in a window of `columns` x `rows`.
  explicit TerminalSession(int columns = 80, int rows = 26);
  ~TerminalSession();

  // Waits until the shell waits for a command, then types `line`.
  void type_at_shell(const std::string& line);

  // Starts `program` (QUADRIVANT_PROGRAM: real timings; QUADRIVANT_TEST_PROGRAM: waits that
  // return at once) and waits for the game's first prompt.
  void start_game(const std::string& program);
  // Starts the test program with its waits held at gate(), lets them pass up to the game's
  // first prompt, and waits for it there.
  void start_gated_game();
  // Lets the gated game's waits pass one at a time until it stands in one with `seen` on the
  // screen. A capture may still show the frame before the wait, so `seen` should hold on every
  // frame from the one wanted on for a while (a marker away from home during a walk).
  bool hold_when(const TmuxTerminal::Screen& seen);
  WaitGate& gate() { return *gate_; }

  // The process id of the game started from the shell.
  int game_pid();

  // Types "echo status:$?" at the shell and returns the screen once it has printed the status.
  const TerminalScreen& shell_status(int expected_status);

  TmuxTerminal& terminal() { return terminal_; }
  const std::string& directory() const { return directory_; }

 private:
  std::string directory_;
  TmuxTerminal terminal_;
  std::unique_ptr<WaitGate> gate_;
};

}  // namespace quadrivant

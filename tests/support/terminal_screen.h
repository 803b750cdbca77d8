// A real terminal emulator (libvterm) fed with the game's bytes: tests read back the screen as
// the player sees it, cell by cell, with palette colours. Rows and columns are 1-based, as in the
// cursor-position sequence.
#pragma once

#include <string>
#include <string_view>

struct VTerm;
struct VTermScreen;

namespace quadrivant {

class TerminalScreen {
 public:
  // Default size: the 26 x 80 terminal the game is played in.
  explicit TerminalScreen(int rows = 26, int columns = 80);
  ~TerminalScreen();
  TerminalScreen(const TerminalScreen&) = delete;
  TerminalScreen& operator=(const TerminalScreen&) = delete;

  void feed(std::string_view bytes);

  // The character shown in a cell; ' ' for an empty cell.
  char character(int row, int column) const;
  // The same as a Unicode code point; U' ' for an empty cell.
  char32_t code_point(int row, int column) const;
  // Columns first..last of a row as text: a byte a cell (ASCII screens).
  std::string text(int row, int first_column, int last_column) const;
  // Columns first..last of a row as UTF-8, one character a cell.
  std::string utf8_text(int row, int first_column, int last_column) const;
  // The xterm palette index of a cell's colours; -1 where the terminal's default shows.
  int foreground(int row, int column) const;
  int background(int row, int column) const;

  int cursor_row() const;
  int cursor_column() const;

 private:
  VTerm* vterm_;
  VTermScreen* screen_;
};

}  // namespace quadrivant

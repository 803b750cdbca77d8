#include "support/terminal_screen.h"

#include <vterm.h>

#include "base/utf8.h"

namespace quadrivant {

namespace {

VTermScreenCell cell_at(VTermScreen* screen, int row, int column) {
  VTermScreenCell cell{};
  vterm_screen_get_cell(screen, VTermPos{row - 1, column - 1}, &cell);
  return cell;
}

int palette_index(const VTermColor& colour) {
  if (VTERM_COLOR_IS_DEFAULT_FG(&colour) || VTERM_COLOR_IS_DEFAULT_BG(&colour)) return -1;
  return VTERM_COLOR_IS_INDEXED(&colour) ? colour.indexed.idx : -2;  // the game sends no RGB
}

}  // namespace

TerminalScreen::TerminalScreen(int rows, int columns) : vterm_(vterm_new(rows, columns)) {
  vterm_set_utf8(vterm_, 1);
  screen_ = vterm_obtain_screen(vterm_);
  vterm_screen_reset(screen_, 1);
}

TerminalScreen::~TerminalScreen() {
  vterm_free(vterm_);
}

void TerminalScreen::feed(std::string_view bytes) {
  // libvterm overflows its stack on a single write of many megabytes: hand it pieces.
  constexpr std::size_t piece = std::size_t{1} << 16;
  for (std::size_t start = 0; start < bytes.size(); start += piece) {
    const std::string_view part = bytes.substr(start, piece);
    vterm_input_write(vterm_, part.data(), part.size());
  }
}

char TerminalScreen::character(int row, int column) const {
  const VTermScreenCell cell = cell_at(screen_, row, column);
  return cell.chars[0] == 0 ? ' ' : static_cast<char>(cell.chars[0]);
}

char32_t TerminalScreen::code_point(int row, int column) const {
  const VTermScreenCell cell = cell_at(screen_, row, column);
  return cell.chars[0] == 0 ? U' ' : static_cast<char32_t>(cell.chars[0]);
}

std::string TerminalScreen::utf8_text(int row, int first_column, int last_column) const {
  std::string line;
  for (int column = first_column; column <= last_column; ++column) {
    append_utf8(line, code_point(row, column));
  }
  return line;
}

std::string TerminalScreen::text(int row, int first_column, int last_column) const {
  std::string line;
  for (int column = first_column; column <= last_column; ++column) line += character(row, column);
  return line;
}

int TerminalScreen::foreground(int row, int column) const {
  return palette_index(cell_at(screen_, row, column).fg);
}

int TerminalScreen::background(int row, int column) const {
  return palette_index(cell_at(screen_, row, column).bg);
}

int TerminalScreen::cursor_row() const {
  VTermPos position{};
  vterm_state_get_cursorpos(vterm_obtain_state(vterm_), &position);
  return position.row + 1;
}

int TerminalScreen::cursor_column() const {
  VTermPos position{};
  vterm_state_get_cursorpos(vterm_obtain_state(vterm_), &position);
  return position.col + 1;
}

}  // namespace quadrivant

#include "panel_fit.h"

#include "screen/panel_layout.h"

namespace {

constexpr int panel_columns =
    panel_text_last_column(panel_text_margin) - panel_text_first_column(panel_text_margin) + 1;

struct PlacedCharacter {
  int row;  // the panel line, from 0
  char character;
};

// What the game's panel layout shows of `text`: every character with the panel line it lands
// on, in order.
std::vector<PlacedCharacter> lay_out(const std::string& text) {
  const std::vector<std::string> lines = lay_out_panel_text(text, panel_text_margin);
  std::vector<PlacedCharacter> placed;
  for (std::size_t row = 0; row < lines.size(); ++row) {
    for (const char c : lines[row]) placed.push_back({static_cast<int>(row), c});
  }
  return placed;
}

std::string row_fault(std::size_t row, const std::string& what) {
  return "text row " + std::to_string(row + 1) + " " + what;
}

}  // namespace

std::string join_panel_rows(const std::vector<std::string>& rows) {
  std::string text;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += '\t';
    text += rows[i];
  }
  return text;
}

std::string panel_fit_fault(const std::vector<std::string>& rows) {
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (const char c : rows[r]) {
      if (c < ' ' || c > '~') return row_fault(r, "holds a character that is not printable ASCII");
    }
    if (static_cast<int>(rows[r].size()) > panel_columns) {
      return row_fault(r, "has " + std::to_string(rows[r].size()) +
                              " characters; a panel line holds " + std::to_string(panel_columns) +
                              " (the panel would split it)");
    }
  }
  const std::vector<PlacedCharacter> placed = lay_out(join_panel_rows(rows));
  std::size_t next = 0;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (const char c : rows[r]) {
      if (next == placed.size()) {
        return row_fault(r, "is cut: a panel shows " + std::to_string(panel_text_rows) + " lines");
      }
      const PlacedCharacter& shown = placed[next++];
      if (shown.character != c || shown.row != static_cast<int>(r)) {
        return row_fault(r, "does not land on panel line " + std::to_string(r + 1) +
                                " (a full row before a break leaves an empty line)");
      }
    }
  }
  if (static_cast<int>(rows.size()) > panel_text_rows) {
    return row_fault(panel_text_rows,
                     "is cut: a panel shows " + std::to_string(panel_text_rows) + " lines");
  }
  return "";
}

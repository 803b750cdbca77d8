#include "author/panel_fit.h"

#include "rules/panel_text.h"

namespace quadrivant {

namespace {

std::string row_fault(std::size_t row, const std::string& what) {
  return "text row " + std::to_string(row + 1) + " " + what;
}

bool is_printable_ascii(const std::string& row) {
  for (const char c : row) {
    if (c < ' ' || c > '~') return false;
  }
  return true;
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
  constexpr auto columns = static_cast<std::size_t>(panel_text_columns);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (!is_printable_ascii(rows[r])) {
      return row_fault(r, "holds a character that is not printable ASCII");
    }
    if (rows[r].size() > columns) {
      return row_fault(r, "has " + std::to_string(rows[r].size()) +
                              " characters; a panel line holds " + std::to_string(columns) +
                              " (the panel would split it)");
    }
  }
  if (rows.size() > static_cast<std::size_t>(panel_text_rows)) {
    return row_fault(panel_text_rows,
                     "is cut: a panel shows " + std::to_string(panel_text_rows) + " lines");
  }
  // The game's layout of the whole text: each row must come out on the line of its number.
  const std::vector<std::string> shown = lay_out_panel_text(join_panel_rows(rows));
  for (std::size_t r = 0; r < rows.size(); ++r) {
    if (r >= shown.size() || shown[r] != rows[r]) {
      return row_fault(r, "does not land on panel line " + std::to_string(r + 1) +
                              " (a full row before a break leaves an empty line)");
    }
  }
  return "";
}

}  // namespace quadrivant

#include "author/panel_fit.h"

#include "base/cell_fit.h"
#include "base/utf8.h"
#include "rules/panel_text.h"

namespace quadrivant {

namespace {

std::string row_fault(std::size_t row, const std::string& what) {
  return "text row " + std::to_string(row + 1) + " " + what;
}

// What keeps a character of `row` from its own cell of the panel line, in words, or "".
std::string character_fault(const std::string& row) {
  std::string fault;
  for_each_character(row, [&fault](char32_t character) {
    if (!fault.empty()) return;
    if (cell_fit(character) == CellFit::control) {
      fault = "holds the control character " + character_name(character);
    } else {
      const std::string misfit = misfit_words(character);
      if (!misfit.empty()) fault = "holds a character that does not fit a cell: " + misfit;
    }
  });
  return fault;
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
    if (const std::string fault = character_fault(rows[r]); !fault.empty()) {
      return row_fault(r, fault);
    }
    if (const std::size_t characters = count_characters(rows[r]); characters > columns) {
      return row_fault(r, "has " + std::to_string(characters) + " characters; a panel line holds " +
                              std::to_string(columns) + " (the panel would split it)");
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

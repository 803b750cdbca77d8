#include "panel_fit.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "screen/panels.h"

namespace {

constexpr int first_panel_line = 15;  // screen row of the panel's first text line
constexpr int panel_lines = 9;
constexpr int panel_columns = 63;
constexpr int text_margin = 1;  // the margin every panel passes

struct PlacedCharacter {
  int row;
  char character;
};

// What the game's panel layout writes for `text`: every character with the screen row it lands
// on, in order (the layout positions each character with its own cursor sequence).
std::vector<PlacedCharacter> lay_out(const std::string& text) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* memory = open_memstream(&buffer, &size);
  Console console{nullptr, memory};
  fill_panel_text(console, text, text_margin);
  std::fclose(memory);

  std::vector<PlacedCharacter> placed;
  for (const char* p = buffer; (p = std::strstr(p, "\x1b[")) != nullptr;) {
    int row = 0, column = 0, length = 0;
    if (std::sscanf(p, "\x1b[%d;%dH%n", &row, &column, &length) != 2 || length == 0) break;
    placed.push_back({row, p[length]});
    p += length + 1;
  }
  std::free(buffer);
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
        return row_fault(r, "is cut: a panel shows " + std::to_string(panel_lines) + " lines");
      }
      const PlacedCharacter& shown = placed[next++];
      if (shown.character != c || shown.row != first_panel_line + static_cast<int>(r)) {
        return row_fault(r, "does not land on panel line " + std::to_string(r + 1) +
                                " (a full row before a break leaves an empty line)");
      }
    }
  }
  if (static_cast<int>(rows.size()) > panel_lines) {
    return row_fault(panel_lines,
                     "is cut: a panel shows " + std::to_string(panel_lines) + " lines");
  }
  return "";
}

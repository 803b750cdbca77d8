#include "screen/pages/title_font.h"

#include <array>
#include <string>

#include "screen/geometry.h"
#include "screen/pages/page_lines.h"

namespace quadrivant {

namespace {

constexpr int glyph_height = 5;
constexpr int centre_column = viewport_middle_column;

struct Glyph {
  char letter;
  std::array<std::string_view, glyph_height> rows;
};

// The letters of QUADRIVANT. The narrow I inks only its middle column.
constexpr std::array<Glyph, 9> glyphs = {{
    {'Q', {"###", "# #", "# #", "###", "  #"}},
    {'U', {"# #", "# #", "# #", "# #", "###"}},
    {'A', {"###", "# #", "###", "# #", "# #"}},
    {'D', {"## ", "# #", "# #", "# #", "## "}},
    {'R', {"## ", "# #", "## ", "# #", "# #"}},
    {'I', {" # ", " # ", " # ", " # ", " # "}},
    {'V', {"# #", "# #", "# #", "# #", " # "}},
    {'N', {"# #", "###", "###", "# #", "# #"}},
    {'T', {"###", " # ", " # ", " # ", " # "}},
}};

std::string_view glyph_row_of(char letter, int glyph_row) {
  for (const Glyph& glyph : glyphs) {
    if (glyph.letter == letter) return glyph.rows[glyph_row];
  }
  return "   ";
}

// Row `glyph_row` of `word` in block letters: the glyph rows, blanks included, one blank column
// apart.
std::string block_letter_row(std::string_view word, int glyph_row) {
  std::string row;
  for (char letter : word) {
    if (!row.empty()) row += ' ';
    row += glyph_row_of(letter, glyph_row);
  }
  return row;
}

// A line of n glyphs is 4n - 1 columns wide; its first glyph starts at column 37 - 2n.
int first_column_of(std::string_view word) {
  return centre_column + 1 - 2 * static_cast<int>(word.size());
}

void draw_title_line(Console& console, std::string_view word, int top_row) {
  const int leading_blanks = first_column_of(word) - viewport_first_column;
  for (int glyph_row = 0; glyph_row < glyph_height; ++glyph_row) {
    write_page_line(console, top_row + glyph_row, leading_blanks,
                    block_letter_row(word, glyph_row));
  }
}

}  // namespace

void draw_title(Console& console) {
  draw_title_line(console, title_first_line, 4);
  draw_title_line(console, title_second_line, 10);
}

}  // namespace quadrivant

#include <cstdio>

#include "game/input.h"
#include "screen/panels.h"
#include "screen/shown_character.h"

namespace {

constexpr int first_text_row = 15;
constexpr int last_text_row = 23;

}  // namespace

void fill_panel_text(Console& console, std::string_view text, int margin) {
  const int first_column = margin + 4;
  const int last_column = 68 - margin;
  const int length = stringlen(text);
  int row = first_text_row;
  int column = first_column;
  // A line break asked for on the last row ends the text: there is no row left to show it on.
  for (int i = 0; i < length; ++i) {
    const char c = text[i];
    if (c != '\t') {
      std::fprintf(console.out, "\x1b[%i;%iH%c", row, column, shown_character(c));
      ++column;
      if (column <= last_column) continue;
    }
    if (row == last_text_row) return;
    ++row;
    column = first_column;
  }
}

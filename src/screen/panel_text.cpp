#include <cstdio>

#include "screen/panel_layout.h"
#include "screen/panels.h"
#include "screen/shown_character.h"

void fill_panel_text(Console& console, std::string_view text, int margin) {
  const std::vector<std::string> rows = lay_out_panel_text(text, margin);
  // Every character gets its own cursor position: cells the text does not reach keep what was
  // there.
  for (std::size_t r = 0; r < rows.size(); ++r) {
    int column = panel_text_first_column(margin);
    for (const char c : rows[r]) {
      std::fprintf(console.out, "\x1b[%i;%iH%c", panel_first_text_row + static_cast<int>(r),
                   column++, shown_character(c));
    }
  }
}

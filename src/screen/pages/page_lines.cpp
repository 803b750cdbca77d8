#include "screen/pages/page_lines.h"

#include "screen/geometry.h"
#include "screen/picture/cursor.h"
#include "screen/picture/palette.h"

namespace quadrivant {

void clear_page(Console& console) {
  for (int row = viewport_first_row; row <= viewport_last_row; ++row) {
    move_cursor(console, row, viewport_first_column);
    set_colours(console, black, black);
    write_repeated(console, ' ', viewport_columns);
  }
}

void write_page_line(Console& console, int row, int leading_blanks, std::string_view text) {
  move_cursor(console, row, viewport_first_column);
  set_foreground(console, page_ink);
  write_repeated(console, ' ', leading_blanks);
  write_text(console, text);
}

}  // namespace quadrivant

#include "screen/page_lines.h"

#include <cstdio>

#include "screen/geometry.h"

void clear_page(Console& console) {
  for (int row = viewport_first_row; row <= viewport_last_row; ++row) {
    std::fprintf(console.out, "\x1b[%i;%iH\x1b[48;5;16m\x1b[38;5;16m%*s", row,
                 viewport_first_column, viewport_columns, "");
  }
}

void write_page_line(Console& console, int row, int leading_blanks, std::string_view text) {
  std::fprintf(console.out, "\x1b[%i;%iH\x1b[38;5;228m%*s%.*s", row, viewport_first_column,
               leading_blanks, "", static_cast<int>(text.size()), text.data());
}

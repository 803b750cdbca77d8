#include "screen/page_lines.h"

#include <cstdio>

void clear_page(Console& console) {
  for (int row = 2; row <= 24; ++row) {
    std::fprintf(console.out, "\x1b[%i;2H\x1b[48;5;16m\x1b[38;5;16m%69s", row, "");
  }
}

void write_page_line(Console& console, int row, int leading_blanks, std::string_view text) {
  std::fprintf(console.out, "\x1b[%i;2H\x1b[38;5;228m%*s%.*s", row, leading_blanks, "",
               static_cast<int>(text.size()), text.data());
}

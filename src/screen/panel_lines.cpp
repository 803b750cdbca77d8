#include "screen/panel_lines.h"

#include <cstdio>

namespace {

constexpr const char* panel_colours = "\x1b[48;5;236m\x1b[38;5;43m";

const char* paint_colours(InteriorPaint paint) {
  switch (paint) {
    case InteriorPaint::solved:
      return "\x1b[48;5;36m\x1b[38;5;255m";
    case InteriorPaint::wrong_first_half:
      return "\x1b[48;5;203m\x1b[38;5;16m";
    case InteriorPaint::wrong_second_half:
      return "\x1b[48;5;16m\x1b[38;5;203m";
  }
  return "";
}

void write_hashes(Console& console, int count) {
  for (int i = 0; i < count; ++i) std::fputc('#', console.out);
}

}  // namespace

void write_border_line(Console& console, int row) {
  std::fprintf(console.out, "\x1b[%i;3H%s", row, panel_colours);
  write_hashes(console, 67);
}

void write_middle_line(Console& console, int row) {
  std::fprintf(console.out, "\x1b[%i;3H%s#%65s#", row, panel_colours, "");
}

void write_confirm_line(Console& console, int row) {
  std::fprintf(console.out, "\x1b[%i;3H%s", row, panel_colours);
  write_hashes(console, 53);
  std::fputs("\x1b[38;5;151m[ok]\x1b[38;5;43m", console.out);
  write_hashes(console, 10);
}

void write_bottom_line(Console& console, PanelBottom bottom, int row) {
  if (bottom == PanelBottom::confirm_line) {
    write_confirm_line(console, row);
  } else {
    write_border_line(console, row);
  }
}

void write_panel_rows(Console& console, int top_row, PanelBottom bottom) {
  write_border_line(console, top_row);
  for (int row = 24; row > top_row; --row) write_middle_line(console, row);
  write_bottom_line(console, bottom, 24);
}

void paint_interior(Console& console, InteriorPaint paint) {
  for (int row = 23; row >= 15; --row) {
    std::fprintf(console.out, "\x1b[%i;4H%s%65s", row, paint_colours(paint), "");
  }
}

#include <cstdio>

#include "screen/drawing_step.h"
#include "screen/frame.h"
#include "screen/pages.h"

namespace {

constexpr const char* cover_colours = "\x1b[48;5;235m\x1b[38;5;235m";

void write_cover_cell(Console& console, int row, int column) {
  std::fprintf(console.out, "\x1b[%i;%iH%s ", row, column, cover_colours);
}

void write_cover_row(Console& console, int row) {
  std::fprintf(console.out, "\x1b[%i;2H%s%69s", row, cover_colours, "");
}

}  // namespace

void level_fadeout(Console& console) {
  // The cover closes in from columns 2 and 70; the last frame meets at column 36 from both sides.
  for (int column = 2; column <= 36; ++column) {
    for (int row = 2; row <= 24; ++row) {
      write_cover_cell(console, row, column);
      write_cover_cell(console, row, 72 - column);
      move_cursor_away(console);
    }
    show_step_and_wait(console, 20);
  }
}

void reveal_level(Console& console, const Level& level, View view) {
  // Frame n covers rows 2..n and 26 - n..24, so the map opens outwards from the middle row 13.
  for (int edge = 13; edge >= 2; --edge) {
    draw_map(console, level, view);
    for (int row = edge; row >= 2; --row) {
      write_cover_row(console, row);
      write_cover_row(console, 26 - row);
      move_cursor_away(console);
    }
    show_step_and_wait(console, 70);
  }
}

#include <cstdio>

#include "screen/drawing_step.h"
#include "screen/frame.h"
#include "screen/geometry.h"
#include "screen/pages.h"

namespace {

constexpr const char* cover_colours = "\x1b[48;5;235m\x1b[38;5;235m";

void write_cover_cell(Console& console, int row, int column) {
  std::fprintf(console.out, "\x1b[%i;%iH%s ", row, column, cover_colours);
}

void write_cover_row(Console& console, int row) {
  std::fprintf(console.out, "\x1b[%i;%iH%s%*s", row, viewport_first_column, cover_colours,
               viewport_columns, "");
}

}  // namespace

void level_fadeout(Console& console) {
  // The cover closes in from columns 2 and 70; the last frame meets at column 36 from both sides.
  for (int column = viewport_first_column; column <= home_column; ++column) {
    for (int row = viewport_first_row; row <= viewport_last_row; ++row) {
      write_cover_cell(console, row, column);
      write_cover_cell(console, row, viewport_first_column + viewport_last_column - column);
      move_cursor_away(console);
    }
    show_step_and_wait(console, 20);
  }
}

void reveal_level(Console& console, const Level& level, View view) {
  // Frame n covers rows 2..n and 26 - n..24, so the map opens outwards from the middle row 13.
  for (int edge = home_row; edge >= viewport_first_row; --edge) {
    draw_map(console, level, view);
    for (int row = edge; row >= viewport_first_row; --row) {
      write_cover_row(console, row);
      write_cover_row(console, viewport_first_row + viewport_last_row - row);
      move_cursor_away(console);
    }
    show_step_and_wait(console, 70);
  }
}

#include "screen/pages/transitions.h"

#include "screen/geometry.h"
#include "screen/picture/cursor.h"
#include "screen/picture/frame.h"
#include "screen/picture/palette.h"

namespace quadrivant {

namespace {

// The cover is blank in the frame's background, so the viewport merges with the frame.
void write_cover(Console& console, int row, int column, int width) {
  move_cursor(console, row, column);
  set_colours(console, frame_background, frame_background);
  write_repeated(console, ' ', width);
}

void write_cover_cell(Console& console, int row, int column) {
  write_cover(console, row, column, 1);
}

void write_cover_row(Console& console, int row) {
  write_cover(console, row, viewport_first_column, viewport_columns);
}

}  // namespace

void level_fadeout(Console& console) {
  // The cover closes in from columns 2 and 70; the last frame meets at column 36 from both sides.
  for (int column = viewport_first_column; column <= viewport_middle_column; ++column) {
    for (int row = viewport_first_row; row <= viewport_last_row; ++row) {
      write_cover_cell(console, row, column);
      write_cover_cell(console, row, viewport_first_column + viewport_last_column - column);
      park_cursor(console);
    }
    show_step_and_wait(console, 20);
  }
}

void reveal_level(Console& console, const Level& level, View view) {
  // Frame n covers rows 2..n and 26 - n..24, so the map opens outwards from the middle row 13.
  for (int edge = viewport_middle_row; edge >= viewport_first_row; --edge) {
    draw_map(console, level, view);
    for (int row = edge; row >= viewport_first_row; --row) {
      write_cover_row(console, row);
      write_cover_row(console, viewport_first_row + viewport_last_row - row);
      park_cursor(console);
    }
    show_step_and_wait(console, 70);
  }
}

}  // namespace quadrivant

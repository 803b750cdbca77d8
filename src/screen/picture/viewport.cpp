#include "screen/picture/viewport.h"

#include <algorithm>
#include <cstdio>

#include "screen/picture/cursor.h"
#include "screen/picture/frame.h"
#include "screen/picture/palette.h"
#include "screen/picture/shown_character.h"

namespace quadrivant {

namespace {

// Screen bounds of the viewport.
constexpr int first_row = viewport_first_row;
constexpr int last_row = viewport_last_row;
constexpr int first_column = viewport_first_column;
constexpr int last_column = viewport_last_column;

// The rectangle of screen cells that show map cells, and the map cell at its top-left corner.
// An empty rectangle (top > bottom or left > right) shows no map at all.
struct MapRectangle {
  int top = first_row;
  int bottom = last_row;
  int left = first_column;
  int right = last_column;
  int first_map_row = 0;
  int first_map_column = 0;
};

void write_blank_cell(Console& console, int row, int column) {
  move_cursor(console, row, column);
  set_colours(console, black, black);
  std::fputc(' ', console.out);
}

void write_blank_block(Console& console, int top, int bottom, int left, int right) {
  for (int row = top; row <= bottom; ++row)
    for (int column = left; column <= right; ++column) write_blank_cell(console, row, column);
}

void write_map_cell(Console& console, const Level& level, int map_row, int map_column, int row,
                    int column) {
  move_cursor(console, row, column);
  set_colours(console, level.bg_layer.at(map_column, map_row),
              level.fg_layer.at(map_column, map_row));
  write_shown_character(console.out, level.character(map_column, map_row));
}

// The bands of blank cells go out top, left, right, bottom, each band only where the viewport
// lies beyond that edge of the map. A view far beyond the map (which the level check keeps the
// game from reaching) only widens a band to the whole viewport, so nothing is drawn outside it
// and no cell outside the map is read.
MapRectangle write_blank_bands(Console& console, int width, int height, View view) {
  MapRectangle shown;
  shown.first_map_row = view.y;
  if (view.y < 0) {
    shown.top = std::min(first_row - view.y, last_row + 1);
    shown.first_map_row = 0;
    write_blank_block(console, first_row, shown.top - 1, first_column, last_column);
  }
  shown.first_map_column = view.x;
  if (view.x < 0) {
    shown.left = std::min(first_column - view.x, last_column + 1);
    shown.first_map_column = 0;
    write_blank_block(console, shown.top, last_row, first_column, shown.left - 1);
  }
  if (view.x >= width) {
    shown.right = shown.left - 1;
  } else if (width - view.x < last_column + 1 - shown.left) {
    shown.right = width - view.x + 1;
  }
  write_blank_block(console, shown.top, last_row, shown.right + 1, last_column);
  if (view.y >= height) {
    shown.bottom = shown.top - 1;
  } else if (height - view.y < last_row + 1 - shown.top) {
    shown.bottom = height - view.y + 1;
  }
  write_blank_block(console, shown.bottom + 1, last_row, shown.left, shown.right);
  return shown;
}

void write_map_cells(Console& console, const Level& level, const MapRectangle& shown) {
  for (int row = shown.top; row <= shown.bottom; ++row) {
    for (int column = shown.left; column <= shown.right; ++column) {
      write_map_cell(console, level, shown.first_map_row + (row - shown.top),
                     shown.first_map_column + (column - shown.left), row, column);
    }
  }
}

}  // namespace

void draw_map(Console& console, const Level& level, View view) {
  const MapRectangle shown = write_blank_bands(console, level.width, level.height, view);
  write_map_cells(console, level, shown);
  park_cursor(console);
  end_drawing_step(console);
}

void draw_player(Console& console, int dx, int dy) {
  move_cursor(console, home_row + dy, home_column + dx);
  set_colours(console, marker_background, marker_ink);
  write_text(console, "X");
  park_cursor(console);
  end_drawing_step(console);
}

}  // namespace quadrivant

// The map viewport: the part of a level's map under the 69 x 23 viewport, and the player marker
// that stays in its middle.
#pragma once

#include "level/world.h"
#include "screen/geometry.h"
#include "screen/terminal/console.h"

namespace quadrivant {

// The map cell shown at the viewport's top-left screen cell (row 2, column 2). Either
// coordinate may be negative. The player stands on map cell (x + 34, y + 11), drawn at the home
// cell, row 13, column 36.
struct View {
  int x = 0;
  int y = 0;
  friend bool operator==(const View&, const View&) = default;
};

// The view that shows `player` on the home cell, and the cell a view shows there.
constexpr View view_of(Cell player) {
  return {player.x - home_offset_x, player.y - home_offset_y};
}
constexpr Cell player_of(View view) {
  return {view.x + home_offset_x, view.y + home_offset_y};
}

// Repaints all 69 x 23 viewport cells, each exactly once: map cells in the level's colours and
// characters, black blanks where the viewport lies beyond the map. Parks the cursor and ends the
// drawing step.
// The game keeps the player's cell inside the map; a view further out still draws only inside
// the viewport and reads no cell outside the map (the viewport is then blank where no map shows).
void draw_map(Console& console, const Level& level, View view);

// Draws the player marker, a white 'X' on red, at row 13 + dy, column 36 + dx. Parks the cursor
// and ends the drawing step.
void draw_player(Console& console, int dx, int dy);

}  // namespace quadrivant

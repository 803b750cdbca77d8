// Movement: the path scan that stops a move before the first blocking cell, and the two-phase
// walking animation.
#pragma once

#include "level/map_data.h"
#include "screen/console.h"
#include "screen/viewport.h"

// The most steps one command may take: the walking marker stays inside the viewport, at most 30
// columns left or right of the centre and 10 rows above or below it. The help page shows them.
inline constexpr int max_horizontal_steps = 30;
inline constexpr int max_vertical_steps = 10;

// Scans up to `steps` cells from the player's cell (view.x + 34, view.y + 11) of `level` in
// direction (step_x, step_y) (one of them 0, the other +1 or -1). A cell is passable if its code
// is 0, or 1..49 with its obstruction cleared; a cell beyond the collision layer blocks like
// code 255. Sets `pending_code` to the code of the last cell read (unchanged if none is read)
// and returns the number of passable cells before the first blocking one.
int scan_path(const MapData& map, int level, View view, int step_x, int step_y, int steps,
              int& pending_code);

// Animates a walk of dx columns or, when dx is 0, dy rows, and returns the view after it. First
// the marker walks over the still map (100 ms before each horizontal frame, 150 ms vertical),
// then the map scrolls while the marker returns to the centre (150 ms / 200 ms). A walk of 0
// draws nothing and returns `view`.
View move_player(Console& console, const MapData& map, int level, View view, int dx, int dy);

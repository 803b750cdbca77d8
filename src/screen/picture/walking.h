// The walking animation of a move.
#pragma once

#include "level/world.h"
#include "screen/picture/viewport.h"
#include "screen/terminal/console.h"

namespace quadrivant {

// Animates a walk of dx columns or, when dx is 0, dy rows, on `level` from `view`, and returns
// the view after it. First the marker walks over the still map (100 ms before each horizontal
// frame, 150 ms vertical), then the map scrolls while the marker returns to the centre (150 ms /
// 200 ms). A walk of 0 draws nothing and returns `view`.
View move_player(Console& console, const Level& level, View view, int dx, int dy);

}  // namespace quadrivant

#include "screen/picture/walking.h"

#include <cstdlib>

#include "screen/picture/frame.h"

namespace quadrivant {

namespace {

// One frame of the walk: the map at `view`, the marker `offset` cells from the centre along the
// axis of the move, and the prompt.
void draw_walk_frame(Console& console, const Level& level, View view, bool horizontal, int offset) {
  draw_map(console, level, view);
  draw_player(console, horizontal ? offset : 0, horizontal ? 0 : offset);
  draw_prompt(console);
}

}  // namespace

View move_player(Console& console, const Level& level, View view, int dx, int dy) {
  const bool horizontal = dx != 0;
  const int delta = horizontal ? dx : dy;
  if (delta == 0) return view;
  const int sign = delta > 0 ? 1 : -1, steps = std::abs(delta);
  const int walk_wait = horizontal ? 100 : 150, scroll_wait = horizontal ? 150 : 200;

  // The marker walks over the still map...
  for (int i = 1; i <= steps; ++i) {
    wait_for_next_step(console, walk_wait);
    draw_walk_frame(console, level, view, horizontal, i * sign);
  }
  // ...then the map scrolls under it while it walks back to the centre.
  View moved = view;
  int& moving_coordinate = horizontal ? moved.x : moved.y;
  for (int j = 1; j <= steps; ++j) {
    wait_for_next_step(console, scroll_wait);
    moving_coordinate += sign;
    draw_walk_frame(console, level, moved, horizontal, (steps - j) * sign);
  }
  return moved;
}

}  // namespace quadrivant

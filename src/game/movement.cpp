#include "game/movement.h"

#include <cstdlib>

#include "level/cell_codes.h"
#include "screen/drawing_step.h"
#include "screen/frame.h"

namespace {

// What a scan meets beyond the collision layer's edge: a cell that always blocks.
constexpr int beyond_the_edge = 255;

int code_at(const Matrix& layer, int x, int y) {
  if (y < 0 || y >= static_cast<int>(layer.size())) return beyond_the_edge;
  const std::vector<int>& row = layer[y];
  if (x < 0 || x >= static_cast<int>(row.size())) return beyond_the_edge;
  return row[x];
}

bool is_passable(const MapData& map, int level, int code) {
  switch (cell_kind(code)) {
    case CellKind::free_ground:
      return true;
    case CellKind::obstruction:
      return map.obstructions[level].cleared[entry_index(code)] != 0;
    default:
      return false;
  }
}

// One frame of the walk: the map at `view`, the marker `offset` cells from the centre along the
// axis of the move, and the prompt.
void draw_walk_frame(Console& console, const MapData& map, int level, View view, bool horizontal,
                     int offset) {
  draw_map(console, map, level, view);
  draw_player(console, horizontal ? offset : 0, horizontal ? 0 : offset);
  reset_console(console);
}

}  // namespace

int scan_path(const MapData& map, int level, View view, int step_x, int step_y, int steps,
              int& pending_code) {
  const int px = view.x + 34, py = view.y + 11;
  for (int i = 1; i <= steps; ++i) {
    pending_code = code_at(map.collision_layer[level], px + i * step_x, py + i * step_y);
    if (!is_passable(map, level, pending_code)) return i - 1;
  }
  return steps;
}

View move_player(Console& console, const MapData& map, int level, View view, int dx, int dy) {
  const bool horizontal = dx != 0;
  const int delta = horizontal ? dx : dy;
  if (delta == 0) return view;
  const int sign = delta > 0 ? 1 : -1, steps = std::abs(delta);
  const int walk_wait = horizontal ? 100 : 150, scroll_wait = horizontal ? 150 : 200;

  // The marker walks over the still map...
  for (int i = 1; i <= steps; ++i) {
    wait_for_next_step(console, walk_wait);
    draw_walk_frame(console, map, level, view, horizontal, i * sign);
  }
  // ...then the map scrolls under it while it walks back to the centre.
  View moved = view;
  int& moving_coordinate = horizontal ? moved.x : moved.y;
  for (int j = 1; j <= steps; ++j) {
    wait_for_next_step(console, scroll_wait);
    moving_coordinate += sign;
    draw_walk_frame(console, map, level, moved, horizontal, (steps - j) * sign);
  }
  return moved;
}

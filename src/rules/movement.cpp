#include "rules/movement.h"

#include "level/cell_codes.h"

namespace {

// What a scan meets beyond the collision layer's edge: a cell that always blocks.
constexpr int beyond_the_edge = obstacle_code;

int code_at(const Layer& layer, Cell cell) {
  return layer.contains(cell.x, cell.y) ? layer.at(cell.x, cell.y) : beyond_the_edge;
}

}  // namespace

bool is_passable(const GameState& state, int code) {
  switch (cell_kind(code)) {
    case CellKind::free_ground:
      return true;
    case CellKind::obstruction:
      return state.cleared[static_cast<std::size_t>(state.current_level)]
                          [static_cast<std::size_t>(entry_index(code))];
    default:
      return false;
  }
}

Cell walked(Cell from, const Direction& direction, int steps) {
  return {from.x + steps * direction.step_x, from.y + steps * direction.step_y};
}

Scan scan_path(const World& world, const GameState& state, const Direction& direction, int steps) {
  const Layer& codes = world[static_cast<std::size_t>(state.current_level)].collision_layer;
  Scan scan;
  for (int i = 1; i <= steps; ++i) {
    scan.code = code_at(codes, walked(state.player, direction, i));
    if (!is_passable(state, scan.code)) return scan;
    scan.steps = i;
  }
  return scan;
}

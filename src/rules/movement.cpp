#include "rules/movement.h"

#include "level/cell_codes.h"

namespace quadrivant {

int code_at(const Level& level, Cell cell) {
  return level.contains(cell) ? level.collision_layer.at(cell.x, cell.y) : obstacle_code;
}

bool is_passable(int code, const std::vector<bool>& cleared) {
  switch (cell_kind(code)) {
    case CellKind::free_ground:
      return true;
    case CellKind::obstruction: {
      const auto k = static_cast<std::size_t>(entry_index(code));
      return k < cleared.size() && cleared[k];
    }
    default:
      return false;
  }
}

Cell walked(Cell from, const Direction& direction, int steps) {
  return {from.x + steps * direction.step_x, from.y + steps * direction.step_y};
}

Scan scan_path(const World& world, const GameState& state, const Direction& direction, int steps) {
  const Level& level = current_level_of(world, state);
  const std::vector<bool>& cleared = state.cleared[static_cast<std::size_t>(state.current_level)];
  Scan scan;
  for (int i = 1; i <= steps; ++i) {
    scan.code = code_at(level, walked(state.player, direction, i));
    if (!is_passable(scan.code, cleared)) return scan;
    scan.steps = i;
  }
  return scan;
}

}  // namespace quadrivant

#include "check/reach.h"

#include <deque>

#include "level/cell_codes.h"

namespace {

struct Place {
  std::size_t level;
  Cell cell;
};

class Flood {
 public:
  Flood(const World& world, const GateSet& open) : world_(world), open_(open) {
    for (const Level& level : world) {
      reach_.ground.emplace_back(static_cast<std::size_t>(level.width) * level.height, false);
      reach_.touched.emplace_back();
    }
  }

  Reach run() {
    stand_on(0, start_cell);
    while (!queue_.empty()) {
      const Place place = queue_.front();
      queue_.pop_front();
      for (const Cell step : {Cell{1, 0}, Cell{-1, 0}, Cell{0, 1}, Cell{0, -1}}) {
        visit(place.level, {place.cell.x + step.x, place.cell.y + step.y});
      }
    }
    return std::move(reach_);
  }

 private:
  std::size_t index(std::size_t level, Cell cell) const {
    return static_cast<std::size_t>(cell.y) * static_cast<std::size_t>(world_[level].width) +
           static_cast<std::size_t>(cell.x);
  }

  bool passable(std::size_t level, int code) const {
    const CellKind kind = cell_kind(code);
    return kind == CellKind::free_ground ||
           (kind == CellKind::obstruction &&
            open_[level][static_cast<std::size_t>(entry_index(code))]);
  }

  // The player is put on `cell` (the start, or a door's target), whatever it holds.
  void stand_on(std::size_t level, Cell cell) {
    if (level >= world_.size() || !world_[level].contains(cell.x, cell.y)) return;
    if (reach_.ground[level][index(level, cell)]) return;
    reach_.ground[level][index(level, cell)] = true;
    queue_.push_back({level, cell});
  }

  void visit(std::size_t level, Cell cell) {
    const Level& map = world_[level];
    // Beyond the map a walk meets what blocks it like an obstacle.
    if (!map.contains(cell.x, cell.y) || reach_.ground[level][index(level, cell)]) return;
    const int code = map.collision_layer.at(cell.x, cell.y);
    if (passable(level, code)) return stand_on(level, cell);
    // A door leads on the first time it is walked into.
    if (!reach_.touched[level].emplace(code, cell).second) return;
    if (cell_kind(code) == CellKind::room_transition) {
      const RoomTransition& target = map.transitions[static_cast<std::size_t>(entry_index(code))];
      stand_on(static_cast<std::size_t>(target.level), {target.x, target.y});
    }
  }

  const World& world_;
  const GateSet& open_;
  Reach reach_;
  std::deque<Place> queue_;
};

int solvable_problems(const World& world, const Reach& reach) {
  int solvable = 0;
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (const auto& [code, cell] : reach.touched[level]) {
      if (cell_kind(code) != CellKind::problem) continue;
      const Problem& problem = world[level].problems[static_cast<std::size_t>(entry_index(code))];
      solvable += answer_can_be_typed(problem) ? 1 : 0;
    }
  }
  return solvable;
}

// Opens every gate whose information entry is in reach and needs at most `solvable`; true if any
// gate opened that was closed.
bool open_gates(const World& world, const Reach& reach, int solvable, GateSet& open) {
  bool opened = false;
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (const auto& [code, cell] : reach.touched[level]) {
      if (cell_kind(code) != CellKind::information) continue;
      const int k = entry_index(code);
      const auto gate = static_cast<std::size_t>(gate_of_information(k));
      if (world[level].infos[static_cast<std::size_t>(k)].required > solvable ||
          open[level][gate]) {
        continue;
      }
      open[level][gate] = true;
      opened = true;
    }
  }
  return opened;
}

}  // namespace

Reach explore(const World& world, const GateSet& open) {
  return Flood(world, open).run();
}

GateSet closed_gates(const World& world) {
  GateSet gates;
  for (const Level& level : world) gates.emplace_back(level.obstructions.size(), false);
  return gates;
}

Opening open_what_can_be_opened(const World& world) {
  Opening opening{closed_gates(world), {}, 0};
  do {
    opening.reach = explore(world, opening.open);
    opening.solvable = solvable_problems(world, opening.reach);
  } while (open_gates(world, opening.reach, opening.solvable, opening.open));
  return opening;
}

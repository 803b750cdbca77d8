#include "checker/reach.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <queue>
#include <utility>

#include "level/cell_codes.h"
#include "rules/answers.h"
#include "rules/game_state.h"
#include "rules/gates.h"
#include "rules/movement.h"

namespace quadrivant {

namespace {

struct Place {
  std::size_t level;
  Cell cell;
};

constexpr Cell steps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

class Flood {
 public:
  // With `opens_gates`, gates open as the problems in reach allow, though never more than
  // `most_solved` of them count; without, only `open` is open.
  Flood(const World& world, GateSet open, bool opens_gates, int most_solved)
      : world_(world),
        open_(std::move(open)),
        opens_gates_(opens_gates),
        most_solved_(most_solved) {
    for (const Level& level : world) {
      reach_.ground.emplace_back(static_cast<std::size_t>(level.width) * level.height, false);
      reach_.touched.emplace_back();
      waiting_.emplace_back(level.obstructions.size());
    }
  }

  Opening run() {
    stand_on(0, start_cell);
    do {
      spread();
    } while (open_gates_now_in_reach());
    return {std::move(open_), std::move(reach_), solvable_};
  }

 private:
  std::size_t index(std::size_t level, Cell cell) const {
    return static_cast<std::size_t>(cell.y) * static_cast<std::size_t>(world_[level].width) +
           static_cast<std::size_t>(cell.x);
  }

  // Goes on from every place in the queue until the ground in reach is all found.
  void spread() {
    while (!queue_.empty()) {
      const Place place = queue_.front();
      queue_.pop_front();
      for (const Cell step : steps) {
        visit(place.level, {place.cell.x + step.x, place.cell.y + step.y});
      }
    }
  }

  // The player is put on `cell` (the start, or a door's target), whatever it holds.
  void stand_on(std::size_t level, Cell cell) {
    if (level >= world_.size() || !world_[level].contains(cell)) return;
    if (reach_.ground[level][index(level, cell)]) return;
    reach_.ground[level][index(level, cell)] = true;
    queue_.push_back({level, cell});
  }

  void visit(std::size_t level, Cell cell) {
    const Level& map = world_[level];
    // Beyond the map a walk meets what blocks it like an obstacle: nothing to reach there.
    if (!map.contains(cell) || reach_.ground[level][index(level, cell)]) return;
    const int code = code_at(map, cell);
    if (is_passable(code, open_[level])) return stand_on(level, cell);
    if (cell_kind(code) == CellKind::obstruction) {
      // A closed gate: the flood goes on from here if it opens.
      waiting_[level][static_cast<std::size_t>(entry_index(code))].push_back(cell);
    }
    // Every other kind meets the player once: a door leads on the first time it is walked into.
    if (!reach_.touched[level].emplace(code, cell).second) return;
    touch(level, code);
  }

  void touch(std::size_t level, int code) {
    const auto k = static_cast<std::size_t>(entry_index(code));
    switch (cell_kind(code)) {
      case CellKind::room_transition: {
        const RoomTransition& target = world_[level].transitions[k];
        stand_on(static_cast<std::size_t>(target.level), {target.x, target.y});
        break;
      }
      case CellKind::problem:
        if (answer_can_be_typed(world_[level].problems[k].answer)) ++solvable_;
        break;
      case CellKind::information:
        infos_in_reach_.push({world_[level].infos[k].required, {level, k}});
        break;
      default:
        break;
    }
  }

  // Opens the gate of every information entry in reach that unlocks with the problems solvable
  // now, and goes on from the cells of those gates that the flood has met; true if any opened.
  bool open_gates_now_in_reach() {
    bool opened = false;
    while (opens_gates_ && !infos_in_reach_.empty()) {
      const auto& [required, entry] = infos_in_reach_.top();
      const auto [level, k] = entry;
      if (!unlocks(world_[level].infos[k], std::min(solvable_, most_solved_))) break;
      infos_in_reach_.pop();
      const auto gate = static_cast<std::size_t>(gate_of_information(static_cast<int>(k)));
      if (open_[level][gate]) continue;
      open_[level][gate] = true;
      opened = true;
      for (const Cell cell : waiting_[level][gate]) stand_on(level, cell);
      waiting_[level][gate].clear();
    }
    return opened;
  }

  const World& world_;
  GateSet open_;
  const bool opens_gates_;
  const int most_solved_;
  Reach reach_;
  int solvable_ = 0;
  std::deque<Place> queue_;
  // [level][gate]: cells of that closed gate next to ground in reach.
  std::vector<std::vector<std::vector<Cell>>> waiting_;
  // The information entries met, fewest problems required first.
  using Entry = std::pair<int, std::pair<std::size_t, std::size_t>>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> infos_in_reach_;
};

}  // namespace

GateSet closed_gates(const World& world) {
  GateSet gates;
  for (const Level& level : world) gates.emplace_back(level.obstructions.size(), false);
  return gates;
}

Reach explore(const World& world, const GateSet& open) {
  return Flood(world, open, false, 0).run().reach;
}

Opening open_what_can_be_opened(const World& world, int most_solved) {
  return Flood(world, closed_gates(world), true, most_solved).run();
}

}  // namespace quadrivant

#include "world_reach.h"

#include <deque>
#include <string>

#include "level/cell_codes.h"
#include "world_source.h"

namespace {

struct Place {
  int level;
  Cell cell;
};

bool passable(const World& world, GateRule open, int level, int code) {
  const CellKind kind = cell_kind(code);
  return kind == CellKind::free_ground ||
         (kind == CellKind::obstruction && open(world, level, entry_index(code)));
}

std::string cell_name(const BuiltWorld& world, int level, Cell c) {
  return "level " + world.level_names[level] + ", cell (" + std::to_string(c.x) + ", " +
         std::to_string(c.y) + ")";
}

int total_problems(const World& world) {
  int total = 0;
  for (const Level& level : world) total += static_cast<int>(level.problems.size());
  return total;
}

std::vector<std::pair<int, Cell>> start_and_door_targets(const BuiltWorld& world) {
  std::vector<std::pair<int, Cell>> origins{{0, start_cell}};
  for (const Level& level : world.levels) {
    for (const RoomTransition& t : level.transitions) origins.push_back({t.level, {t.x, t.y}});
  }
  return origins;
}

void check_origins_on_ground(const BuiltWorld& world,
                             const std::vector<std::pair<int, Cell>>& origins) {
  for (const auto& [level, cell] : origins) {
    if (world.levels[level].collision_layer.at(cell.x, cell.y) != free_ground_code) {
      throw SourceError(cell_name(world, level, cell) +
                        ": the player is placed here, so it must be free ground");
    }
  }
}

void check_enclosed(const BuiltWorld& world, const Reach& reach) {
  for (std::size_t level = 0; level < reach.ground.size(); ++level) {
    const int width = world.levels[level].width, height = world.levels[level].height;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (reach.ground[level][y][x] && (x == 0 || y == 0 || x == width - 1 || y == height - 1)) {
          throw SourceError(cell_name(world, static_cast<int>(level), {x, y}) +
                            ": reachable ground touches the map's edge; enclose it with cells "
                            "that always block");
        }
      }
    }
  }
}

// Every problem, information entry and the finish can be walked into.
void check_all_touched(const BuiltWorld& world, const Reach& reach) {
  bool finish_seen = false;
  for (std::size_t level = 0; level < reach.touched.size(); ++level) {
    const Level& map = world.levels[level];
    for (std::size_t k = 0; k < map.problems.size(); ++k) {
      if (!reach.touched[level].count(problem_code(static_cast<int>(k)))) {
        throw SourceError("level " + world.level_names[level] + ": problem " + std::to_string(k) +
                          " can never be walked into");
      }
    }
    for (std::size_t k = 0; k < map.infos.size(); ++k) {
      if (!reach.touched[level].count(information_code(static_cast<int>(k)))) {
        throw SourceError("level " + world.level_names[level] + ": information entry " +
                          std::to_string(k) + " can never be walked into");
      }
    }
    finish_seen = finish_seen || reach.touched[level].count(finish_code);
  }
  if (!finish_seen) throw SourceError("the finish can never be walked into");
}

// The gates as a player finds them with `solved` problems solved: every gate whose entry needs at
// most that many is open.
GateRule gates_open_at(int solved) {
  return [solved](const World& world, int level, int entry) {
    return gate_can_open(world, level, entry) && world[level].infos[entry].required <= solved;
  };
}

struct Progress {
  int problems_in_reach = 0;
  bool finish_in_reach = false;
};

Progress progress_at(const BuiltWorld& world, int solved) {
  const Reach reach = explore(world, {{0, start_cell}}, gates_open_at(solved), true);
  Progress progress;
  for (const std::set<int>& touched : reach.touched) {
    for (const int code : touched) {
      progress.problems_in_reach += cell_kind(code) == CellKind::problem;
      progress.finish_in_reach = progress.finish_in_reach || code == finish_code;
    }
  }
  return progress;
}

// The finish needs some problems, but fewer than the world holds, and a player who solves every
// problem in reach gets there: each round opens the gates that the problems solved so far open.
void check_finish_needs_some_problems(const BuiltWorld& world) {
  const int total = total_problems(world.levels);
  if (progress_at(world, 0).finish_in_reach) {
    throw SourceError(
        "the finish can be walked into before any problem is solved; guard it with a gate whose "
        "entry needs some");
  }
  if (!progress_at(world, total - 1).finish_in_reach) {
    throw SourceError("the finish needs every problem of the world (" + std::to_string(total) +
                      "); let its gate need fewer, so that not every problem is needed");
  }
  for (int solved = 0;;) {
    const Progress progress = progress_at(world, solved);
    if (progress.finish_in_reach) return;
    if (progress.problems_in_reach <= solved) {
      throw SourceError("with the " + std::to_string(solved) +
                        " problems in reach solved, no gate opens the way to the finish");
    }
    solved = progress.problems_in_reach;
  }
}

}  // namespace

bool gate_can_open(const World& world, int level, int entry) {
  return entry < static_cast<int>(world[level].infos.size());
}

Reach explore(const BuiltWorld& world, const std::vector<std::pair<int, Cell>>& origins,
              GateRule open, bool follow_doors) {
  Reach reach;
  for (const Level& level : world.levels) {
    reach.ground.emplace_back(level.height, std::vector<char>(level.width, 0));
    reach.touched.emplace_back();
  }
  std::deque<Place> queue;
  auto visit = [&](int level, Cell c) {
    const Level& map = world.levels[level];
    if (!map.contains(c.x, c.y) || reach.ground[level][c.y][c.x]) return;
    const int code = map.collision_layer.at(c.x, c.y);
    if (!passable(world.levels, open, level, code)) {
      // A door leads on the first time it is walked into; its target is then queued once.
      const bool first_touch = reach.touched[level].insert(code).second;
      if (first_touch && follow_doors && cell_kind(code) == CellKind::room_transition) {
        const RoomTransition& t = map.transitions[entry_index(code)];
        queue.push_back({t.level, {t.x, t.y}});
      }
      return;
    }
    reach.ground[level][c.y][c.x] = 1;
    queue.push_back({level, c});
  };
  for (const auto& [level, cell] : origins) visit(level, cell);
  while (!queue.empty()) {
    const Place p = queue.front();
    queue.pop_front();
    // A door's target arrives unvisited: visiting it queues it again if it is ground.
    if (!reach.ground[p.level][p.cell.y][p.cell.x]) {
      visit(p.level, p.cell);
      continue;
    }
    for (const Cell step : {Cell{1, 0}, Cell{-1, 0}, Cell{0, 1}, Cell{0, -1}}) {
      visit(p.level, {p.cell.x + step.x, p.cell.y + step.y});
    }
  }
  return reach;
}

void check_world_reach(const BuiltWorld& world) {
  const std::vector<std::pair<int, Cell>> origins = start_and_door_targets(world);
  check_origins_on_ground(world, origins);
  check_enclosed(world, explore(world, origins, gate_can_open, false));
  check_all_touched(world, explore(world, {{0, start_cell}}, gate_can_open, true));
  check_finish_needs_some_problems(world);
}

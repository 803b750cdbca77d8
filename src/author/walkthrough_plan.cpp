#include "author/walkthrough_plan.h"

#include <algorithm>
#include <optional>
#include <queue>

#include "base/failure.h"
#include "base/text.h"
#include "level/cell_codes.h"
#include "rules/cell_events.h"
#include "rules/commands.h"
#include "rules/movement.h"

namespace quadrivant {

namespace {

// A command costs far more than a step: fewest commands first, then the shortest walk.
constexpr long long command_cost = 1000;

struct Move {
  int direction;  // into `directions`
  int steps;
};

// The command a player types for `move`, in the short words.
std::string command(Move move) {
  return std::string(directions[move.direction].short_word) + " " + std::to_string(move.steps);
}

[[noreturn]] void fail_goal(const WorldSource& source, const RouteGoal& goal,
                            const std::string& what) {
  refuse_source(source.route_path, goal.line, what);
}

// The cheapest commands from where the player stands to a move whose scan stops at a cell of
// `targets`; the last command is that move.
struct Walk {
  std::vector<Move> moves;
  bool found = false;
};

Walk find_walk(const World& world, const GameState& state, const std::vector<Cell>& targets) {
  const Level& map = world[state.current_level];
  const int width = map.width;
  const int cells = width * map.height;
  auto index = [width](Cell c) { return c.y * width + c.x; };
  auto is_target = [&targets](Cell c) {
    return std::find(targets.begin(), targets.end(), c) != targets.end();
  };
  // The player as if standing on each cell the search reaches, with the gates as they are.
  GameState probe = state;

  std::vector<long long> cost(cells, -1);
  std::vector<int> came_from(cells, -1);
  std::vector<Move> move_in(cells);
  long long best = -1;
  int best_cell = -1;
  Move best_bump{};
  using Entry = std::pair<long long, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  cost[index(state.player)] = 0;
  queue.push({0, index(state.player)});
  while (!queue.empty()) {
    const auto [here_cost, here] = queue.top();
    queue.pop();
    if (here_cost != cost[here] || (best >= 0 && here_cost >= best)) continue;
    probe.player = Cell{here % width, here / width};
    for (int d = 0; d < static_cast<int>(directions.size()); ++d) {
      const Direction& dir = directions[d];
      const int free = scan_path(world, probe, dir, dir.maximum).steps;
      if (free < dir.maximum && is_target(walked(probe.player, dir, free + 1))) {
        const long long total = here_cost + command_cost + free;
        if (best < 0 || total < best) best = total, best_cell = here, best_bump = {d, free + 1};
      }
      for (int n = 1; n <= free; ++n) {
        const int next = index(walked(probe.player, dir, n));
        const long long total = here_cost + command_cost + n;
        if (cost[next] >= 0 && cost[next] <= total) continue;
        cost[next] = total;
        came_from[next] = here;
        move_in[next] = {d, n};
        queue.push({total, next});
      }
    }
  }
  Walk walk;
  if (best < 0) return walk;
  walk.found = true;
  walk.moves.push_back(best_bump);
  for (int at = best_cell; came_from[at] >= 0; at = came_from[at])
    walk.moves.push_back(move_in[at]);
  std::reverse(walk.moves.begin(), walk.moves.end());
  return walk;
}

// The lines a player types once the event of `code` has met them: for a problem asked, its
// answer (which the rules then judge); then an empty line for every panel or page that waits for
// confirmation; nothing for a walk that met nothing or a door. No lines at all (nullopt) if a
// problem refuses its own answer: the event then did not read the expected lines.
std::optional<std::vector<std::string>> play_event(const World& world, GameState& state, int code) {
  const CellEvent event = touch_cell(world, state, code);
  switch (event.kind) {
    case CellEventKind::nothing:
    case CellEventKind::change_level:
      return std::vector<std::string>{};
    case CellEventKind::ask_problem: {
      const std::string answer =
          std::to_string(world[state.current_level].problems[event.problem].answer);
      if (!answer_problem(world, state, event.problem, answer)) return std::nullopt;
      return std::vector<std::string>{answer, ""};
    }
    case CellEventKind::show_text:
    case CellEventKind::finish:
      return std::vector<std::string>{""};
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::string> plan_walkthrough(const BuiltWorld& world, const WorldSource& source) {
  GameState state(world.levels);
  std::vector<std::string> lines;
  for (const RouteGoal& goal : source.route) {
    if (!state.running) fail_goal(source, goal, "the game is already won");
    const int level = find_level(world, goal.level);
    if (level != state.current_level) {
      fail_goal(source, goal,
                "the player is on level " + world.level_names[state.current_level] + ", not " +
                    goal.level);
    }
    const auto targets = world.cells_of[level].find(goal.marker);
    if (targets == world.cells_of[level].end()) {
      fail_goal(source, goal, "level " + goal.level + " has no character " + quoted(goal.marker));
    }
    const Walk walk = find_walk(world.levels, state, targets->second);
    if (!walk.found) {
      fail_goal(source, goal,
                "no walk leads to " + quoted(goal.marker) +
                    " from where the player stands, with the gates open so far");
    }
    int code = free_ground_code;
    for (const Move& move : walk.moves) {
      lines.push_back(command(move));
      const Direction& dir = directions[move.direction];
      const Scan scan = scan_path(world.levels, state, dir, move.steps);
      state.player = walked(state.player, dir, scan.steps);
      code = scan.code;
    }
    const auto replies = play_event(world.levels, state, code);
    if (!replies) fail_goal(source, goal, "the event did not read the expected lines");
    lines.insert(lines.end(), replies->begin(), replies->end());
  }
  if (state.running) {
    throw Failure(printable(source.route_path) + ": the route ends before the finish\n");
  }
  return lines;
}

}  // namespace quadrivant

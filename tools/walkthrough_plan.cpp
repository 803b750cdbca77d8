#include "walkthrough_plan.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <queue>

#include "game/events.h"
#include "game/game_state.h"
#include "game/movement.h"
#include "level/cell_codes.h"

namespace {

struct Direction {
  const char* word;
  int step_x;
  int step_y;
  int most_steps;
};

constexpr Direction directions[] = {
    {"r", 1, 0, 30}, {"l", -1, 0, 30}, {"d", 0, 1, 10}, {"u", 0, -1, 10}};

// A command costs far more than a step: fewest commands first, then the shortest walk.
constexpr long long command_cost = 1000;

struct Move {
  int direction;
  int steps;
};

View view_of(Cell player) {
  return {player.x - 34, player.y - 11};
}
Cell player_of(View view) {
  return {view.x + 34, view.y + 11};
}

std::string command(Move move) {
  return std::string(directions[move.direction].word) + " " + std::to_string(move.steps);
}

[[noreturn]] void fail_goal(const WorldSource& source, const RouteGoal& goal,
                            const std::string& what) {
  throw SourceError(source.route_path + ":" + std::to_string(goal.line) + ": " + what);
}

// The cheapest commands from `from` to a move whose scan stops at a cell of `targets`; the last
// command is that move.
struct Walk {
  std::vector<Move> moves;
  bool found = false;
};

Walk find_walk(const MapData& map, int level, Cell from, const std::vector<Cell>& targets) {
  const int width = map.width[level];
  const int cells = width * map.height[level];
  auto index = [width](Cell c) { return c.y * width + c.x; };
  auto is_target = [&targets](Cell c) {
    for (const Cell t : targets) {
      if (t.x == c.x && t.y == c.y) return true;
    }
    return false;
  };

  std::vector<long long> cost(cells, -1);
  std::vector<int> came_from(cells, -1);
  std::vector<Move> move_in(cells);
  long long best = -1;
  int best_cell = -1;
  Move best_bump{};
  using Entry = std::pair<long long, int>;
  std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> queue;
  cost[index(from)] = 0;
  queue.push({0, index(from)});
  while (!queue.empty()) {
    const auto [here_cost, here] = queue.top();
    queue.pop();
    if (here_cost != cost[here] || (best >= 0 && here_cost >= best)) continue;
    const Cell cell{here % width, here / width};
    for (int d = 0; d < 4; ++d) {
      const Direction& dir = directions[d];
      int code = 0;
      const int free =
          scan_path(map, level, view_of(cell), dir.step_x, dir.step_y, dir.most_steps, code);
      const Cell bumped{cell.x + (free + 1) * dir.step_x, cell.y + (free + 1) * dir.step_y};
      if (free < dir.most_steps && is_target(bumped)) {
        const long long total = here_cost + command_cost + free;
        if (best < 0 || total < best) best = total, best_cell = here, best_bump = {d, free + 1};
      }
      for (int n = 1; n <= free; ++n) {
        const int next = index({cell.x + n * dir.step_x, cell.y + n * dir.step_y});
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

// The lines a player types for the event of `code`: the answer to an unsolved problem, then an
// empty line for every panel or page that waits for confirmation; nothing for a door.
std::vector<std::string> replies_to(const MapData& map, const GameState& state, int code) {
  switch (cell_kind(code)) {
    case CellKind::free_ground:
    case CellKind::room_transition:
      return {};
    case CellKind::problem: {
      const DialogueTable& problems = map.problems[state.current_level];
      const int k = entry_index(code);
      if (problems.flag[k]) return {""};
      return {std::to_string(problems.number[k]), ""};
    }
    case CellKind::obstruction:
      return map.obstructions[state.current_level].cleared[entry_index(code)]
                 ? std::vector<std::string>{}
                 : std::vector<std::string>{""};
    default:
      return {""};
  }
}

// Plays the event of `code` with the game's own rules, feeding it `replies`; true if the event
// read exactly those lines (a read past them would meet the end of the input).
bool play_event(MapData& map, GameState& state, int code, const std::vector<std::string>& replies) {
  std::string input;
  for (const std::string& line : replies) input += line + "\n";
  std::FILE* in =
      input.empty() ? std::fopen("/dev/null", "r") : fmemopen(input.data(), input.size(), "r");
  std::FILE* out = std::fopen("/dev/null", "w");
  if (in == nullptr || out == nullptr) std::abort();
  Console console{in, out};
  handle_collision(console, map, state, code);
  const bool exact = std::ftell(in) == static_cast<long>(input.size()) && !std::feof(in);
  std::fclose(in);
  std::fclose(out);
  return exact;
}

std::string unsolved_problem(const BuiltWorld& world, const MapData& map) {
  for (int level = 0; level < level_count(map); ++level) {
    for (std::size_t k = 0; k < map.problems[level].flag.size(); ++k) {
      if (!map.problems[level].flag[k]) {
        return "problem " + std::to_string(k) + " of level " + world.level_names[level];
      }
    }
  }
  return "";
}

}  // namespace

std::vector<std::string> plan_walkthrough(const BuiltWorld& world, const WorldSource& source) {
  MapData map = world.map;
  GameState state;
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
      fail_goal(source, goal,
                std::string("level ") + goal.level + " has no character '" + goal.marker + "'");
    }
    const Walk walk = find_walk(map, level, player_of(state.view), targets->second);
    if (!walk.found) fail_goal(source, goal, "no walk leads there from where the player stands");
    for (const Move& move : walk.moves) {
      lines.push_back(command(move));
      const Direction& dir = directions[move.direction];
      state.pending_code = 0;
      const int free =
          scan_path(map, level, state.view, dir.step_x, dir.step_y, move.steps, state.pending_code);
      state.view.x += free * dir.step_x;
      state.view.y += free * dir.step_y;
    }
    const int code = state.pending_code;
    const std::vector<std::string> replies = replies_to(map, state, code);
    if (!play_event(map, state, code, replies)) {
      fail_goal(source, goal, "the event did not read the expected lines");
    }
    lines.insert(lines.end(), replies.begin(), replies.end());
  }
  if (state.running) throw SourceError(source.route_path + ": the route ends before the finish");
  const std::string unsolved = unsolved_problem(world, map);
  if (!unsolved.empty())
    throw SourceError(source.route_path + ": the route leaves " + unsolved + " unsolved");
  return lines;
}

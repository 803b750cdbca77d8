#include "world_reach.h"

#include <string>

#include "check/reach.h"
#include "check/world_checks.h"
#include "level/cell_codes.h"
#include "world_source.h"

namespace {

int total_problems(const World& world) {
  int total = 0;
  for (const Level& level : world) total += static_cast<int>(level.problems.size());
  return total;
}

// The gates as a player finds them with `solved` problems solved: every gate whose information
// entry needs at most that many is open.
GateSet gates_open_at(const World& world, int solved) {
  GateSet open = closed_gates(world);
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (std::size_t k = 0; k < world[level].infos.size(); ++k) {
      const auto gate = static_cast<std::size_t>(gate_of_information(static_cast<int>(k)));
      if (gate < open[level].size()) open[level][gate] = world[level].infos[k].required <= solved;
    }
  }
  return open;
}

struct Progress {
  int problems_in_reach = 0;
  bool finish_in_reach = false;
};

Progress progress_at(const World& world, int solved) {
  const Reach reach = explore(world, gates_open_at(world, solved));
  Progress progress;
  for (const auto& touched : reach.touched) {
    for (const auto& [code, cell] : touched) {
      progress.problems_in_reach += cell_kind(code) == CellKind::problem;
      progress.finish_in_reach = progress.finish_in_reach || code == finish_code;
    }
  }
  return progress;
}

// The finish needs some problems, but fewer than the world holds, and a player who solves every
// problem in reach gets there: each round opens the gates that the problems solved so far open.
void check_finish_needs_some_problems(const World& world) {
  const int total = total_problems(world);
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

void check_world_reach(const BuiltWorld& world, const Manifest& manifest) {
  // The shipped world is held to everything the checker finds, warnings included.
  const Findings findings = play_findings(world.levels, manifest, manifest_name);
  if (!findings.empty()) throw SourceError(finding_line(findings.front()));
  check_finish_needs_some_problems(world.levels);
}

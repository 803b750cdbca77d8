#include "author/world_reach.h"

#include <string>

#include "base/failure.h"
#include "checker/reach.h"
#include "checker/world_checks.h"
#include "level/cell_codes.h"
#include "rules/gates.h"

namespace quadrivant {

namespace {

// The gates as a player finds them with `solved` problems solved: every gate whose information
// entry unlocks with that many is open.
GateSet gates_open_at(const World& world, int solved) {
  GateSet open = closed_gates(world);
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (std::size_t k = 0; k < world[level].infos.size(); ++k) {
      const auto gate = static_cast<std::size_t>(gate_of_information(static_cast<int>(k)));
      if (gate < open[level].size()) open[level][gate] = unlocks(world[level].infos[k], solved);
    }
  }
  return open;
}

bool finish_in_reach(const World& world, int solved) {
  const Reach reach = explore(world, gates_open_at(world, solved));
  for (const auto& touched : reach.touched) {
    if (touched.count(finish_code)) return true;
  }
  return false;
}

// The finish needs some problems, but fewer than the world holds. (That a player who solves the
// problems in reach, gate by gate, gets there at all is the checker's rule.)
void check_finish_needs_some_problems(const World& world) {
  const int total = problem_count(world);
  if (finish_in_reach(world, 0)) {
    throw Failure(
        "the finish can be walked into before any problem is solved; guard it with a gate whose "
        "entry needs some\n");
  }
  if (!finish_in_reach(world, total - 1)) {
    throw Failure("the finish needs every problem of the world (" + std::to_string(total) +
                  "); let its gate need fewer, so that not every problem is needed\n");
  }
}

}  // namespace

void check_world_reach(const BuiltWorld& world, const Manifest& manifest) {
  // The shipped world is held to everything the checker finds, warnings included.
  const Findings findings = play_findings(world.levels, manifest, manifest_name);
  if (!findings.empty()) throw Failure(finding_line(findings.front()) + "\n");
  check_finish_needs_some_problems(world.levels);
}

}  // namespace quadrivant

#include "author/world_reach.h"

#include <string>

#include "base/failure.h"
#include "checker/reach.h"
#include "checker/world_checks.h"
#include "level/cell_codes.h"
#include "rules/gates.h"

namespace quadrivant {

namespace {

bool finish_in_reach(const World& world, int solved) {
  const Reach reach = open_what_can_be_opened(world, solved).reach;
  for (const auto& touched : reach.touched) {
    if (touched.count(finish_code)) return true;
  }
  return false;
}

// The finish needs fewer problems than the world holds. (That a player who solves the problems in
// reach, gate by gate, gets there at all, and that it needs some, are the checker's rules.)
void check_finish_needs_some_problems(const World& world) {
  const int total = problem_count(world);
  if (!finish_in_reach(world, total - 1)) {
    throw Failure("the finish needs every problem of the world (" + std::to_string(total) +
                  "); let its gate need fewer, so that not every problem is needed\n");
  }
}

}  // namespace

void check_world_reach(const BuiltWorld& world, const Manifest& manifest) {
  // The shipped world is held to everything the checker finds, warnings included.
  const Findings findings = play_findings(world.levels);
  if (!findings.empty()) {
    const Finding& first = findings.front();
    throw Failure(finding_line(first, world_file_place(first.where, manifest, manifest_name)) +
                  "\n");
  }
  check_finish_needs_some_problems(world.levels);
}

}  // namespace quadrivant

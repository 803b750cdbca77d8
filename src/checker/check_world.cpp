#include "checker/check_world.h"

#include "checker/character_checks.h"
#include "checker/world_checks.h"
#include "checker/world_reading.h"

namespace quadrivant {

Findings check_world(const std::string& directory) {
  Findings findings;
  const WorldRead read = read_world_for_check(directory, findings);
  if (!read.complete) return findings;
  Findings cells = unplayable_cell_findings(read.world, read.manifest, most_cell_findings);
  const bool plays = cells.empty();
  findings.insert(findings.end(), cells.begin(), cells.end());
  // Characters that cannot show in a cell of their own, whether or not the world plays.
  Findings characters = character_findings(read.world, read.manifest, most_cell_findings);
  findings.insert(findings.end(), characters.begin(), characters.end());
  // Play follows the cell codes, which must name what the level holds.
  if (plays) {
    Findings play = play_findings(read.world, read.manifest, manifest_path(directory));
    findings.insert(findings.end(), play.begin(), play.end());
  }
  return findings;
}

}  // namespace quadrivant

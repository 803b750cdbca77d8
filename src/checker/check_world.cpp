#include "checker/check_world.h"

#include "checker/character_checks.h"
#include "checker/world_checks.h"
#include "checker/world_reading.h"

namespace quadrivant {

WorldCheck check_world(const std::string& directory) {
  WorldCheck check;
  check.manifest_file = manifest_path(directory);
  Findings& findings = check.findings;
  WorldRead read = read_world_for_check(directory, findings);
  check.manifest = std::move(read.manifest);
  if (!read.complete) return check;
  Findings cells = unplayable_cell_findings(read.world, most_cell_findings);
  const bool plays = cells.empty();
  findings.insert(findings.end(), cells.begin(), cells.end());
  // Characters that cannot show in a cell of their own, whether or not the world plays.
  Findings characters = character_findings(read.world, most_cell_findings);
  findings.insert(findings.end(), characters.begin(), characters.end());
  // Play follows the cell codes, which must name what the level holds.
  if (plays) {
    Findings play = play_findings(read.world);
    findings.insert(findings.end(), play.begin(), play.end());
  }
  return check;
}

std::string checker_line(const Finding& finding, const WorldCheck& check) {
  return finding_line(finding,
                      world_file_place(finding.where, check.manifest, check.manifest_file));
}

}  // namespace quadrivant

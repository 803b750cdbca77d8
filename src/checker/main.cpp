// quadrivant-check [--warnings-ok] [WORLD_DIR]: the level author's checker. Reads the world in
// WORLD_DIR (or the working directory) with the game's own readers, load-time check and rules,
// prints every finding, one a line, and a count; exits 0 for a sound world, 1 when anything is
// wrong (warnings too, unless --warnings-ok), 2 for a wrong command line.
#include <cstdio>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/entry.h"
#include "base/failure.h"
#include "base/text.h"
#include "checker/check_world.h"
#include "level/world_directory.h"

namespace quadrivant {

namespace {

const CommandLineForm command_line_form{
    "quadrivant-check",
    "usage: quadrivant-check [--warnings-ok] [WORLD_DIR]\n"
    "Checks the quadrivant world whose manifest.txt stands in WORLD_DIR (default: the working\n"
    "directory) and names every fault: each file the game would refuse, and what a player would\n"
    "meet (places that cannot be reached, gates that never open, answers that cannot be typed,\n"
    "texts that do not fit their panel, ...).\n"
    "  --warnings-ok  exit 0 when only warnings are found\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n",
    {"--warnings-ok"}};

int check(const std::vector<std::string>& arguments) {
  const CommandLine line = parse_command_line(arguments, command_line_form);
  if (const std::optional<int> status = answer_without_running(line, command_line_form)) {
    return *status;
  }
  std::string directory;
  if (!line.arguments.empty()) {
    directory = line.arguments.front();
    refuse_unless_world_directory(directory);
  }

  const WorldCheck check = check_world(directory);
  for (const Finding& finding : check.findings) {
    std::printf("%s\n", checker_line(finding, check).c_str());
  }
  const FindingCounts counts = count_findings(check.findings);
  std::printf("quadrivant-check: %s, %s\n", counted(counts.errors, "error", "errors").c_str(),
              counted(counts.warnings, "warning", "warnings").c_str());
  const bool warnings_fail = !line.has_flag("--warnings-ok");
  return counts.errors > 0 || (counts.warnings > 0 && warnings_fail) ? 1 : 0;
}

}  // namespace

}  // namespace quadrivant

int main(int argc, char** argv) {
  return quadrivant::guarded_main({quadrivant::game_voice}, [&] {
    return quadrivant::check(std::vector<std::string>(argv + 1, argv + argc));
  });
}

// quadrivant-check [--warnings-ok] [WORLD_DIR]: the level author's checker. Reads the world in
// WORLD_DIR (or the working directory) with the game's own readers, load-time check and rules,
// prints every finding, one a line, and a count; exits 0 for a sound world, 1 when anything is
// wrong (warnings too, unless --warnings-ok), 2 for a wrong command line.
#include <cstdio>
#include <string>
#include <vector>

#include "check/check_world.h"
#include "game/command_line.h"

namespace {

constexpr const char* usage =
    "usage: quadrivant-check [--warnings-ok] [WORLD_DIR]\n"
    "Checks the quadrivant world whose manifest.txt stands in WORLD_DIR (default: the working\n"
    "directory) and names every fault: each file the game would refuse, and what a player would\n"
    "meet (places that cannot be reached, gates that never open, answers that cannot be typed,\n"
    "texts that do not fit their panel, ...).\n"
    "  --warnings-ok  exit 0 when only warnings are found\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n";

std::string plural(std::size_t count, const char* word) {
  return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line =
      parse_command_line(std::vector<std::string>(argv + 1, argv + argc), {"--warnings-ok"});
  if (const int status = answer_without_running(line, "quadrivant-check", usage); status >= 0)
    return status;
  if (line.world_named) {
    const std::string fault = world_directory_fault(line.world_directory);
    if (!fault.empty()) {
      std::fputs(fault.c_str(), stderr);
      return 1;
    }
  }

  const Findings findings = check_world(line.world_directory);
  std::size_t errors = 0, warnings = 0;
  for (const Finding& finding : findings) {
    std::printf("%s\n", finding_line(finding).c_str());
    ++(finding.severity == Severity::error ? errors : warnings);
  }
  std::printf("quadrivant-check: %s, %s\n", plural(errors, "error").c_str(),
              plural(warnings, "warning").c_str());
  const bool warnings_fail = line.flags.empty();
  return errors > 0 || (warnings > 0 && warnings_fail) ? 1 : 0;
}

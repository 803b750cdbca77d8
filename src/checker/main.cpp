// quadrivant-check [--warnings-ok] [WORLD_DIR]: the level author's checker. Reads the world in
// WORLD_DIR (or the working directory) with the game's own readers, load-time check and rules,
// prints every finding, one a line, and a count; exits 0 for a sound world, 1 when anything is
// wrong (warnings too, unless --warnings-ok), 2 for a wrong command line.
// quadrivant-check --map LEVEL [WORLD_DIR]: prints the whole map of a level, with rulers.
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/command_line.h"
#include "base/entry.h"
#include "base/failure.h"
#include "base/text.h"
#include "checker/check_world.h"
#include "checker/map_preview.h"
#include "checker/world_reading.h"
#include "level/world_directory.h"

namespace quadrivant {

namespace {

const CommandLineForm command_line_form{
    "quadrivant-check",
    "usage: quadrivant-check [--warnings-ok] [WORLD_DIR]\n"
    "       quadrivant-check --map LEVEL [WORLD_DIR]\n"
    "Checks the quadrivant world whose manifest.txt stands in WORLD_DIR (default: the working\n"
    "directory) and names every fault: each file the game would refuse, and what a player would\n"
    "meet (places that cannot be reached, gates that never open, answers that cannot be typed,\n"
    "texts that do not fit their panel, ...).\n"
    "  --warnings-ok  exit 0 when only warnings are found\n"
    "  --map LEVEL    print the whole map of level LEVEL (from 0, in manifest order) in its\n"
    "                 colours, with rulers to read cell coordinates off; a wide map reads well\n"
    "                 in less -RS\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n",
    {"--warnings-ok"},
    {"--map"}};

// The level number given to --map.
int level_to_show(const std::string& value) {
  int level = 0;
  const char* end = value.data() + value.size();
  const auto [stop, error] = std::from_chars(value.data(), end, level);
  if (value.empty() || value[0] == '-' || value[0] == '+' || error != std::errc() || stop != end) {
    refuse_command_line(command_line_form,
                        "--map wants a level number (from 0), not " + printable(value));
  }
  return level;
}

int show_map(const std::string& directory, int level) {
  const LevelPicture picture = read_level_picture(directory, level);
  print_map_preview(stdout, picture.level,
                    "Level " + std::to_string(level) + " (" + printable(picture.content_file) +
                        "): " + std::to_string(picture.level.width) + " x " +
                        std::to_string(picture.level.height) + " cells");
  return 0;
}

int check(const std::vector<std::string>& arguments) {
  const CommandLine line = parse_command_line(arguments, command_line_form);
  if (const std::optional<int> status = answer_without_running(line, command_line_form)) {
    return *status;
  }
  std::optional<int> level;
  if (const auto value = line.value_of("--map")) level = level_to_show(*value);
  std::string directory;
  if (!line.arguments.empty()) {
    directory = line.arguments.front();
    refuse_unless_world_directory(directory);
  }
  if (level) return show_map(directory, *level);

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

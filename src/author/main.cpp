// quadrivant-author: the level author's tool.
//   quadrivant-author new DIR                      writes a starter world's sources to DIR/source
//   quadrivant-author build SOURCE_DIR OUTPUT_DIR  builds the world of the sources in SOURCE_DIR
//
// A build reads the sources (see docs/levels.md), builds the world, holds it to everything the
// level checker finds and plays its route if it has one, all before anything is written; then it
// writes manifest.txt, levels/<name>/* and walkthrough.txt into OUTPUT_DIR, proven first with the
// game's own loaders (author/world_output.h). Every fault is told on standard error, each line in
// the tool's name, with the source file and line; the exit status is then 1 (2 for a wrong
// command line). A build prints a short summary.
#include <cstdio>
#include <set>
#include <sstream>

#include "author/source_places.h"
#include "author/starter_world.h"
#include "author/walkthrough_plan.h"
#include "author/world_builder.h"
#include "author/world_output.h"
#include "base/command_line.h"
#include "base/entry.h"
#include "base/failure.h"
#include "base/text.h"
#include "checker/world_checks.h"
#include "level/cell_codes.h"
#include "level/manifest.h"
#include "level/unplayable_cells.h"
#include "level/world_writer.h"

namespace quadrivant {

namespace {

constexpr std::string_view tool_voice = "quadrivant-author: ";

const CommandLineForm command_line_form{
    "quadrivant-author",
    "usage: quadrivant-author new DIR\n"
    "       quadrivant-author build SOURCE_DIR OUTPUT_DIR\n"
    "Makes quadrivant worlds from sources a level author writes (see the author's guide).\n"
    "  new DIR      write the sources of a small starter world into DIR/source, ready to\n"
    "               build with: quadrivant-author build DIR/source DIR\n"
    "  build SOURCE_DIR OUTPUT_DIR\n"
    "               check the sources in SOURCE_DIR, play their route if there is a route.txt,\n"
    "               and write the world's files into OUTPUT_DIR (manifest.txt, levels/ and\n"
    "               walkthrough.txt), replacing only what an earlier build wrote there\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n",
    {},
    {},
    3,
    "too many words"};

// Loads the written world the way the game does, without reports.
void verify_with_game_loaders(const BuiltWorld& world, const std::string& directory) {
  World loaded;
  try {
    loaded = load_world(nullptr, directory);
    refuse_unplayable_world(loaded);
  } catch (const Failure& refusal) {
    throw Failure("the game refuses the written files: " + refusal.message());
  }
  if (loaded != world.levels) {
    throw Failure("the game loads the written files differently from what was meant\n");
  }
}

std::string as_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

void print_summary(const BuiltWorld& world, std::size_t walkthrough_lines) {
  std::size_t problems = 0, infos = 0, gates = 0;
  for (std::size_t l = 0; l < world.levels.size(); ++l) {
    const Level& level = world.levels[l];
    std::set<int> gate_codes;
    for (const int code : level.collision_layer.values()) {
      if (cell_kind(code) == CellKind::obstruction) gate_codes.insert(code);
    }
    std::printf("level %zu %-12s %3d x %2d: %s, %s, %s, %s\n", l, world.level_names[l].c_str(),
                level.width, level.height,
                counted(level.transitions.size(), "door", "doors").c_str(),
                counted(level.problems.size(), "problem", "problems").c_str(),
                counted(level.infos.size(), "information entry", "information entries").c_str(),
                counted(gate_codes.size(), "gate", "gates").c_str());
    problems += level.problems.size();
    infos += level.infos.size();
    gates += gate_codes.size();
  }
  std::printf("%s, %s, %s; ", counted(problems, "problem", "problems").c_str(),
              counted(infos, "information entry", "information entries").c_str(),
              counted(gates, "gate", "gates").c_str());
  if (walkthrough_lines > 0) {
    std::printf("walkthrough of %zu lines\n", walkthrough_lines);
  } else {
    std::printf("no route, so no walkthrough\n");
  }
}

// Everything the level checker finds, warnings included, named in the sources: the tool writes
// no world that the checker would not pass.
void refuse_findings(const BuiltWorld& world, const WorldSource& source) {
  const Findings findings = play_findings(world.levels);
  if (findings.empty()) return;
  std::string lines;
  for (const Finding& finding : findings) {
    lines += finding_line(finding, source_place(finding.where, source)) + "\n";
  }
  const FindingCounts counts = count_findings(findings);
  throw Failure(lines + counted(counts.errors, "error", "errors") + ", " +
                counted(counts.warnings, "warning", "warnings") + ": nothing was written\n");
}

int build(const std::string& source_dir, const std::string& output_dir) {
  const WorldSource source = read_world_source(source_dir);
  const BuiltWorld world = build_world(source);
  refuse_findings(world, source);
  std::vector<std::string> walkthrough;
  if (source.has_route) walkthrough = plan_walkthrough(world, source);
  std::vector<WorldFileText> files =
      world_file_texts(world.levels, named_levels_layout(world.title, world.level_names));
  if (source.has_route) files.push_back({walkthrough_name, as_lines(walkthrough)});
  replace_world(output_dir, files,
                [&](const std::string& written) { verify_with_game_loaders(world, written); });
  print_summary(world, walkthrough.size());
  return 0;
}

int run(const CommandLine& line) {
  const std::vector<std::string>& words = line.arguments;
  if (words.empty()) refuse_command_line(command_line_form, "a command is missing");
  if (words[0] == "new" && words.size() == 2) {
    std::fputs(write_starter_world(words[1]).c_str(), stdout);
    return 0;
  }
  if (words[0] == "build" && words.size() == 3) return build(words[1], words[2]);
  if (words[0] == "new" || words[0] == "build") {
    refuse_command_line(
        command_line_form,
        words[0] + " takes " + (words[0] == "new" ? "one directory" : "two directories"));
  }
  refuse_command_line(command_line_form, "unknown command " + printable(words[0]));
}

// Every line of `message` in the tool's name.
std::string in_tool_voice(const std::string& message) {
  std::istringstream lines(message);
  std::string voiced;
  for (std::string line; std::getline(lines, line);)
    voiced += std::string(tool_voice) + line + "\n";
  return voiced;
}

int run_author(int argc, char** argv) {
  return guarded_main({tool_voice}, [&] {
    const CommandLine line =
        parse_command_line(std::vector<std::string>(argv + 1, argv + argc), command_line_form);
    if (const std::optional<int> status = answer_without_running(line, command_line_form)) {
      return *status;
    }
    try {
      return run(line);
    } catch (const Failure& failure) {
      // A wrong command line says so with the usage, and a lost standard output as it is.
      if (failure.standard_output_lost() || failure.status() == 2) throw;
      throw Failure(in_tool_voice(failure.message()), failure.stream(), failure.status());
    }
  });
}

}  // namespace

}  // namespace quadrivant

int main(int argc, char** argv) {
  return quadrivant::run_author(argc, argv);
}

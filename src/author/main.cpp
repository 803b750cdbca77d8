// quadrivant_author SOURCE_DIR OUTPUT_DIR
//
// Builds a world from its editable sources (see docs/levels.md): writes manifest.txt,
// levels/<name>/* and walkthrough.txt into OUTPUT_DIR, then loads what it wrote with the game's
// own loaders and load-time check and compares it with what it meant to write. Exits with
// status 1 and one message on standard error at the first fault; prints a short summary
// otherwise.
#include <cstdio>
#include <filesystem>
#include <set>

#include "author/walkthrough_plan.h"
#include "author/world_reach.h"
#include "base/entry.h"
#include "base/failure.h"
#include "level/cell_codes.h"
#include "level/manifest.h"
#include "level/unplayable_cells.h"
#include "level/world_writer.h"

namespace quadrivant {

namespace {

constexpr std::string_view tool_voice = "quadrivant_author: ";

// Loads the written world the way the game does, from the output directory, without reports.
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
    std::printf("level %zu %-12s %3d x %2d: %zu doors, %zu problems, %zu information, %zu gates\n",
                l, world.level_names[l].c_str(), level.width, level.height,
                level.transitions.size(), level.problems.size(), level.infos.size(),
                gate_codes.size());
    problems += level.problems.size();
    infos += level.infos.size();
    gates += gate_codes.size();
  }
  std::printf("%zu problems, %zu information entries, %zu gates; walkthrough of %zu lines\n",
              problems, infos, gates, walkthrough_lines);
}

int build(const std::string& source_argument, const std::string& output_argument) {
  const std::string source_dir = std::filesystem::absolute(source_argument).string();
  const std::string output_dir = std::filesystem::absolute(output_argument).string();
  const WorldSource source = read_world_source(source_dir);
  const BuiltWorld world = build_world(source);
  const WorldLayout layout = named_levels_layout(world.title, world.level_names);
  check_world_reach(world, manifest_of(world.levels, layout));
  const std::vector<std::string> walkthrough = plan_walkthrough(world, source);
  std::filesystem::create_directories(output_dir);
  write_world(world.levels, layout, output_dir);
  write_text_file(output_dir + "/walkthrough.txt", as_lines(walkthrough));
  verify_with_game_loaders(world, output_dir);
  print_summary(world, walkthrough.size());
  return 0;
}

int run_author(int argc, char** argv) {
  return guarded_main({tool_voice}, [&] {
    if (argc != 3) {
      throw Failure("usage: quadrivant_author SOURCE_DIR OUTPUT_DIR\n", Stream::standard_error, 2);
    }
    try {
      return build(argv[1], argv[2]);
    } catch (const Failure& failure) {
      // Every fault is told in the tool's name, but a lost standard output, told as it is.
      if (failure.standard_output_lost()) throw;
      throw Failure(std::string(tool_voice) + failure.message(), failure.stream(),
                    failure.status());
    }
  });
}

}  // namespace

}  // namespace quadrivant

int main(int argc, char** argv) {
  return quadrivant::run_author(argc, argv);
}

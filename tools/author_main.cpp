// quadrivant_author SOURCE_DIR OUTPUT_DIR
//
// Builds the shipped world from its editable sources (see docs/levels.md): writes manifest.txt,
// levels/<name>/* and walkthrough.txt into OUTPUT_DIR, then loads what it wrote with the game's
// own loaders and load-time check and compares it with what it meant to write. Exits with
// status 1 and one message on standard error at the first fault; prints a short summary
// otherwise.
#include <cstdio>
#include <filesystem>
#include <set>

#include "level/cell_codes.h"
#include "level/level_check.h"
#include "level/load_error.h"
#include "level/manifest.h"
#include "level_writer.h"
#include "walkthrough_plan.h"
#include "world_reach.h"

namespace {

// Loads the written world the way the game does, from the output directory, without reports.
void verify_with_game_loaders(const BuiltWorld& world, const std::string& directory) {
  World loaded;
  try {
    loaded = load_world(nullptr, directory);
    check_level_data(loaded);
  } catch (const LoadError& error) {
    throw SourceError(std::string("the game refuses the written files: ") + error.what());
  }
  if (loaded != world.levels) {
    throw SourceError("the game loads the written files differently from what was meant");
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: quadrivant_author SOURCE_DIR OUTPUT_DIR\n");
    return 2;
  }
  try {
    const std::string source_dir = std::filesystem::absolute(argv[1]).string();
    const std::string output_dir = std::filesystem::absolute(argv[2]).string();
    const WorldSource source = read_world_source(source_dir);
    const BuiltWorld world = build_world(source);
    check_world_reach(world, manifest_of(world));
    const std::vector<std::string> walkthrough = plan_walkthrough(world, source);
    std::filesystem::create_directories(output_dir);
    write_world_files(world, output_dir);
    write_text_file(output_dir + "/walkthrough.txt", as_lines(walkthrough));
    verify_with_game_loaders(world, output_dir);
    print_summary(world, walkthrough.size());
  } catch (const SourceError& error) {
    std::fprintf(stderr, "quadrivant_author: %s\n", error.what());
    return 1;
  } catch (const std::filesystem::filesystem_error& error) {
    std::fprintf(stderr, "quadrivant_author: %s\n", error.what());
    return 1;
  }
  return 0;
}

// quadrivant_author SOURCE_DIR OUTPUT_DIR
//
// Builds the shipped world from its editable sources (see docs/levels.md): writes manifest.txt,
// levels/<name>/* and walkthrough.txt into OUTPUT_DIR, then loads what it wrote with the game's
// own loaders and load-time check and compares it with what it meant to write. Exits with
// status 1 and one message on standard error at the first fault; prints a short summary
// otherwise.
#include <unistd.h>

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

bool same_world(const MapData& a, const MapData& b) {
  auto same_dialogues = [](const DialogueTable& x, const DialogueTable& y) {
    return x.first_text == y.first_text && x.second_text == y.second_text && x.number == y.number;
  };
  if (level_count(a) != level_count(b)) return false;
  for (int l = 0; l < level_count(a); ++l) {
    if (a.fg_layer[l] != b.fg_layer[l] || a.bg_layer[l] != b.bg_layer[l] ||
        a.collision_layer[l] != b.collision_layer[l] || a.content[l] != b.content[l] ||
        a.width[l] != b.width[l] || a.height[l] != b.height[l] ||
        !same_dialogues(a.problems[l], b.problems[l]) || !same_dialogues(a.infos[l], b.infos[l]) ||
        a.obstructions[l].text != b.obstructions[l].text ||
        a.transitions[l].size() != b.transitions[l].size()) {
      return false;
    }
    for (std::size_t k = 0; k < a.transitions[l].size(); ++k) {
      const RoomTransition &s = a.transitions[l][k], &t = b.transitions[l][k];
      if (s.level != t.level || s.x != t.x || s.y != t.y) return false;
    }
  }
  return true;
}

// Loads the written world the way the game does, from the output directory.
void verify_with_game_loaders(const BuiltWorld& world, const std::string& directory) {
  const std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(directory);
  std::FILE* reports = std::fopen("/dev/null", "w");
  try {
    const MapData loaded = generate_map_data(reports);
    check_level_data(loaded);
    if (!same_world(world.map, loaded)) {
      throw SourceError("the game loads the written files differently from what was meant");
    }
  } catch (const LoadError& error) {
    std::fclose(reports);
    throw SourceError(std::string("the game refuses the written files: ") + error.what());
  }
  std::fclose(reports);
  std::filesystem::current_path(here);
}

std::string as_lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

void print_summary(const BuiltWorld& world, std::size_t walkthrough_lines) {
  const MapData& map = world.map;
  std::size_t problems = 0, infos = 0, gates = 0;
  for (int l = 0; l < level_count(map); ++l) {
    std::set<int> gate_codes;
    for (const std::vector<int>& row : map.collision_layer[l]) {
      for (const int code : row) {
        if (cell_kind(code) == CellKind::obstruction) gate_codes.insert(code);
      }
    }
    std::printf("level %d %-12s %3d x %2d: %zu doors, %zu problems, %zu information, %zu gates\n",
                l, world.level_names[l].c_str(), map.width[l], map.height[l],
                map.transitions[l].size(), map.problems[l].number.size(),
                map.infos[l].number.size(), gate_codes.size());
    problems += map.problems[l].number.size();
    infos += map.infos[l].number.size();
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
    check_world_reach(world);
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

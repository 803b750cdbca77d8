#include "level_writer.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "level/manifest.h"

namespace {

// The eight files of a level, in manifest group order.
constexpr std::array<const char*, group_count> level_file_names = {
    "fg.pgm",          "bg.pgm",       "codes.pgm", "content.txt",
    "transitions.txt", "problems.txt", "infos.txt", "obstructions.txt"};

constexpr std::array<const char*, group_count> group_comments = {
    "# foreground colours (xterm colour of each cell's character)",
    "# background colours (xterm colour of each cell)",
    "# cell codes",
    "# map content (the character of each cell)",
    "# room transitions",
    "# problems",
    "# information entries",
    "# obstructions (gates)"};

std::string level_label(const BuiltWorld& world, int level) {
  return "level " + std::to_string(level) + " (" + world.level_names[level] + ")";
}

std::string plain_pgm(const Matrix& layer, const std::string& what) {
  std::string text = "P2\n# " + what + ", written by quadrivant_author\n";
  text += std::to_string(layer[0].size()) + " " + std::to_string(layer.size()) + "\n255\n";
  for (const std::vector<int>& row : layer) {
    // Appended piece by piece: a temporary built as `"" + std::to_string(...)` leads g++ 12
    // into a false -Wrestrict report on the inlined string insert.
    for (std::size_t x = 0; x < row.size(); ++x) {
      if (x) text += ' ';
      text += std::to_string(row[x]);
    }
    text += '\n';
  }
  return text;
}

std::string content_file(const BuiltWorld& world, int level) {
  const MapData& map = world.map;
  std::string text = "Map of " + level_label(world, level) + ": one character per cell\n";
  text += std::to_string(map.width[level]) + " " + std::to_string(map.height[level]) + "\n";
  text += "(the map rows follow, top row first)\n";
  for (const std::string& row : map.content[level]) text += row + "\n";
  return text;
}

std::string transition_file(const BuiltWorld& world, int level) {
  const std::vector<RoomTransition>& transitions = world.map.transitions[level];
  std::string text = "Room transitions of " + level_label(world, level) +
                     ": entry k is cell code 50 + k\n" + std::to_string(transitions.size()) +
                     "\n(level entered, then the cell x y the player lands on)\n";
  for (const RoomTransition& t : transitions) {
    text += std::to_string(t.level) + " " + std::to_string(t.x) + " " + std::to_string(t.y) +
            "   to " + world.level_names[t.level] + "\n";
  }
  return text;
}

std::string dialogue_file(const DialogueTable& table, const std::string& heading,
                          const std::string& layout) {
  std::string text = heading + "\n" + std::to_string(table.number.size()) + "\n" + layout + "\n";
  for (std::size_t k = 0; k < table.number.size(); ++k) {
    text += table.first_text[k] + "\n" + table.second_text[k] + "\n" +
            std::to_string(table.number[k]) + "\n";
  }
  return text;
}

std::string obstruction_file(const BuiltWorld& world, int level) {
  const ObstructionTable& table = world.map.obstructions[level];
  std::string text = "Obstructions of " + level_label(world, level) +
                     ": entry k is cell code 49 - k, opened by information entry k\n" +
                     std::to_string(table.text.size()) + "\n(one text per entry)\n";
  for (const std::string& line : table.text) text += line + "\n";
  return text;
}

std::string level_file(const BuiltWorld& world, int level, int group) {
  const MapData& map = world.map;
  const std::string label = level_label(world, level);
  switch (group) {
    case group_fg_layer:
      return plain_pgm(map.fg_layer[level], "Foreground colours of " + label);
    case group_bg_layer:
      return plain_pgm(map.bg_layer[level], "Background colours of " + label);
    case group_collision_layer:
      return plain_pgm(map.collision_layer[level], "Cell codes of " + label);
    case group_content:
      return content_file(world, level);
    case group_transitions:
      return transition_file(world, level);
    case group_problems:
      return dialogue_file(map.problems[level],
                           "Problems of " + label + ": entry k is cell code 100 + k",
                           "(each entry: the question, the solved text, the answer)");
    case group_infos:
      return dialogue_file(map.infos[level],
                           "Information entries of " + label + ": entry k is cell code 200 + k",
                           "(each entry: the locked text, the unlocked text, problems to solve)");
    default:
      return obstruction_file(world, level);
  }
}

std::string level_path(const BuiltWorld& world, int level, int group) {
  return "levels/" + world.level_names[level] + "/" + level_file_names[group];
}

std::string manifest_file(const BuiltWorld& world) {
  const int levels = static_cast<int>(world.level_names.size());
  std::string text = world.title + "\n" + std::to_string(levels) + " levels\n";
  for (int group = 0; group < group_count; ++group) {
    text += std::string(group_comments[group]) + "\n";
    for (int level = 0; level < levels; ++level) text += level_path(world, level, group) + "\n";
  }
  return text;
}

}  // namespace

void write_text_file(const std::string& path, const std::string& contents) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << contents;
  if (!file) throw SourceError(path + ": cannot be written");
}

std::vector<std::string> write_world_files(const BuiltWorld& world, const std::string& directory) {
  std::vector<std::string> written{"manifest.txt"};
  write_text_file(directory + "/manifest.txt", manifest_file(world));
  for (int level = 0; level < static_cast<int>(world.level_names.size()); ++level) {
    std::filesystem::create_directories(directory + "/levels/" + world.level_names[level]);
    for (int group = 0; group < group_count; ++group) {
      written.push_back(level_path(world, level, group));
      write_text_file(directory + "/" + written.back(), level_file(world, level, group));
    }
  }
  return written;
}

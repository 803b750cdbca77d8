#include "level_writer.h"

#include <array>
#include <filesystem>
#include <fstream>

#include "level/cell_codes.h"
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

// The largest sample of every image layer: xterm colours and cell codes alike fit 0..255.
constexpr int largest_sample = highest_colour;
static_assert(highest_code <= largest_sample);

// How a table's heading names the cell code of its entry k.
std::string code_of_entry(const char* sign, int base) {
  return "entry k is cell code " + std::to_string(base) + sign + "k";
}

std::string plain_pgm(const Layer& layer, const std::string& what) {
  std::string text = "P2\n# " + what + ", written by quadrivant_author\n";
  text += std::to_string(layer.width()) + " " + std::to_string(layer.height()) + "\n" +
          std::to_string(largest_sample) + "\n";
  for (int y = 0; y < layer.height(); ++y) {
    // Appended piece by piece: a temporary built as `"" + std::to_string(...)` leads g++ 12
    // into a false -Wrestrict report on the inlined string insert.
    for (int x = 0; x < layer.width(); ++x) {
      if (x) text += ' ';
      text += std::to_string(layer.at(x, y));
    }
    text += '\n';
  }
  return text;
}

std::string content_file(const BuiltWorld& world, int level) {
  const Level& map = world.levels[level];
  std::string text = "Map of " + level_label(world, level) + ": one character per cell\n";
  text += std::to_string(map.width) + " " + std::to_string(map.height) + "\n";
  text += "(the map rows follow, top row first)\n";
  for (int y = 0; y < map.height; ++y) {
    text.append(map.content, static_cast<std::size_t>(y) * map.width, map.width);
    text += "\n";
  }
  return text;
}

std::string transition_file(const BuiltWorld& world, int level) {
  const std::vector<RoomTransition>& transitions = world.levels[level].transitions;
  std::string text = "Room transitions of " + level_label(world, level) + ": " +
                     code_of_entry(" + ", room_transition_base) + "\n" +
                     std::to_string(transitions.size()) +
                     "\n(level entered, then the cell x y the player lands on)\n";
  for (const RoomTransition& t : transitions) {
    text += std::to_string(t.level) + " " + std::to_string(t.x) + " " + std::to_string(t.y) +
            "   to " + world.level_names[t.level] + "\n";
  }
  return text;
}

// A dialogue file: after its three heading lines, each entry's two texts and its number.
struct DialogueEntry {
  const std::string& first_text;
  const std::string& second_text;
  int number;
};

DialogueEntry dialogue_entry(const Problem& problem) {
  return {problem.question, problem.solved_text, problem.answer};
}
DialogueEntry dialogue_entry(const Information& info) {
  return {info.locked_text, info.unlocked_text, info.required};
}

template <class Entry>
std::string dialogue_file(const std::vector<Entry>& table, const std::string& heading,
                          const std::string& layout) {
  std::string text = heading + "\n" + std::to_string(table.size()) + "\n" + layout + "\n";
  for (const Entry& written : table) {
    const DialogueEntry entry = dialogue_entry(written);
    text +=
        entry.first_text + "\n" + entry.second_text + "\n" + std::to_string(entry.number) + "\n";
  }
  return text;
}

std::string obstruction_file(const BuiltWorld& world, int level) {
  const std::vector<Obstruction>& table = world.levels[level].obstructions;
  std::string text = "Obstructions of " + level_label(world, level) + ": " +
                     code_of_entry(" - ", last_obstruction_code) +
                     ", opened by information entry k\n" + std::to_string(table.size()) +
                     "\n(one text per entry)\n";
  for (const Obstruction& obstruction : table) text += obstruction.text + "\n";
  return text;
}

std::string level_file(const BuiltWorld& world, int level, int group) {
  const Level& map = world.levels[level];
  const std::string label = level_label(world, level);
  switch (group) {
    case group_fg_layer:
      return plain_pgm(map.fg_layer, "Foreground colours of " + label);
    case group_bg_layer:
      return plain_pgm(map.bg_layer, "Background colours of " + label);
    case group_collision_layer:
      return plain_pgm(map.collision_layer, "Cell codes of " + label);
    case group_content:
      return content_file(world, level);
    case group_transitions:
      return transition_file(world, level);
    case group_problems:
      return dialogue_file(map.problems,
                           "Problems of " + label + ": " + code_of_entry(" + ", problem_base),
                           "(each entry: the question, the solved text, the answer)");
    case group_infos:
      return dialogue_file(
          map.infos,
          "Information entries of " + label + ": " + code_of_entry(" + ", information_base),
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

Manifest manifest_of(const BuiltWorld& world) {
  Manifest manifest;
  manifest.levels = static_cast<int>(world.level_names.size());
  manifest.paths.resize(group_count);
  for (int group = 0; group < group_count; ++group) {
    for (int level = 0; level < manifest.levels; ++level) {
      manifest.paths[group].push_back(level_path(world, level, group));
    }
  }
  return manifest;
}

void write_text_file(const std::string& path, const std::string& contents) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << contents;
  if (!file) throw SourceError(path + ": cannot be written");
}

std::vector<std::string> write_world_files(const BuiltWorld& world, const std::string& directory) {
  std::vector<std::string> written{manifest_name};
  write_text_file(directory + "/" + manifest_name, manifest_file(world));
  for (int level = 0; level < static_cast<int>(world.level_names.size()); ++level) {
    std::filesystem::create_directories(directory + "/levels/" + world.level_names[level]);
    for (int group = 0; group < group_count; ++group) {
      written.push_back(level_path(world, level, group));
      write_text_file(directory + "/" + written.back(), level_file(world, level, group));
    }
  }
  return written;
}

#include "level/world_writer.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "base/failure.h"
#include "base/text.h"
#include "level/cell_codes.h"

namespace quadrivant {

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

// The largest sample of every image layer: xterm colours and cell codes alike fit 0..255.
constexpr int largest_sample = highest_colour;
static_assert(highest_code <= largest_sample);

// The cube intensities of the six levels of each colour component.
constexpr std::array<int, 6> cube_intensities = {0, 95, 135, 175, 215, 255};
constexpr int first_cube_colour = 16;
constexpr int last_cube_colour = 231;

std::string level_label(const WorldLayout& layout, std::size_t level) {
  return "level " + std::to_string(level) + " (" + layout.level_names[level] + ")";
}

// How a table's heading names the cell code of its entry k.
std::string code_of_entry(const char* sign, int base) {
  return "entry k is cell code " + std::to_string(base) + sign + "k";
}

bool is_colour_form(ImageForm form) {
  return form == ImageForm::plain_colour || form == ImageForm::raw_colour;
}
bool is_plain_form(ImageForm form) {
  return form == ImageForm::plain_grey || form == ImageForm::plain_colour;
}

// The red, green and blue of a cell: its cube colour exactly, any other value as grey.
std::array<int, 3> pixel_of(int value) {
  if (value >= first_cube_colour && value <= last_cube_colour) {
    const int cube = value - first_cube_colour;
    return {cube_intensities[cube / 36], cube_intensities[cube / 6 % 6],
            cube_intensities[cube % 6]};
  }
  const int grey = std::clamp(value, 0, largest_sample);
  return {grey, grey, grey};
}

void append_sample(std::string& text, ImageForm form, int value, bool first_of_row) {
  if (!is_plain_form(form)) {
    text += static_cast<char>(std::clamp(value, 0, largest_sample));
    return;
  }
  // Appended piece by piece: a temporary built as `"" + std::to_string(...)` leads g++ 12
  // into a false -Wrestrict report on the inlined string insert.
  if (!first_of_row) text += ' ';
  text += std::to_string(value);
}

std::string image_file(const Layer& layer, ImageForm form, const std::string& what,
                       const std::string& writer) {
  static constexpr std::array<const char*, 4> magic = {"P2", "P5", "P3", "P6"};
  std::string text = std::string(magic[static_cast<std::size_t>(form)]) + "\n# " + what +
                     ", written by " + writer + "\n";
  text += std::to_string(layer.width()) + " " + std::to_string(layer.height()) + "\n" +
          std::to_string(largest_sample) + "\n";
  for (int y = 0; y < layer.height(); ++y) {
    for (int x = 0; x < layer.width(); ++x) {
      if (!is_colour_form(form)) {
        append_sample(text, form, layer.at(x, y), x == 0);
        continue;
      }
      const std::array<int, 3> pixel = pixel_of(layer.at(x, y));
      for (std::size_t c = 0; c < pixel.size(); ++c)
        append_sample(text, form, pixel[c], x + c == 0);
    }
    if (is_plain_form(form)) text += '\n';
  }
  return text;
}

std::string content_file(const Level& map, const std::string& label) {
  std::string text = "Map of " + label + ": one character per cell\n";
  text += std::to_string(map.width) + " " + std::to_string(map.height) + "\n";
  text += "(the map rows follow, top row first)\n";
  for (int y = 0; y < map.height; ++y) {
    map.content.append_bytes(text, static_cast<std::size_t>(y) * map.width, map.width);
    text += "\n";
  }
  return text;
}

std::string transition_file(const Level& map, const WorldLayout& layout, const std::string& label) {
  std::string text = "Room transitions of " + label + ": " +
                     code_of_entry(" + ", room_transition_base) + "\n" +
                     std::to_string(map.transitions.size()) +
                     "\n(level entered, then the cell x y the player lands on)\n";
  for (const RoomTransition& t : map.transitions) {
    text += std::to_string(t.level) + " " + std::to_string(t.x) + " " + std::to_string(t.y);
    // A remark after the numbers names the level entered, where there is one.
    if (t.level >= 0 && static_cast<std::size_t>(t.level) < layout.level_names.size()) {
      text += "   to " + layout.level_names[static_cast<std::size_t>(t.level)];
    }
    text += "\n";
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

std::string obstruction_file(const Level& map, const std::string& label) {
  std::string text = "Obstructions of " + label + ": " +
                     code_of_entry(" - ", last_obstruction_code) +
                     ", opened by information entry k\n" + std::to_string(map.obstructions.size()) +
                     "\n(one text per entry)\n";
  for (const Obstruction& obstruction : map.obstructions) text += obstruction.text + "\n";
  return text;
}

std::string level_file(const World& world, const WorldLayout& layout, std::size_t level,
                       int group) {
  const Level& map = world[level];
  const std::string label = level_label(layout, level);
  const auto image = [&](const Layer& layer, const std::string& what) {
    return image_file(layer, layout.image_forms[static_cast<std::size_t>(group)], what + label,
                      layout.writer);
  };
  switch (group) {
    case group_fg_layer:
      return image(map.fg_layer, "Foreground colours of ");
    case group_bg_layer:
      return image(map.bg_layer, "Background colours of ");
    case group_collision_layer:
      return image(map.collision_layer, "Cell codes of ");
    case group_content:
      return content_file(map, label);
    case group_transitions:
      return transition_file(map, layout, label);
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
      return obstruction_file(map, label);
  }
}

std::string level_path(const WorldLayout& layout, std::size_t level, int group) {
  return layout.level_folders[level] + "/" + level_file_names[static_cast<std::size_t>(group)];
}

[[noreturn]] void refuse_writing(const std::string& path) {
  throw Failure(printable(path) + ": cannot be written\n");
}

}  // namespace

WorldLayout named_levels_layout(std::string title, const std::vector<std::string>& level_names) {
  WorldLayout layout;
  layout.title = std::move(title);
  layout.level_names = level_names;
  for (const std::string& name : level_names) {
    layout.level_folders.push_back(std::string(named_levels_folder) + name);
  }
  return layout;
}

const char* level_file_name(ManifestGroup group) {
  return level_file_names[static_cast<std::size_t>(group)];
}

std::size_t longest_level_name() {
  std::size_t longest_file_name = 0;
  for (const char* name : level_file_names) {
    longest_file_name = std::max(longest_file_name, std::string_view(name).size());
  }
  return longest_manifest_path - named_levels_folder.size() - 1 - longest_file_name;
}

std::string manifest_text(const WorldLayout& layout) {
  const std::size_t levels = layout.level_folders.size();
  std::string text = layout.title + "\n" + std::to_string(levels) + " levels\n";
  for (int group = 0; group < group_count; ++group) {
    text += std::string(group_comments[static_cast<std::size_t>(group)]) + "\n";
    for (std::size_t level = 0; level < levels; ++level)
      text += level_path(layout, level, group) + "\n";
  }
  return text;
}

Manifest manifest_of(const World& world, const WorldLayout& layout) {
  Manifest manifest;
  manifest.levels = static_cast<int>(world.size());
  manifest.paths.resize(group_count);
  for (int group = 0; group < group_count; ++group) {
    for (std::size_t level = 0; level < world.size(); ++level) {
      manifest.paths[static_cast<std::size_t>(group)].push_back(level_path(layout, level, group));
    }
  }
  return manifest;
}

std::vector<WorldFileText> world_file_texts(const World& world, const WorldLayout& layout) {
  std::vector<WorldFileText> files{{manifest_name, manifest_text(layout)}};
  for (std::size_t level = 0; level < world.size(); ++level) {
    for (int group = 0; group < group_count; ++group) {
      files.push_back({level_path(layout, level, group), level_file(world, layout, level, group)});
    }
  }
  return files;
}

std::vector<std::string> write_world(const World& world, const WorldLayout& layout,
                                     const std::string& directory) {
  std::vector<std::string> written;
  for (const WorldFileText& file : world_file_texts(world, layout)) {
    const std::string path = directory + "/" + file.path;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    write_text_file(path, file.text);
    written.push_back(file.path);
  }
  return written;
}

void write_text_file(const std::string& path, const std::string& contents) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) refuse_writing(path);
  const bool written = std::fwrite(contents.data(), 1, contents.size(), file) == contents.size();
  // The close writes what is still buffered, so it fails like a write.
  if (std::fclose(file) != 0 || !written) refuse_writing(path);
}

}  // namespace quadrivant

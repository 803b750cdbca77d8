#include "level/manifest.h"

#include <new>

#include "base/text.h"
#include "base/utf8.h"
#include "level/content_file.h"
#include "level/image_layer.h"
#include "level/level_file.h"
#include "level/level_tables.h"

namespace quadrivant {

namespace {

// What is kept of a line: the longest path, its carriage return and one character more, which
// tells a path too long. The rest of a longer line, or of a comment, is passed over.
constexpr std::size_t kept_path_bytes = (longest_manifest_path + 2) * longest_utf8_character;

[[noreturn]] void refuse_missing_line() {
  refuse_level_file("A line is missing from the manifest file!\n");
}

// The title line, then the level count at the start of the next line and the rest of that line.
int read_level_count(LevelFile& file) {
  if (file.skip_line() != LineEnd::newline) refuse_missing_line();
  int levels = 0;
  const NumberRead read = file.read_number(levels);
  if (read == NumberRead::end_of_file) refuse_missing_line();
  if (read == NumberRead::not_a_number) {
    refuse_level_file("The level count on line " + std::to_string(file.line()) + " of " +
                      file.path() + " is not a number!\n");
  }
  if (levels < 1) {
    refuse_level_file("The level count in " + file.path() + " must be at least 1!\n");
  }
  if (file.skip_line() != LineEnd::newline) refuse_missing_line();
  return levels;
}

// The next path line, passing over comment lines ("#" first) whatever their length.
std::string read_path_line(LevelFile& file) {
  std::string path;
  std::int64_t line = 0;
  LineEnd end;
  do {
    line = file.line();
    end = file.read_line(path, kept_path_bytes);
    if (end == LineEnd::no_line) refuse_missing_line();
  } while (path.starts_with('#'));
  // A manifest saved with Windows line endings: no path ends with a carriage return on purpose.
  // A last line without its newline keeps every character.
  if (end == LineEnd::newline && path.ends_with('\r')) path.pop_back();
  // A blank line names no file: every path after it would belong to the wrong level or group.
  if (path.find_first_not_of(" \t") == std::string::npos) {
    refuse_level_file("Line " + std::to_string(line) + " of " + file.path() +
                      " is blank, but every line after the level count names a file or is a "
                      "comment (#)!\n");
  }
  if (count_characters(path) > longest_manifest_path) {
    refuse_level_file("Line " + std::to_string(line) + " of " + file.path() +
                      " holds a path longer than " + std::to_string(longest_manifest_path) +
                      " characters!\n");
  }
  // A path ends at its first NUL byte, as the file system reads it.
  return path.substr(0, path.find('\0'));
}

// Runs `read` on one file of the world. Memory runs out only on a file far larger than any level
// needs: that is the file's fault, told like any other, never an abort.
template <class Read>
auto read_world_file(const std::string& path, Read read) {
  try {
    return read();
  } catch (const std::bad_alloc&) {
    refuse_level_file("The file " + printable(path) + " is too large to load!\n");
  }
}

Problem problem_of(const Dialogue& entry) {
  return {entry.first_text, entry.second_text, entry.number};
}

Information information_of(const Dialogue& entry) {
  return {entry.first_text, entry.second_text, entry.number};
}

template <class Entry, class Convert>
std::vector<Entry> converted(const std::vector<Dialogue>& entries, Convert convert) {
  std::vector<Entry> converted_entries;
  converted_entries.reserve(entries.size());
  for (const Dialogue& entry : entries) converted_entries.push_back(convert(entry));
  return converted_entries;
}

}  // namespace

Manifest read_manifest_file(const std::string& path, std::FILE* out) {
  return read_world_file(path, [&] {
    LevelFile file(path);
    file.report_loading(out);

    Manifest manifest;
    manifest.levels = read_level_count(file);
    // Paths are added as they are read: a level count the file does not hold reserves nothing.
    manifest.paths.resize(group_count);
    for (std::vector<std::string>& group : manifest.paths) {
      for (int level = 0; level < manifest.levels; ++level) group.push_back(read_path_line(file));
    }
    return manifest;
  });
}

std::string manifest_path(const std::string& directory) {
  return directory.empty() ? manifest_name : directory + "/" + manifest_name;
}

World load_world(std::FILE* out, const std::string& directory) {
  const std::string path = manifest_path(directory);
  const Manifest manifest = read_manifest_file(path, out);
  World world;
  for (int k = 0; k < manifest.levels; ++k) {
    Level& level = world.emplace_back();
    // The layers are measured against the map once the content file has been read.
    for (int group = group_fg_layer; group < group_count; ++group) {
      load_level_file(level, manifest, k, static_cast<ManifestGroup>(group), out, directory);
      if (group == group_content) check_layer_sizes(level, manifest, k);
    }
  }
  return world;
}

void load_level_file(Level& level, const Manifest& manifest, int k, ManifestGroup group,
                     std::FILE* out, const std::string& directory) {
  const std::string& path = manifest.paths[group][static_cast<std::size_t>(k)];
  auto read = [&](auto reader) {
    return read_world_file(path, [&] { return reader({path, directory}, out); });
  };
  switch (group) {
    case group_fg_layer:
      level.fg_layer = read(read_image_layer);
      break;
    case group_bg_layer:
      level.bg_layer = read(read_image_layer);
      break;
    case group_collision_layer:
      level.collision_layer = read(read_image_layer);
      break;
    case group_content: {
      MapContent content = read(read_map_content_file);
      level.width = content.width;
      level.height = content.height;
      level.content = std::move(content.cells);
      break;
    }
    case group_transitions:
      level.transitions = read(read_room_transition_file);
      break;
    case group_problems:
      level.problems = converted<Problem>(read(read_dialogue_file), problem_of);
      break;
    case group_infos:
      level.infos = converted<Information>(read(read_dialogue_file), information_of);
      break;
    case group_obstructions:
      level.obstructions = read(read_obstruction_file);
      break;
    case group_count:
      break;
  }
}

void check_layer_size(const Level& level, const Manifest& manifest, int k, ManifestGroup group) {
  const Layer& layer = group == group_fg_layer   ? level.fg_layer
                       : group == group_bg_layer ? level.bg_layer
                                                 : level.collision_layer;
  if (layer.width() == level.width && layer.height() == level.height) return;
  refuse_level_file("The image " + printable(manifest.paths[group][static_cast<std::size_t>(k)]) +
                    " is " + std::to_string(layer.width()) + "x" + std::to_string(layer.height()) +
                    " but its level's map is " + std::to_string(level.width) + "x" +
                    std::to_string(level.height) + "!\n");
}

void check_layer_sizes(const Level& level, const Manifest& manifest, int k) {
  for (const ManifestGroup group : {group_fg_layer, group_bg_layer, group_collision_layer}) {
    check_layer_size(level, manifest, k, group);
  }
}

}  // namespace quadrivant

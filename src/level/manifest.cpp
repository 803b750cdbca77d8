#include "level/manifest.h"

#include <new>

#include "level/content_file.h"
#include "level/image_layer.h"
#include "level/level_file.h"
#include "level/level_tables.h"

namespace {

// A path line holds at most this many characters before its newline.
constexpr std::size_t longest_path = 98;

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
    end = file.read_line(path);
    if (end == LineEnd::no_line) refuse_missing_line();
  } while (path.starts_with('#'));
  // The last character of every path line is taken for its newline, so a last line without
  // one loses its last real character.
  if (end == LineEnd::end_of_file) path.pop_back();
  // A manifest saved with Windows line endings: no path ends with a carriage return on purpose.
  if (end == LineEnd::newline && path.ends_with('\r')) path.pop_back();
  if (path.size() > longest_path) {
    refuse_level_file("Line " + std::to_string(line) + " of " + file.path() +
                      " holds a path longer than " + std::to_string(longest_path) +
                      " characters!\n");
  }
  // A path ends at its first NUL byte, as the file system reads it.
  return path.substr(0, path.find('\0'));
}

// Checks that each image layer of a level has the size of its content file: the game reads all
// three at the content file's coordinates.
void check_layer_size(const Layer& layer, const std::string& path, const Level& level) {
  if (layer.width() == level.width && layer.height() == level.height) return;
  refuse_level_file("The image " + printable_path(path) + " is " + std::to_string(layer.width()) +
                    "x" + std::to_string(layer.height()) + " but its level's map is " +
                    std::to_string(level.width) + "x" + std::to_string(level.height) + "!\n");
}

// Runs `read` on one file of the world. Memory runs out only on a file far larger than any level
// needs: that is the file's fault, told like any other, never an abort.
template <class Read>
auto read_world_file(const std::string& path, Read read) {
  try {
    return read();
  } catch (const std::bad_alloc&) {
    refuse_level_file("The file " + printable_path(path) + " is too large to load!\n");
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

// Loads the eight files of level `k` in group order.
Level load_level(const Manifest& manifest, int k, std::FILE* out, const std::string& directory) {
  auto path = [&](ManifestGroup group) -> const std::string& {
    return manifest.paths[group][static_cast<std::size_t>(k)];
  };
  auto read = [&](ManifestGroup group, auto reader) {
    return read_world_file(path(group), [&] { return reader({path(group), directory}, out); });
  };
  Level level;
  level.fg_layer = read(group_fg_layer, img_to_matrix);
  level.bg_layer = read(group_bg_layer, img_to_matrix);
  level.collision_layer = read(group_collision_layer, img_to_matrix);

  MapContent content = read(group_content, read_map_content_file);
  level.width = content.width;
  level.height = content.height;
  level.content = std::move(content.cells);
  check_layer_size(level.fg_layer, path(group_fg_layer), level);
  check_layer_size(level.bg_layer, path(group_bg_layer), level);
  check_layer_size(level.collision_layer, path(group_collision_layer), level);

  level.transitions = read(group_transitions, read_room_transition_file);
  level.problems = converted<Problem>(read(group_problems, read_dialogue_file), problem_of);
  level.infos = converted<Information>(read(group_infos, read_dialogue_file), information_of);
  level.obstructions = read(group_obstructions, read_obstruction_file);
  return level;
}

}  // namespace

Manifest read_manifest_file(const std::string& path, std::FILE* out) {
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
}

std::string manifest_path(const std::string& directory) {
  return directory.empty() ? manifest_name : directory + "/" + manifest_name;
}

World load_world(std::FILE* out, const std::string& directory) {
  const std::string path = manifest_path(directory);
  const Manifest manifest = read_world_file(path, [&] { return read_manifest_file(path, out); });
  World world;
  for (int k = 0; k < manifest.levels; ++k)
    world.push_back(load_level(manifest, k, out, directory));
  return world;
}

#include "level/manifest.h"

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
  int line = 0;
  LineEnd end;
  do {
    line = file.line();
    end = file.read_line(path);
    if (end == LineEnd::no_line) refuse_missing_line();
  } while (path.starts_with('#'));
  // The last character of every path line is taken for its newline, so a last line without
  // one loses its last real character.
  if (end == LineEnd::end_of_file) path.pop_back();
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
void check_layer_size(const Matrix& layer, const std::string& path, int width, int height) {
  const int layer_height = static_cast<int>(layer.size());
  const int layer_width = layer.empty() ? 0 : static_cast<int>(layer.front().size());
  if (layer_width == width && layer_height == height) return;
  refuse_level_file("The image " + path + " is " + std::to_string(layer_width) + "x" +
                    std::to_string(layer_height) + " but its level's map is " +
                    std::to_string(width) + "x" + std::to_string(height) + "!\n");
}

// Loads the eight files of level `level` and adds them to `map`.
void load_level(MapData& map, const Manifest& manifest, int level, std::FILE* out) {
  auto path = [&](ManifestGroup group) -> const std::string& {
    return manifest.paths[group][static_cast<std::size_t>(level)];
  };
  map.fg_layer.push_back(img_to_matrix(path(group_fg_layer), out));
  map.bg_layer.push_back(img_to_matrix(path(group_bg_layer), out));
  map.collision_layer.push_back(img_to_matrix(path(group_collision_layer), out));

  MapContent content = read_map_content_file(path(group_content), out);
  check_layer_size(map.fg_layer.back(), path(group_fg_layer), content.width, content.height);
  check_layer_size(map.bg_layer.back(), path(group_bg_layer), content.width, content.height);
  check_layer_size(map.collision_layer.back(), path(group_collision_layer), content.width,
                   content.height);
  map.content.push_back(std::move(content.rows));
  map.width.push_back(content.width);
  map.height.push_back(content.height);

  map.transitions.push_back(read_room_transition_file(path(group_transitions), out));
  map.problems.push_back(read_dialogue_file(path(group_problems), out));
  map.infos.push_back(read_dialogue_file(path(group_infos), out));
  map.obstructions.push_back(read_obstruction_file(path(group_obstructions), out));
}

}  // namespace

Manifest read_manifest_file(const std::string& path, std::FILE* out) {
  LevelFile file(path, "r");
  std::fprintf(out, "Loading %s\n", path.c_str());

  Manifest manifest;
  manifest.levels = read_level_count(file);
  // Paths are added as they are read: a level count the file does not hold reserves nothing.
  manifest.paths.resize(group_count);
  for (std::vector<std::string>& group : manifest.paths) {
    for (int level = 0; level < manifest.levels; ++level) group.push_back(read_path_line(file));
  }
  return manifest;
}

MapData generate_map_data(std::FILE* out, const std::string& manifest_path) {
  const Manifest manifest = read_manifest_file(manifest_path, out);
  MapData map;
  for (int level = 0; level < manifest.levels; ++level) load_level(map, manifest, level, out);
  return map;
}

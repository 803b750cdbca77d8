// "manifest.txt": which eight files make up each level, and the loading driver that reads them
// all into one World.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "level/world.h"

namespace quadrivant {

// The eight file groups of a level, in manifest (and loading) order.
enum ManifestGroup {
  group_fg_layer,
  group_bg_layer,
  group_collision_layer,
  group_content,
  group_transitions,
  group_problems,
  group_infos,
  group_obstructions,
  group_count
};

struct Manifest {
  int levels = 0;
  std::vector<std::vector<std::string>> paths;  // [group][level]
};

// Reads the manifest at `path`, printing "Loading <path>\n" to `out` once it is open. Lines whose
// first character is '#' are comments, skipped whole; every other line after the level count is
// a path of at most 98 characters, its newline (and a carriage return before it) dropped; a
// blank line is refused, naming its line.
// Throws a Failure on any fault (open failure on standard error, all others on standard output);
// a manifest too large for memory is refused like any other fault.
Manifest read_manifest_file(const std::string& path, std::FILE* out);

// Reads file `group` of level `k` of `manifest` into its member of `level`, printing its report
// to `out` (null: no reports). Relative paths are taken from `directory`. Throws a Failure on any
// fault; a file too large for memory is refused like any other fault.
void load_level_file(Level& level, const Manifest& manifest, int k, ManifestGroup group,
                     std::FILE* out, const std::string& directory);

// Throws a Failure naming image layer `group` of level `k` unless its size is its map's: the game
// reads all three layers at the content file's coordinates.
void check_layer_size(const Level& level, const Manifest& manifest, int k, ManifestGroup group);

// The same for the three layers in turn: the first of another size is refused.
void check_layer_sizes(const Level& level, const Manifest& manifest, int k);

// A path line of the manifest holds at most this many characters before its newline.
inline constexpr std::size_t longest_manifest_path = 98;

// The manifest's name in a world's directory.
inline constexpr const char* manifest_name = "manifest.txt";

// The manifest of the world in `directory`: "manifest.txt" for the working directory (empty).
std::string manifest_path(const std::string& directory);

// Loads the world in `directory` (the working directory if empty; relative paths in the manifest
// are taken from it): the manifest, then every file of level 0 in group order, then level 1, and
// so on, printing each file's report, its path as the manifest writes it, to `out`. Throws
// a Failure at the first fault; a file too large for memory is refused like any other fault. A
// level's three image layers must have the size of its map: they are checked once its content
// file has been read.
// `out` may be null: nothing is reported then.
World load_world(std::FILE* out, const std::string& directory = "");

}  // namespace quadrivant

// Writes a World as the files the game loads: manifest.txt and, for every level, a folder with
// its three image layers, its content file and its four tables. The one writer of the level-file
// format: the authoring tool, the tests and the fuzz seeds all write worlds through it. Every
// file says in its first line what it is; the game skips that line.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "level/manifest.h"
#include "level/world.h"

namespace quadrivant {

// How an image layer is written. Colour forms hold colour-cube indices (16..231) exactly; any
// other value is written as a grey pixel of that value (clamped to 0..255).
enum class ImageForm { plain_grey, raw_grey, plain_colour, raw_colour };

struct WorldLayout {
  std::string title = "A quadrivant world";  // the manifest's first line
  std::vector<std::string> level_folders;    // [level]: its files' folder, from the world's
  std::vector<std::string> level_names;      // [level]: its name in the files' first lines
  std::array<ImageForm, 3> image_forms = {ImageForm::plain_grey, ImageForm::plain_grey,
                                          ImageForm::plain_grey};  // fg, bg, codes
  std::string writer = "quadrivant-author";  // named in every image's comment line
};

// Where the named levels' layout puts the folder of each level: levels/<name>.
inline constexpr std::string_view named_levels_folder = "levels/";

// The name of file `group` in a level's folder: "fg.pgm", "bg.pgm", ..., "obstructions.txt".
const char* level_file_name(ManifestGroup group);

// The layout the authoring tool writes: level k's files in levels/<name k>/.
WorldLayout named_levels_layout(std::string title, const std::vector<std::string>& level_names);

// The longest level name whose files' paths in the named levels' layout fit a manifest line.
std::size_t longest_level_name();

// The text of the manifest that `layout` writes.
std::string manifest_text(const WorldLayout& layout);

struct WorldFileText {
  std::string path;  // from the world's directory
  std::string text;
};

// The manifest `world` is written with: every level's files in its folder.
Manifest manifest_of(const World& world, const WorldLayout& layout);

// The text of the manifest, then of every level's eight files in manifest order.
std::vector<WorldFileText> world_file_texts(const World& world, const WorldLayout& layout);

// Writes the world into `directory` (made if missing), folders included, and returns the paths
// written, manifest.txt first. Throws a Failure naming a file that cannot be written whole.
std::vector<std::string> write_world(const World& world, const WorldLayout& layout,
                                     const std::string& directory);

// Writes `contents` to `path`, replacing the file. Throws a Failure if any write, or the close,
// fails.
void write_text_file(const std::string& path, const std::string& contents);

}  // namespace quadrivant

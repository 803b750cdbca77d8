// The worlds the benchmarks load, written from a fixed pseudo-random pattern so every run, and
// the comparison against Netpbm's tools, reads the same bytes.
#pragma once

#include <array>
#include <string>

namespace quadrivant {

// An image format the game reads, and the file extension Netpbm gives it.
struct ImageFormat {
  const char* name;       // "P2", "P3", "P5" or "P6"
  const char* extension;  // ".pgm" for grey, ".ppm" for colour
  bool colour;
  bool plain;
};

inline constexpr std::array<ImageFormat, 4> image_formats{{
    {"P2", ".pgm", false, true},
    {"P3", ".ppm", true, true},
    {"P5", ".pgm", false, false},
    {"P6", ".ppm", true, false},
}};

// The map size of every generated world but the refused one.
inline constexpr int generated_width = 2000;
inline constexpr int generated_height = 2000;

// The refused world: a 69x23 map whose foreground layer is one pixel wide and this many rows
// tall, so it is loaded whole before it is refused for its size.
inline constexpr int refused_layer_height = 4'000'000;

// How full the tables of a generated world are: as full as the cell codes allow, or one entry
// each, as in most worlds, which hold few problems; the codes layer then holds only the codes
// those entries name, free ground, the finish and obstacles.
enum class TableFill { full, one_entry };
inline constexpr std::array<TableFill, 2> table_fills{TableFill::full, TableFill::one_entry};

// The name of the world of `format` with `tables`: "P5" for full tables, "P5-one-entry".
std::string world_name(const ImageFormat& format, TableFill tables);

// Writes, under `directory`, two playable one-level worlds per image format, one for each
// TableFill (subdirectory named by world_name: manifest.txt, fg, bg and codes images,
// content.txt and the four tables) and the world "refused". Every file the game reads is named
// relative to its world's directory.
void write_generated_worlds(const std::string& directory);

// The directory of the world of `format` (or "refused") under `directory`.
std::string world_directory(const std::string& directory, const std::string& world);

// The image files of a world, as its manifest names them.
std::string image_name(const char* layer, const ImageFormat& format);

}  // namespace quadrivant

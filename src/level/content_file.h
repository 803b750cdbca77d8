// The map content file: the level's size and the character shown in every cell.
#pragma once

#include <cstdio>
#include <string>
#include <vector>
#include "level/level_file.h"
#include "level/map_characters.h"

namespace quadrivant {

struct MapContent {
  int width = 0;
  int height = 0;
  MapCharacters cells;  // width x height characters, row by row from the top
};

// Reads the content file at `path`. Prints "Loading <path>  |  " to `out` once the file is open
// and "Map dimensions: <w>x<h>\n" once the size is accepted. Throws a Failure on any fault,
// naming the first faulty map row by its number (1 for the top row).
// Relative paths are taken from the world's directory.
MapContent read_map_content_file(const WorldFile& world_file, std::FILE* out);

}  // namespace quadrivant

// Reading a world for the checker: every file of every level is read with the game's own
// readers, even after an earlier one was refused, so one run names every file that is wrong.
#pragma once

#include <string>
#include <vector>

#include "checker/finding.h"
#include "level/manifest.h"
#include "level/world.h"

namespace quadrivant {

struct WorldRead {
  Manifest manifest;
  World world;
  bool complete = false;  // every file of every level loaded and the layers fit their maps
};

// Reads the world in `directory` (the working directory if empty). Every refusal the game would
// print becomes an error naming its file. A world whose manifest is refused has no levels.
WorldRead read_world_for_check(const std::string& directory, Findings& findings);

// What a level looks like, for its map preview: its content file and colour layers, read with the
// game's readers from the world in `directory`.
struct LevelPicture {
  Level level;               // its size, content and colour layers (no codes or tables)
  std::string content_file;  // the content file as the manifest names it
};

// Level `k` of the world in `directory`. Throws a Failure (standard error, status 1) with the
// checker's line for the first file refused, or (status 2) when the world has no level `k`.
LevelPicture read_level_picture(const std::string& directory, int k);

}  // namespace quadrivant

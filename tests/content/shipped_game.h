// The shipped adventure as the content tests see it: the folder the game is played from, the
// world loaded from it the way the game loads it, and its walkthrough.
#pragma once

#include <string>
#include <vector>

#include "level/map_data.h"

// game/ in the source tree: the working directory of `make play`.
std::string game_directory();

// The shipped world, loaded with the game's own loaders from game/ (the working directory is
// changed for the load and restored after).
MapData load_shipped_world();

// The number of problems over all levels.
int problem_count(const MapData& map);

// game/walkthrough.txt, one element per input line (without newlines).
std::vector<std::string> walkthrough_lines();

// Joins lines into program input, each ended by a newline.
std::string as_input(const std::vector<std::string>& lines);

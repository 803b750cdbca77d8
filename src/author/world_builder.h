// Turns the world's sources into the world the game loads: image layers, content, and the four
// tables of every level, with each marker's entries numbered in the order the level file
// writes them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "author/world_source.h"
#include "level/world.h"
#include "rules/game_state.h"

namespace quadrivant {

struct BuiltWorld {
  std::string title;
  std::vector<std::string> level_names;                         // [level]
  std::vector<std::map<char32_t, std::vector<Cell>>> cells_of;  // [level]: each character's cells
  World levels;                                                 // the world as the game loads it
};

// The level's index by name, or -1.
int find_level(const BuiltWorld& world, const std::string& name);

// Builds the world. Throws a Failure (world_source.h), naming the file and line, when the sources
// break a rule: an unknown map character, rows of unequal width, a map smaller than 69 x 23, a
// marker missing from its map or not declared, a spot or start marker on more than one cell, the
// start marker anywhere but the start cell of level 0 (rules/game_state.h), a door to an unknown
// level or spot, a gate whose key is not an information marker (or whose key already opens another
// gate), an answer or count too large for the game, too many entries for the cell codes, or a text
// that does not fit its panel.
BuiltWorld build_world(const WorldSource& source);

}  // namespace quadrivant

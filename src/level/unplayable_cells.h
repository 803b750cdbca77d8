// The cells a game could not play: what the game refuses at load time, after every file has been
// read, so that nothing in play can look past a table or a map.
#pragma once

#include <string>
#include <vector>

#include "level/world.h"

namespace quadrivant {

// A cell the game could not play: where it is and what is wrong with it.
struct UnplayableCell {
  int level = 0;
  int x = 0;
  int y = 0;
  std::string what;  // e.g. "code 300 is not a cell code (0 to 255)"
};

// Every such cell, in level order and then row by row: a code outside 0..255, a code that names
// a table entry its level lacks, an information code 200 + k without obstruction entry k on the
// same level, a room transition to a missing level or to a cell outside that level's map, a
// foreground or background colour outside 0..255 (one fault a cell: its code first). At most
// `most` of them, so a level that is wrong everywhere costs no more than that.
std::vector<UnplayableCell> unplayable_cells(const World& world, std::size_t most);

// The cells of level `k` that the game could not play: the first `most` of them, row by row, and
// how many there are in all.
struct LevelFaults {
  std::vector<UnplayableCell> first;
  std::size_t count = 0;
};
LevelFaults unplayable_cells_of_level(const World& world, std::size_t k, std::size_t most);

// "(;^_^) Oopsie! Level <l>, cell (<x>, <y>): <what>!\n"
std::string unplayable_cell_message(const UnplayableCell& cell);

// Throws a Failure (standard output) naming the level, the cell (x, y) and the code for the
// first cell, in level order and then row by row, whose code is outside 0..255, names a table
// entry its level lacks, is an information code 200 + k without obstruction entry k on the same
// level, or is a room transition to a missing level or to a cell outside that level's map; or
// whose foreground or background colour is outside 0..255 (the code is judged first).
void refuse_unplayable_world(const World& world);

// What keeps the player from being put on `target`'s cell, in words ("leads to level 7, but the
// world has only levels 0 to 4"), or "" when the level exists and holds the cell.
std::string transition_target_fault(const World& world, const RoomTransition& target);

}  // namespace quadrivant

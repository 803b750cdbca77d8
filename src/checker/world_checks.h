// The checks of a world that loads: what the game does not refuse but a player would meet as a
// fault. Each finding is about a level's table entry or cell, or about the whole world.
#pragma once

#include <string>

#include "checker/finding.h"
#include "level/world.h"

namespace quadrivant {

// Every cell the game would refuse to play (level/unplayable_cells.h), as errors: at most `most`
// named on each level, and one finding that counts the others.
Findings unplayable_cell_findings(const World& world, std::size_t most);

// For a world without level data faults:
//   errors: problem answers no player can type; a start cell that is not free ground; room
//     transitions that land on a cell that is not free ground (a warning for one that no cell
//     uses and that leads to no level, or off its map); ground the player reaches on the
//     map's edge, from which a move would look past it; no finish, or none that can be reached;
//   warnings: problems, information entries, doors and gates that can never be walked into or
//     opened, given what can be opened; information entries that need more problems than the
//     world holds; texts that do not show whole in their panel or split a word; table entries
//     that no cell uses or can use; a finish that can be walked into with no problem solved.
Findings play_findings(const World& world);

}  // namespace quadrivant

// Where a player can get to: the ground reachable from the start cell on every level, following
// doors, and the blocking cells walked into on the way; and which gates can be opened at all, by
// solving the problems in reach. Built on the game's own rules of walking (rules/movement.h),
// answers (rules/answers.h) and gates (rules/gates.h).
#pragma once

#include <limits>
#include <map>
#include <vector>

#include "level/world.h"

namespace quadrivant {

// [level][obstruction]: whether that gate counts as open.
using GateSet = std::vector<std::vector<bool>>;

struct Reach {
  std::vector<std::vector<bool>> ground;     // [level][y * width + x]: the player gets there
  std::vector<std::map<int, Cell>> touched;  // [level]: codes walked into, each at a first cell
};

// Every gate closed.
GateSet closed_gates(const World& world);

// Floods from the start cell over free ground and the gates of `open`; a door walked into leads
// on to its target cell, from which the flood goes on. The world must hold no unplayable cell.
Reach explore(const World& world, const GateSet& open);

struct Opening {
  GateSet open;      // the gates that can be opened
  Reach reach;       // with those open
  int solvable = 0;  // the problems in reach whose answer can be typed
};

// What a player can open: solve every problem in reach whose answer can be typed, open every gate
// whose information entry is in reach and unlocks with that many solved, and go on through the
// gates opened, until nothing more opens. One flood over the world, which goes on from a gate's
// cells when the gate opens, so the work grows with the cells, not with the gates times the
// cells. With `most_solved`, no gate needing more problems than that opens, as for a player who
// solves no more. The world must hold no unplayable cell.
Opening open_what_can_be_opened(const World& world,
                                int most_solved = std::numeric_limits<int>::max());

}  // namespace quadrivant

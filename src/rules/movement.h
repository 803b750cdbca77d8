// Moves: which cells a walk crosses, and where it stops. The one rule of what lets a walk pass,
// used by the game, the level checker's reach and the authoring tool's route alike.
#pragma once

#include <vector>

#include "level/world.h"
#include "rules/commands.h"
#include "rules/game_state.h"

namespace quadrivant {

// What a walk meets on `cell` of `level`: its code, or beyond the map's edge a cell that always
// blocks (the obstacle code).
int code_at(const Level& level, Cell cell);

// Whether a cell of `code` lets a walk pass, given the gates of its level that are `cleared`
// ([obstruction]): free ground, and an obstruction once it has been cleared.
bool is_passable(int code, const std::vector<bool>& cleared);

struct Scan {
  int steps = 0;  // the passable cells walked before the first blocking one
  int code = 0;   // the code of the last cell read: the blocking cell, or the last one walked on
};

// Scans up to `steps` cells from the player's cell of the current level in `direction`. With no
// cell read, the code is 0.
Scan scan_path(const World& world, const GameState& state, const Direction& direction, int steps);

// The player's cell after walking `steps` cells in `direction`.
Cell walked(Cell from, const Direction& direction, int steps);

}  // namespace quadrivant

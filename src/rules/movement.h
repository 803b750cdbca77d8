// Moves: which cells a walk crosses, and where it stops.
#pragma once

#include "level/world.h"
#include "rules/commands.h"
#include "rules/game_state.h"

// Whether a cell of `code` on the current level lets a walk pass: free ground, and an obstruction
// once it has been cleared.
bool is_passable(const GameState& state, int code);

struct Scan {
  int steps = 0;  // the passable cells walked before the first blocking one
  int code = 0;   // the code of the last cell read: the blocking cell, or the last one walked on
};

// Scans up to `steps` cells from the player's cell of the current level in `direction`. A cell
// beyond the collision layer blocks like the obstacle code. With no cell read, the code is 0.
Scan scan_path(const World& world, const GameState& state, const Direction& direction, int steps);

// The player's cell after walking `steps` cells in `direction`.
Cell walked(Cell from, const Direction& direction, int steps);

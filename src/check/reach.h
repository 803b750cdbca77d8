// Where a player can get to: the ground reachable from the start cell on every level, following
// doors, and the blocking cells walked into on the way, given which gates are open; and which
// gates can be opened at all, by solving the problems in reach.
#pragma once

#include <map>
#include <vector>

#include "level/world.h"
#include "rules/game_state.h"

// [level][obstruction]: whether that gate counts as open.
using GateSet = std::vector<std::vector<bool>>;

struct Reach {
  std::vector<std::vector<bool>> ground;     // [level][y * width + x]: the player gets there
  std::vector<std::map<int, Cell>> touched;  // [level]: codes walked into, each at its first cell
};

// Floods from the start cell over free ground and the gates of `open`; a door walked into leads
// on to its target cell, from which the flood goes on.
Reach explore(const World& world, const GateSet& open);

// Every gate closed.
GateSet closed_gates(const World& world);

struct Opening {
  GateSet open;      // the gates that can be opened
  Reach reach;       // with those open
  int solvable = 0;  // the problems in reach whose answer can be typed
};

// Rounds of "solve every problem in reach whose answer can be typed; open every gate whose
// information entry is in reach and needs no more problems than that", until nothing more opens.
Opening open_what_can_be_opened(const World& world);

// Whether a problem's answer can be typed: the player types digits only.
constexpr bool answer_can_be_typed(const Problem& problem) {
  return problem.answer >= 0;
}

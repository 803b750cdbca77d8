// Where a player can go: the ground reachable in every level, following doors, with a chosen set
// of gates open, and the rules of reach the shipped world must keep.
#pragma once

#include <functional>
#include <set>
#include <vector>

#include "world_builder.h"

// Which obstructions count as open: (level, obstruction entry) -> open.
using GateRule = std::function<bool(const World& world, int level, int entry)>;

// A gate that some information entry of its level can open.
bool gate_can_open(const World& world, int level, int entry);

struct Reach {
  std::vector<std::vector<std::vector<char>>> ground;  // [level][y][x]: 1 if the player gets there
  std::vector<std::set<int>> touched;  // [level]: codes of the blocking cells walked into
};

// Floods from `origins` (level, cell) over free ground and the gates that `open` says are open.
// With `follow_doors`, every door walked into adds its target cell as a further origin.
Reach explore(const BuiltWorld& world, const std::vector<std::pair<int, Cell>>& origins,
              GateRule open, bool follow_doors);

// Throws SourceError unless: the start and every door's target are free ground; all ground
// reachable from them, with every gate open that can open, is enclosed by cells that always
// block, so no move ever looks past the map's edge; every problem, information entry and finish
// can be walked into; and the finish needs some problems solved but fewer than the world holds,
// and a player who solves the problems in reach, gate by gate, gets there.
void check_world_reach(const BuiltWorld& world);

// The state of one game: where the player stands and what has been done. The world itself never
// changes; every flag of progress lives here. Nothing is saved: every game starts on level 0 with
// nothing solved.
#pragma once

#include <vector>

#include "level/world.h"

// A map cell: x from 0 at the left, y from 0 at the top.
struct Cell {
  int x = 0;
  int y = 0;
  friend bool operator==(const Cell&, const Cell&) = default;
};

// Where every game starts: this cell of level 0.
inline constexpr Cell start_cell{19, 13};

struct GameState {
  // A fresh game on `world`: level 0, the start cell, nothing solved, unlocked or cleared.
  explicit GameState(const World& world);

  int current_level = 0;
  Cell player = start_cell;  // the cell the player stands on, of the current level
  int solved_count = 0;      // problems solved over all levels
  bool running = true;       // cleared by quit, by the end of input and by the finish

  // Progress flags, [level][entry], only ever set: a problem solved, an information entry
  // unlocked, an obstruction cleared (by the information entry of the same index).
  std::vector<std::vector<bool>> solved;
  std::vector<std::vector<bool>> unlocked;
  std::vector<std::vector<bool>> cleared;

  friend bool operator==(const GameState&, const GameState&) = default;
};

// The state of one game: where the player stands and what has been done. The world itself never
// changes; every flag of progress lives here. Nothing is saved: every game starts on level 0 with
// nothing solved, unless an author trying a world asks for another start.
#pragma once

#include <cstddef>
#include <vector>

#include "level/world.h"

namespace quadrivant {

// Where every game starts: this cell of level 0.
inline constexpr Cell start_cell{19, 13};

// Where a game starts. A player's game starts as the defaults say; an author trying a world may
// start on another cell, and with problems counted as solved so that late gates open.
struct GameStart {
  int level = 0;
  Cell player = start_cell;
  int solved = 0;  // problems counted as solved, though none of them is marked solved
};

class GameState {
 public:
  // A game on `world` as `start` says, with no problem solved, unlocked or cleared.
  explicit GameState(const World& world, const GameStart& start = {});

  int current_level = 0;
  Cell player = start_cell;  // the cell the player stands on, of the current level
  bool running = true;       // cleared by quit, by the end of input and by the finish

  // Progress flags, [level][entry], only ever set: an information entry unlocked, an obstruction
  // cleared (by the information entry of the same index).
  std::vector<std::vector<bool>> unlocked;
  std::vector<std::vector<bool>> cleared;

  // Whether problem `k` of `level` has been solved.
  bool is_solved(std::size_t level, std::size_t k) const { return solved_[level][k]; }
  // Marks problem `k` of `level` solved. The count of problems solved is kept with the flags, so
  // a problem counts once however often it is marked.
  void mark_solved(std::size_t level, std::size_t k);
  // The problems solved over all levels, with those counted as solved at the start.
  int solved_count() const { return solved_count_; }

  friend bool operator==(const GameState&, const GameState&) = default;

 private:
  std::vector<std::vector<bool>> solved_;  // [level][problem]
  int solved_count_ = 0;
};

// The level the player is on.
inline const Level& current_level_of(const World& world, const GameState& state) {
  return world[static_cast<std::size_t>(state.current_level)];
}

}  // namespace quadrivant

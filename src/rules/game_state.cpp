#include "rules/game_state.h"

namespace quadrivant {

GameState::GameState(const World& world, const GameStart& start)
    : current_level(start.level), player(start.player), solved_count_(start.solved) {
  for (const Level& level : world) {
    solved_.emplace_back(level.problems.size(), false);
    unlocked.emplace_back(level.infos.size(), false);
    cleared.emplace_back(level.obstructions.size(), false);
  }
}

void GameState::mark_solved(std::size_t level, std::size_t k) {
  if (solved_[level][k]) return;
  solved_[level][k] = true;
  ++solved_count_;
}

}  // namespace quadrivant

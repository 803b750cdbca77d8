#include "rules/game_state.h"

GameState::GameState(const World& world) {
  for (const Level& level : world) {
    solved.emplace_back(level.problems.size(), false);
    unlocked.emplace_back(level.infos.size(), false);
    cleared.emplace_back(level.obstructions.size(), false);
  }
}

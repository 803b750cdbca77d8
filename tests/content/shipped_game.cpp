#include "shipped_game.h"

#include "level/manifest.h"

std::string game_directory() {
  return std::string(QUADRIVANT_SOURCE_DIR) + "/game";
}

World load_shipped_world() {
  return load_world(nullptr, game_directory());
}

int problem_count(const World& world) {
  int total = 0;
  for (const Level& level : world) total += static_cast<int>(level.problems.size());
  return total;
}

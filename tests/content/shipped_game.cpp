#include "shipped_game.h"

#include "level/manifest.h"

namespace quadrivant {

std::string game_directory() {
  return std::string(QUADRIVANT_SOURCE_DIR) + "/game";
}

World load_shipped_world() {
  return load_world(nullptr, game_directory());
}

}  // namespace quadrivant

// The shipped adventure as the content tests see it: the folder the game is played from and the
// world loaded from it the way the game loads it.
#pragma once

#include <string>

#include "level/world.h"

namespace quadrivant {

// game/ in the source tree: the working directory of `make play`.
std::string game_directory();

// The shipped world, loaded with the game's own loaders from game/, without reports.
World load_shipped_world();

}  // namespace quadrivant

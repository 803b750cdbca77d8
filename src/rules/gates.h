// When a gate opens: an information entry unlocks, and opens the gate of its level that pairs with
// it, once enough problems (over all levels) have been solved when the player walks into it.
#pragma once

#include "level/cell_codes.h"
#include "level/world.h"

namespace quadrivant {

// Whether `info` unlocks for a player who has solved `solved` problems.
constexpr bool unlocks(const Information& info, int solved) {
  return solved >= info.required;
}

}  // namespace quadrivant

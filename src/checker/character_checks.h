// Characters the game cannot draw as themselves in one cell (base/cell_fit.h): in a level's map
// and in its texts, a character two columns wide or none, or a byte that is not UTF-8. The game
// shows U+FFFD in their place; the checker names each as an error.
#pragma once

#include <cstddef>

#include "checker/finding.h"
#include "level/world.h"

namespace quadrivant {

// One error for each such character of a content file, at the first cell that holds it (with how
// many more do), and one for each such character of a text; at most `most` in all.
Findings character_findings(const World& world, std::size_t most);

}  // namespace quadrivant

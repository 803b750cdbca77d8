// The small world the checker tests spoil, one fault at a time.
#pragma once

#include <vector>

#include "support/test_world.h"

namespace quadrivant {

// Level 0: the player starts on (19, 13); a problem two cells up; an information entry two cells
// down that opens the gate column x = 30 once one problem is solved; a door to level 1 beyond the
// gate. Level 1: the finish three cells right of the arrival.
std::vector<TestLevel> sound_world();

}  // namespace quadrivant

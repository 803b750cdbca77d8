// The small world the fuzz targets play and seed from: two levels that hold every kind of cell
// event.
#pragma once

#include "level/world.h"

namespace quadrivant {

// The player starts on (19, 13) of the hall. From there: "r 5" meets a problem, "u 3" an
// information text that opens the gate met by "l 5" once one problem is solved, "d 4" a door to
// the tower, where "r 6" reaches the finish and "u 5" a door back to the hall.
World event_world();

}  // namespace quadrivant

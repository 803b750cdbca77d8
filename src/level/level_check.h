// The load-time check of a whole world: refuses level data that would break the game in play.
#pragma once

#include "level/map_data.h"

// Throws LoadError (standard output) naming the level, the cell (x, y) and the code for the
// first cell, in level order and then row by row, whose code is outside 0..255, names a table
// entry its level lacks, is an information code 200 + k without obstruction entry k on the same
// level, or is a room transition to a missing level or to a cell outside that level's map; or
// whose foreground or background colour is outside 0..255 (the code is judged first).
void check_level_data(const MapData& map);

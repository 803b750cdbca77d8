// The game itself: title page, then turn after turn until quit, the end of input or the finish.
#pragma once

#include "level/map_data.h"
#include "screen/console.h"

// Draws the frame and the title page, then plays turns (frame, map, marker, prompt, one line
// read, dispatch) until the game ends. `map` must have passed check_level_data.
void play_game(Console& console, MapData& map);

// The game itself: title page, then turn after turn until quit, the end of input or the finish.
#pragma once

#include "level/world.h"
#include "screen/console.h"

// Draws the frame and the title page, then plays turns (frame, map, marker, prompt, one line
// read, dispatch) until the game ends. `world` must have passed check_level_data.
void play_game(Console& console, const World& world);

// The game itself: title page, then turn after turn until quit, the end of input or the finish.
#pragma once

#include "level/world.h"
#include "rules/game_state.h"
#include "screen/terminal/console.h"

namespace quadrivant {

// Draws the frame and the title page, then plays turns (frame, map, marker, prompt, one line
// read, its command carried out) until the game ends, from `start`, which must be free ground of
// the world. `world` must hold no unplayable cell (level/unplayable_cells.h).
void play_game(Console& console, const World& world, const GameStart& start = {});

}  // namespace quadrivant

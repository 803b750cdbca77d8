// The two halves of the animation played when the player changes level: the viewport closes,
// then opens on the new level.
#pragma once

#include "level/world.h"
#include "screen/picture/viewport.h"
#include "screen/terminal/console.h"

namespace quadrivant {

// Closes the viewport from both sides towards the middle column: 35 frames, 20 ms each.
void level_fadeout(Console& console);

// Opens the viewport on `level` at `view` from the middle row outwards: 12 frames, 70 ms each.
void reveal_level(Console& console, const Level& level, View view);

}  // namespace quadrivant

// Full-screen pages (title, help, goodbye, winning), the confirmation loop, and the two halves
// of the animation played when the player changes level. All draw inside the frame only.
#pragma once

#include "level/world.h"
#include "screen/console.h"
#include "screen/viewport.h"

// Title page with the block-letter title; holds it for 7 x 500 ms and reads no input.
void start(Console& console);

// Help page; returns once the player confirms it (wait_for_ok).
void help(Console& console);

// Goodbye page; holds it for 3 x 500 ms, then leaves the cursor on row 26 with attributes reset.
void quit(Console& console);

// Winning page; returns once the player confirms it, leaving the terminal as quit does.
void finish(Console& console);

// Reads lines until one is empty or exactly "ok"; every other line makes the prompt blink.
// Returns as if confirmed once the input has ended.
void wait_for_ok(Console& console);

// Closes the viewport from both sides towards column 36: 35 frames, 20 ms each.
void level_fadeout(Console& console);

// Opens the viewport on `level` at `view` from the middle row outwards: 12 frames, 70 ms each.
void reveal_level(Console& console, const Level& level, View view);

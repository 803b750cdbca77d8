// Cell events as the player sees them: the rule of the cell that stopped a move (rules/events.h)
// shown with panels, pages and the level-change animation.
#pragma once

#include "level/world.h"
#include "rules/game_state.h"
#include "screen/console.h"

// Applies the rule of `code` with the player standing next to its cell and shows what it means:
// a text in an information panel; a problem asked in the problem panel, judged, and its solved
// text or the WRONG banner; the fade-out and reveal of a level change; the winning page.
void handle_collision(Console& console, const World& world, GameState& state, int code);

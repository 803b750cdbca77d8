// Cell events as the player sees them: the event that walking into a cell brought
// (rules/cell_events.h), shown with panels, pages and the level-change animation, and the
// player's answers and confirmations read on the way.
#pragma once

#include "level/world.h"
#include "rules/cell_events.h"
#include "rules/game_state.h"
#include "screen/terminal/console.h"

namespace quadrivant {

// Walking into a cell of `code`, with the player standing next to it: applies its rule
// (touch_cell) and shows the event: a text in an information panel until confirmed; a problem
// asked in the problem panel, its answer judged, then its solved text until confirmed or the
// WRONG banner; the fade-out and reveal of a level change; the winning page until confirmed.
void play_cell_event(Console& console, const World& world, GameState& state, int code);

}  // namespace quadrivant

// Cell codes and their events. Codes: 0 free ground; 1..49 obstruction 49 - code; 50..99 room
// transition code - 50; 100..199 problem code - 100; 200..253 information entry code - 200
// (unlocking it clears obstruction code - 200 of the same level); 254 finish; 255 obstacle.
#pragma once

#include "game/game_state.h"
#include "level/map_data.h"
#include "screen/console.h"

// The panel text shown when the player walks into an obstacle (code 255).
inline constexpr const char* obstacle_text = "\t\t\t\t                    (There is an obstacle!)";

// Applies the rule of `code`, the cell that stopped the last move, to the game: opens panels,
// changes level, sets progress flags, or shows the winning page and clears state.running.
void handle_collision(Console& console, MapData& map, GameState& state, int code);

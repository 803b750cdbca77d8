// Cell events: what happens when a move is stopped by a cell (the code scheme is in
// level/cell_codes.h).
#pragma once

#include "game/game_state.h"
#include "level/map_data.h"
#include "screen/console.h"

// The panel text shown when the player walks into an obstacle (code 255).
inline constexpr const char* obstacle_text = "\t\t\t\t                    (There is an obstacle!)";

// Applies the rule of `code`, the cell that stopped the last move, with the player standing next
// to it at state.view:
//   free ground and cleared obstructions: nothing;
//   an obstruction not yet cleared: its text in an information panel;
//   a room transition: fade-out, the player set on the target cell of the target level (view =
//     target - (34, 11)), reveal;
//   a problem: asked while unsolved, its solved text once solved;
//   an information entry: its unlocked text if unlocked or if state.solved_count has reached its
//     number (which unlocks it and clears obstruction code - 200 of the level first), else its
//     locked text;
//   the finish: the winning page, then state.running = 0;
//   the obstacle: obstacle_text.
// Requires `map` to have passed check_level_data, so every entry a code names exists.
void handle_collision(Console& console, MapData& map, GameState& state, int code);

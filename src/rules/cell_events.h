// What walking into a cell means: the rule of every cell code, and what a right answer changes.
// Plain rules: the game shows the event they decide (game/cell_event_screens.h).
#pragma once

#include <string_view>

#include "level/world.h"
#include "rules/game_state.h"

namespace quadrivant {

// The text shown when the player walks into an obstacle (code 255).
inline constexpr std::string_view obstacle_text =
    "\t\t\t\t                    (There is an obstacle!)";

enum class CellEventKind {
  nothing,       // free ground or a cleared obstruction
  show_text,     // a panel with `text`
  ask_problem,   // problem `problem` of the current level, its question in `text`
  change_level,  // the player has been moved: level and cell are already the new ones
  finish,        // the game is won: running is already cleared
};

struct CellEvent {
  CellEventKind kind = CellEventKind::nothing;
  std::string_view text;  // into the world's tables, or obstacle_text
  int problem = 0;
};

// Applies the rule of `code`, the cell that stopped the last move, with the player standing next
// to it, and says what to show:
//   free ground and cleared obstructions: nothing;
//   an obstruction not yet cleared: its text;
//   a room transition: the player is put on its target cell of its target level;
//   a problem: asked while unsolved, its solved text once solved;
//   an information entry: its unlocked text if unlocked or if it unlocks now (rules/gates.h),
//     which clears its gate first, else its locked text;
//   the finish: running cleared;
//   the obstacle: obstacle_text.
// Requires `world` to hold no unplayable cell (level/unplayable_cells.h), so every entry a code
// names exists.
CellEvent touch_cell(const World& world, GameState& state, int code);

// Judges `answer` to problem `problem` of the current level (rules/answers.h). A right answer
// marks the problem solved, which counts it. Returns whether it was right.
bool answer_problem(const World& world, GameState& state, int problem, std::string_view answer);

}  // namespace quadrivant

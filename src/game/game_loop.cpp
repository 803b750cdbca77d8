#include "game/game_loop.h"

#include <string>

#include "game/events.h"
#include "rules/commands.h"
#include "rules/game_state.h"
#include "rules/movement.h"
#include "screen/drawing_step.h"
#include "screen/frame.h"
#include "screen/pages.h"
#include "screen/viewport.h"
#include "screen/walking.h"

namespace {

const Level& current_level(const World& world, const GameState& state) {
  return world[static_cast<std::size_t>(state.current_level)];
}

// Walks as far as the path allows, then lets the cell that stopped the walk have its event.
void move(Console& console, const World& world, GameState& state, const Direction& direction,
          int steps) {
  const Scan scan = scan_path(world, state, direction, steps);
  const View view = move_player(console, current_level(world, state), view_of(state.player),
                                scan.steps * direction.step_x, scan.steps * direction.step_y);
  state.player = player_of(view);
  handle_collision(console, world, state, scan.code);
}

void end_game(Console& console, GameState& state) {
  quit(console);
  state.running = false;
}

// One turn: a fresh screen, one line read, its command carried out. A closed input ends the
// game like "quit", so the loop never spins on it. A screen disturbed while the player types
// is cleared and the turn begins again, which redraws the whole picture.
void play_turn(Console& console, const World& world, GameState& state, std::string& line) {
  start_clean_if_disturbed(console);
  generate_border(console);
  draw_map(console, current_level(world, state), view_of(state.player));
  draw_player(console, 0, 0);
  reset_console(console);
  const LineRead read = read_line(console, line);
  if (read == LineRead::disturbed) return;
  if (read == LineRead::ended) return end_game(console, state);
  const Command command = parse_command(line);
  switch (command.kind) {
    case CommandKind::quit:
      return end_game(console, state);
    case CommandKind::help:
      return help(console);
    case CommandKind::move:
      return move(console, world, state, *command.direction, command.steps);
    case CommandKind::unusable:
      return bad_input(console);
  }
}

}  // namespace

void play_game(Console& console, const World& world) {
  GameState state(world);
  std::string line;
  start_clean_if_disturbed(console);
  generate_border(console);
  start(console);
  while (state.running) play_turn(console, world, state, line);
}

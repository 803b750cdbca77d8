#include "game/game_loop.h"

#include <string>

#include "game/cell_event_screens.h"
#include "game/player_lines.h"
#include "game/waiting_screens.h"
#include "rules/commands.h"
#include "rules/game_state.h"
#include "rules/movement.h"
#include "screen/pages/pages.h"
#include "screen/picture/frame.h"
#include "screen/picture/viewport.h"
#include "screen/picture/walking.h"

namespace quadrivant {

namespace {

// Walks as far as the path allows, then shows the event of the cell that stopped the walk.
void move(Console& console, const World& world, GameState& state, const Direction& direction,
          int steps) {
  const Scan scan = scan_path(world, state, direction, steps);
  const View view = move_player(console, current_level_of(world, state), view_of(state.player),
                                scan.steps * direction.step_x, scan.steps * direction.step_y);
  state.player = player_of(view);
  play_cell_event(console, world, state, scan.code);
}

void end_game(Console& console, GameState& state) {
  show_goodbye_page(console);
  state.running = false;
}

// A fresh screen: frame, map, marker and the prompt waiting for a line.
void draw_turn(Console& console, const World& world, const GameState& state) {
  start_clean_if_disturbed(console);
  draw_frame(console);
  end_drawing_step(console);
  draw_map(console, current_level_of(world, state), view_of(state.player));
  draw_player(console, 0, 0);
  draw_prompt(console);
}

// One turn: a fresh screen, one line read, its command carried out. A closed input ends the game
// like "quit", so the loop never spins on it. A screen disturbed while the player types is
// cleared and the turn begins again, which redraws the whole picture.
void play_turn(Console& console, const World& world, GameState& state, std::string& line) {
  draw_turn(console, world, state);
  const LineRead read = read_line_on_clean_screen(console, line);
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

void play_game(Console& console, const World& world, const GameStart& start) {
  GameState state(world, start);
  std::string line;
  start_clean_if_disturbed(console);
  draw_frame(console);
  end_drawing_step(console);
  show_title_page(console);
  while (state.running) play_turn(console, world, state, line);
}

}  // namespace quadrivant

#include "game/cell_event_screens.h"

#include <string>

#include "game/player_lines.h"
#include "game/waiting_screens.h"
#include "screen/pages/transitions.h"
#include "screen/panels/panels.h"
#include "screen/picture/viewport.h"

namespace quadrivant {

namespace {

View view_of_player(const GameState& state) {
  return view_of(state.player);
}

// Asks the problem and shows the judgement: the solved text until confirmed, or the WRONG banner
// (also when no answer comes, the input having ended), which the next turn paints over.
void problem_panel(Console& console, const World& world, GameState& state, const CellEvent& event) {
  const Level& level = current_level_of(world, state);
  const View view = view_of_player(state);
  open_problem_panel(console, event.text);
  std::string answer;
  const OpenPanel asking{PanelBottom::border_line, false, event.text};
  if (!read_player_line(console, answer, [&] { draw_open_panel(console, level, view, asking); }) ||
      !answer_problem(world, state, event.problem, answer)) {
    blink_wrong_answer(console);
    return;
  }
  const OpenPanel solved{PanelBottom::confirm_line, true,
                         level.problems[static_cast<std::size_t>(event.problem)].solved_text};
  show_solved_text(console, solved.text);
  wait_for_ok(console, [&] { draw_open_panel(console, level, view, solved); });
  lower_panel(console, level, view);
}

void show_cell_event(Console& console, const World& world, GameState& state,
                     const CellEvent& event) {
  // A level change has already moved the player: the fade-out needs nothing of the level left.
  const Level& level = current_level_of(world, state);
  switch (event.kind) {
    case CellEventKind::nothing:
      break;
    case CellEventKind::show_text:
      info_panel(console, level, view_of_player(state), event.text);
      break;
    case CellEventKind::ask_problem:
      problem_panel(console, world, state, event);
      break;
    case CellEventKind::change_level:
      level_fadeout(console);
      reveal_level(console, level, view_of_player(state));
      break;
    case CellEventKind::finish:
      finish(console);
      break;
  }
}

}  // namespace

void play_cell_event(Console& console, const World& world, GameState& state, int code) {
  const CellEvent event = touch_cell(world, state, code);
  show_cell_event(console, world, state, event);
}

}  // namespace quadrivant

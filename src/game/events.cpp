#include "game/events.h"

#include "rules/events.h"
#include "screen/pages.h"
#include "screen/panels.h"
#include "screen/viewport.h"

namespace {

// Asks the problem and shows the judgement: the solved text until confirmed, or the WRONG banner
// (also when no answer comes, the input having ended), which the next turn paints over.
void problem_panel(Console& console, const World& world, GameState& state, const Event& event) {
  const Level& level = world[static_cast<std::size_t>(state.current_level)];
  const std::optional<std::string> answer = ask_in_problem_panel(console, event.text);
  if (!answer || !answer_problem(world, state, event.problem, *answer)) {
    panel_blink_wrong_solution(console);
    return;
  }
  show_solved_text(console, level, view_of(state.player),
                   level.problems[static_cast<std::size_t>(event.problem)].solved_text);
}

}  // namespace

void handle_collision(Console& console, const World& world, GameState& state, int code) {
  // The fade-out needs nothing of the level being left, so the rule may move the player first.
  const Event event = touch_cell(world, state, code);
  const Level& level = world[static_cast<std::size_t>(state.current_level)];
  switch (event.kind) {
    case EventKind::nothing:
      break;
    case EventKind::show_text:
      info_panel(console, level, view_of(state.player), event.text);
      break;
    case EventKind::ask_problem:
      problem_panel(console, world, state, event);
      break;
    case EventKind::change_level:
      level_fadeout(console);
      reveal_level(console, level, view_of(state.player));
      break;
    case EventKind::finish:
      finish(console);
      break;
  }
}

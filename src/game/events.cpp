#include "game/events.h"

#include "level/cell_codes.h"
#include "screen/pages.h"
#include "screen/panels.h"

namespace {

void show(Console& console, const MapData& map, const GameState& state, std::string_view text) {
  info_panel(console, map, state.current_level, state.view, text);
}

void touch_obstruction(Console& console, const MapData& map, const GameState& state, int k) {
  const ObstructionTable& obstructions = map.obstructions[state.current_level];
  if (!obstructions.cleared[k]) show(console, map, state, obstructions.text[k]);
}

void enter_room_transition(Console& console, const MapData& map, GameState& state, int k) {
  const RoomTransition target = map.transitions[state.current_level][k];
  level_fadeout(console);
  state.view = View{target.x - 34, target.y - 11};
  state.current_level = target.level;
  reveal_level(console, map, state.current_level, state.view);
}

void touch_problem(Console& console, MapData& map, GameState& state, int code) {
  const DialogueTable& problems = map.problems[state.current_level];
  const int k = entry_index(code);
  if (problems.flag[k])
    show(console, map, state, problems.second_text[k]);
  else
    problem_panel(console, map, state.current_level, state.view, code, state.solved_count);
}

// The entry unlocks only when walked into: reaching its count elsewhere opens nothing.
void touch_information(Console& console, MapData& map, const GameState& state, int k) {
  DialogueTable& infos = map.infos[state.current_level];
  if (!infos.flag[k] && state.solved_count >= infos.number[k]) {
    infos.flag[k] = 1;
    map.obstructions[state.current_level].cleared[k] = 1;
  }
  show(console, map, state, infos.flag[k] ? infos.second_text[k] : infos.first_text[k]);
}

}  // namespace

void handle_collision(Console& console, MapData& map, GameState& state, int code) {
  const int k = entry_index(code);
  switch (cell_kind(code)) {
    case CellKind::obstruction:
      touch_obstruction(console, map, state, k);
      break;
    case CellKind::room_transition:
      enter_room_transition(console, map, state, k);
      break;
    case CellKind::problem:
      touch_problem(console, map, state, code);
      break;
    case CellKind::information:
      touch_information(console, map, state, k);
      break;
    case CellKind::finish:
      finish(console);
      state.running = 0;
      break;
    case CellKind::obstacle:
      show(console, map, state, obstacle_text);
      break;
    case CellKind::free_ground:
    case CellKind::not_a_code:
      break;
  }
}

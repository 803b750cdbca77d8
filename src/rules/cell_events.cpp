#include "rules/cell_events.h"

#include "level/cell_codes.h"
#include "rules/answers.h"
#include "rules/gates.h"

namespace quadrivant {

namespace {

CellEvent show(std::string_view text) {
  return {CellEventKind::show_text, text};
}

CellEvent touch_obstruction(const World& world, const GameState& state, std::size_t k) {
  if (state.cleared[static_cast<std::size_t>(state.current_level)][k]) return {};
  return show(current_level_of(world, state).obstructions[k].text);
}

CellEvent enter_room_transition(const World& world, GameState& state, std::size_t k) {
  const RoomTransition target = current_level_of(world, state).transitions[k];
  state.current_level = target.level;
  state.player = {target.x, target.y};
  return {CellEventKind::change_level, {}, 0};
}

CellEvent touch_problem(const World& world, const GameState& state, std::size_t k) {
  const Problem& problem = current_level_of(world, state).problems[k];
  if (state.is_solved(static_cast<std::size_t>(state.current_level), k)) {
    return show(problem.solved_text);
  }
  return {CellEventKind::ask_problem, problem.question, static_cast<int>(k)};
}

// The entry unlocks only when walked into: reaching its count elsewhere opens nothing.
CellEvent touch_information(const World& world, GameState& state, std::size_t k) {
  const auto level = static_cast<std::size_t>(state.current_level);
  const Information& entry = world[level].infos[k];
  if (!state.unlocked[level][k] && unlocks(entry, state.solved_count())) {
    state.unlocked[level][k] = true;
    state.cleared[level][static_cast<std::size_t>(gate_of_information(static_cast<int>(k)))] = true;
  }
  return show(state.unlocked[level][k] ? entry.unlocked_text : entry.locked_text);
}

}  // namespace

CellEvent touch_cell(const World& world, GameState& state, int code) {
  const auto k = static_cast<std::size_t>(entry_index(code));
  switch (cell_kind(code)) {
    case CellKind::obstruction:
      return touch_obstruction(world, state, k);
    case CellKind::room_transition:
      return enter_room_transition(world, state, k);
    case CellKind::problem:
      return touch_problem(world, state, k);
    case CellKind::information:
      return touch_information(world, state, k);
    case CellKind::finish:
      state.running = false;
      return {CellEventKind::finish, {}, 0};
    case CellKind::obstacle:
      return show(obstacle_text);
    case CellKind::free_ground:
    case CellKind::not_a_code:
      break;
  }
  return {};
}

bool answer_problem(const World& world, GameState& state, int problem, std::string_view answer) {
  const auto level = static_cast<std::size_t>(state.current_level);
  const auto k = static_cast<std::size_t>(problem);
  if (!is_right_answer(answer, world[level].problems[k].answer)) return false;
  state.mark_solved(level, k);
  return true;
}

}  // namespace quadrivant

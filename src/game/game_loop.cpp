#include "game/game_loop.h"

#include <array>
#include <string>
#include <string_view>

#include "game/events.h"
#include "game/game_state.h"
#include "game/input.h"
#include "game/movement.h"
#include "screen/drawing_step.h"
#include "screen/frame.h"
#include "screen/pages.h"
#include "screen/viewport.h"

namespace {

// A move command: its two words, the cell a step leads to, and the most steps one command may
// take, which keeps the walking marker inside the viewport.
struct Direction {
  std::string_view word;
  std::string_view short_word;
  int step_x;
  int step_y;
  int maximum;
};

constexpr std::array<Direction, 4> directions = {{
    {"right", "r", 1, 0, max_horizontal_steps},
    {"left", "l", -1, 0, max_horizontal_steps},
    {"down", "d", 0, 1, max_vertical_steps},
    {"up", "u", 0, -1, max_vertical_steps},
}};

const Direction* find_direction(std::string_view word) {
  for (const Direction& direction : directions)
    if (str_compare(word, direction.word) || str_compare(word, direction.short_word))
      return &direction;
  return nullptr;
}

// The steps a count asks for, or -1 unless it is all digits and not above the maximum (a count
// above it is refused, never cut down).
int step_count(const Direction& direction, std::string_view count) {
  if (!str_is_int(count)) return -1;
  const long long steps = str_to_int(count);
  return steps <= direction.maximum ? static_cast<int>(steps) : -1;
}

// Walks as far as the path allows, then lets the cell that stopped the walk have its event.
void move(Console& console, MapData& map, GameState& state, const Direction& direction, int steps) {
  const int walked = scan_path(map, state.current_level, state.view, direction.step_x,
                               direction.step_y, steps, state.pending_code);
  state.view = move_player(console, map, state.current_level, state.view, walked * direction.step_x,
                           walked * direction.step_y);
  handle_collision(console, map, state, state.pending_code);
}

void end_game(Console& console, GameState& state) {
  quit(console);
  state.running = 0;
}

void dispatch(Console& console, MapData& map, GameState& state, const InputData& input) {
  const std::string& word = input.tokens[0];
  if (input.token_count == 1) {
    if (str_compare(word, "quit"))
      end_game(console, state);
    else if (str_compare(word, "help"))
      help(console);
    else
      bad_input(console);
    return;
  }
  if (input.token_count == 2) {
    if (const Direction* direction = find_direction(word)) {
      const int steps = step_count(*direction, input.tokens[1]);
      if (steps >= 0) return move(console, map, state, *direction, steps);
    }
  }
  bad_input(console);
}

// One turn: a fresh screen, one line read, its command carried out. A closed input ends the
// game like "quit", so the loop never spins on it. A screen disturbed while the player types
// is cleared and the turn begins again, which redraws the whole picture.
void play_turn(Console& console, MapData& map, GameState& state, std::string& line,
               InputData& input) {
  start_clean_if_disturbed(console);
  generate_border(console);
  draw_map(console, map, state.current_level, state.view);
  draw_player(console, 0, 0);
  reset_console(console);
  state.pending_code = 0;
  const LineRead read = read_line(console, line);
  if (read == LineRead::disturbed) return;
  if (read == LineRead::ended) return end_game(console, state);
  make_input_data(input, line);
  dispatch(console, map, state, input);
}

}  // namespace

void play_game(Console& console, MapData& map) {
  GameState state;
  std::string line;
  InputData input;
  start_clean_if_disturbed(console);
  generate_border(console);
  start(console);
  while (state.running) play_turn(console, map, state, line, input);
}

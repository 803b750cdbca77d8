#include "screen/panels.h"

#include <cstdio>
#include <string>

#include "game/input.h"
#include "screen/frame.h"
#include "screen/pages.h"
#include "screen/panel_lines.h"

namespace {

// Questions and information texts: colour 151 on the panel's background.
void show_panel_text(Console& console, std::string_view text) {
  std::fputs("\x1b[38;5;151m", console.out);
  fill_panel_text(console, text, 1);
  reset_console(console);
}

// Digits only (leading zeros allowed) whose value is `number`. An answer of 11 digits is judged
// as the large number it is.
bool is_right_answer(std::string_view answer, int number) {
  return str_is_int(answer) && str_to_int(answer) == number;
}

// Teal panel with the solved text and "[ok]", until the player confirms.
void show_solved_text(Console& console, std::string_view text) {
  write_confirm_line(console, 24);
  paint_interior(console, InteriorPaint::solved);
  std::fputs("\x1b[38;5;16m", console.out);
  fill_panel_text(console, text, 1);
  reset_console(console);
  wait_for_ok(console);
}

}  // namespace

void info_panel(Console& console, const MapData& map, int level, View view, std::string_view text) {
  raise_panel(console, PanelBottom::confirm_line);
  show_panel_text(console, text);
  wait_for_ok(console);
  lower_panel(console, map, level, view);
}

void problem_panel(Console& console, MapData& map, int level, View view, int code,
                   int& solved_count) {
  DialogueTable& problems = map.problems[level];
  const std::size_t entry = static_cast<std::size_t>(code - 100);
  raise_panel(console, PanelBottom::border_line);
  show_panel_text(console, problems.first_text[entry]);
  std::string answer;
  // An answer that never comes (the input has ended) is no right answer.
  if (!get_input(console, answer) || !is_right_answer(answer, problems.number[entry])) {
    panel_blink_wrong_solution(console);
    return;
  }
  problems.flag[entry] = 1;
  ++solved_count;
  show_solved_text(console, problems.second_text[entry]);
  lower_panel(console, map, level, view);
}

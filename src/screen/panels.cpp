#include "screen/panels.h"

#include <cstdio>
#include <string>

#include "screen/frame.h"
#include "screen/geometry.h"
#include "screen/pages.h"
#include "screen/panel_lines.h"

namespace {

// Questions and information texts: colour 151 on the panel's background.
void show_panel_text(Console& console, std::string_view text) {
  std::fputs("\x1b[38;5;151m", console.out);
  fill_panel_text(console, text, panel_text_margin);
  reset_console(console);
}

}  // namespace

void info_panel(Console& console, const Level& level, View view, std::string_view text) {
  raise_panel(console, PanelBottom::confirm_line);
  show_panel_text(console, text);
  wait_for_ok(console);
  lower_panel(console, level, view);
}

std::optional<std::string> ask_in_problem_panel(Console& console, std::string_view question) {
  raise_panel(console, PanelBottom::border_line);
  show_panel_text(console, question);
  std::string answer;
  if (!get_input(console, answer)) return std::nullopt;
  return answer;
}

void show_solved_text(Console& console, const Level& level, View view, std::string_view text) {
  write_confirm_line(console, panel_bottom_row);
  paint_interior(console, InteriorPaint::solved);
  std::fputs("\x1b[38;5;16m", console.out);
  fill_panel_text(console, text, panel_text_margin);
  reset_console(console);
  wait_for_ok(console);
  lower_panel(console, level, view);
}

#include "game/player_lines.h"

#include "rules/input_words.h"
#include "screen/picture/frame.h"

namespace quadrivant {

LineRead read_line_on_clean_screen(Console& console, std::string& line) {
  const LineRead read = read_line(console, line);
  if (read == LineRead::disturbed) start_clean(console);
  if (read == LineRead::line) start_clean_if_disturbed(console);
  return read;
}

namespace {

// Draws the waiting screen again if the picture has started clean since `drawn`.
void draw_again_if_cleaned(Console& console, int& drawn, const Redraw& redraw) {
  if (console.clean_starts == drawn) return;
  redraw();
  drawn = console.clean_starts;
}

}  // namespace

bool read_player_line(Console& console, std::string& line, const Redraw& redraw) {
  int drawn = console.clean_starts;
  for (;;) {
    const LineRead read = read_line_on_clean_screen(console, line);
    draw_again_if_cleaned(console, drawn, redraw);
    if (read == LineRead::line) return true;
    if (read == LineRead::ended) return false;
  }
}

void wait_for_ok(Console& console, const Redraw& redraw) {
  std::string line;
  while (read_player_line(console, line, redraw)) {
    if (str_compare(line, "") || str_compare(line, "ok")) return;
    const int before_blink = console.clean_starts;
    bad_input(console);
    // A screen disturbed during the blink is drawn again at once.
    if (console.clean_starts != before_blink) redraw();
  }
}

}  // namespace quadrivant

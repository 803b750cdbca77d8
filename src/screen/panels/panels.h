// Message panels: a box that rises from the bottom of the viewport over rows 14..24, shows a text
// and sinks again. An information panel shows a text with "[ok]" on its bottom line; a problem
// panel asks a question without it, and once answered right shows the solved text on teal, or
// blinks the WRONG banner. The panels only draw: the game waits for the player in between.
#pragma once

#include <string_view>

#include "level/world.h"
#include "screen/picture/viewport.h"
#include "screen/terminal/console.h"

namespace quadrivant {

// Which line closes the bottom of a rising panel.
enum class PanelBottom { confirm_line, border_line };

// Lays `text` out in the panel's text area (rules/panel_text.h: a tab starts a new row, a full
// row continues on the next, the rest past the last row is cut) in the current colours, every
// character placed by itself so cells the text does not reach keep what was there. Does not
// flush.
void fill_panel_text(Console& console, std::string_view text);

// Opening animation: 11 frames, each after a 100 ms wait, the last with the whole panel on rows
// 14..24 and a blank interior.
void raise_panel(Console& console, PanelBottom bottom);

// Closing animation: 11 frames over the freshly drawn map of `level` at `view`, marker and
// prompt, each followed by a 100 ms wait, the last leaving only the confirm line on row 24.
void lower_panel(Console& console, const Level& level, View view);

// Raises an information panel and shows `text` in it, with the prompt waiting below.
void open_info_panel(Console& console, std::string_view text);

// Raises a problem panel (no "[ok]") and shows `question` in it, with the prompt waiting below.
void open_problem_panel(Console& console, std::string_view question);

// In the open problem panel after a right answer: "[ok]" on the bottom line and the solved text
// on teal, with the prompt waiting below.
void show_solved_text(Console& console, std::string_view text);

// What a panel open in front of the player shows.
struct OpenPanel {
  PanelBottom bottom = PanelBottom::confirm_line;
  bool solved = false;  // the solved text on teal
  std::string_view text;
};

// A panel open over the map as the player waits at it: the map of `level` at `view`, the marker,
// the whole panel with its text, and the prompt. For a screen disturbed while the panel waits.
void draw_open_panel(Console& console, const Level& level, View view, const OpenPanel& panel);

// The WRONG banner in the open problem panel: three cycles of two 200 ms halves, left in colour
// 203 on black.
void blink_wrong_answer(Console& console);

}  // namespace quadrivant

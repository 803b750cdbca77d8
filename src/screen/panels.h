// Message panels: a box that rises from the bottom of the viewport over rows 14..24, shows a
// text and sinks again. Information panels wait for confirmation; problem panels read and
// judge one answer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "level/world.h"
#include "screen/console.h"
#include "screen/viewport.h"

// Which line closes the bottom of a rising panel.
enum class PanelBottom { confirm_line, border_line };

// Lays `text` out in the panel's text area (rows 15..23, columns margin + 4 .. 68 - margin) in
// the current colours: a tab starts a new row, a full row continues on the next, and anything
// past row 23 is cut. Does not flush.
void fill_panel_text(Console& console, std::string_view text, int margin);

// Opening animation: 11 frames, each after a 100 ms wait.
void raise_panel(Console& console, PanelBottom bottom);

// Closing animation: 11 frames over the freshly drawn map of `level` at `view`, marker and
// prompt, each followed by a 100 ms wait.
void lower_panel(Console& console, const Level& level, View view);

// Shows `text`, waits for confirmation, closes over `level` at `view`.
void info_panel(Console& console, const Level& level, View view, std::string_view text);

// The problem panel: rises without "[ok]", shows `question` and reads one answer line; nothing
// once the input has ended.
std::optional<std::string> ask_in_problem_panel(Console& console, std::string_view question);

// After a right answer: "[ok]" and the solved text on teal in the open problem panel until the
// player confirms, then the panel closes over `level` at `view`.
void show_solved_text(Console& console, const Level& level, View view, std::string_view text);

// The WRONG banner: three cycles of two 200 ms halves in the open panel.
void panel_blink_wrong_solution(Console& console);

// Message panels: a box that rises from the bottom of the viewport over rows 14..24, shows a
// text and sinks again. Information panels wait for confirmation; problem panels read and
// judge one answer.
#pragma once

#include <string_view>

#include "level/map_data.h"
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

// Closing animation: 11 frames over the freshly drawn map, marker and prompt, each followed by a
// 100 ms wait.
void lower_panel(Console& console, const MapData& map, int level, View view);

// Shows `text`, waits for confirmation, closes.
void info_panel(Console& console, const MapData& map, int level, View view, std::string_view text);

// Asks problem `code` - 100 of `level` and judges one answer line. A right answer sets the
// problem's flag, adds 1 to solved_count and shows the solved text until confirmed; a wrong
// answer (or the end of input) plays the WRONG banner and leaves the panel on screen.
void problem_panel(Console& console, MapData& map, int level, View view, int code,
                   int& solved_count);

// The WRONG banner: three cycles of two 200 ms halves in the open panel.
void panel_blink_wrong_solution(Console& console);

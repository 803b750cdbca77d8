// The game waiting for the player: the lines read at the prompt, and the confirmation that pages
// and panels wait for. Every read first shows the prompt (drawn by the caller); a screen
// disturbed while the player types starts clean and, where the game waits at a page or a panel,
// shows it again as it was.
#pragma once

#include <functional>
#include <string>

#include "screen/terminal/console.h"

namespace quadrivant {

// read_line (screen/terminal/console.h), and the picture's fresh start when the screen was
// disturbed: a disturbed wait leaves a clear screen and the frame for the caller to draw on; a
// disturbance noticed after a line came in leaves them for the drawing that follows.
LineRead read_line_on_clean_screen(Console& console, std::string& line);

// Draws the whole picture a waiting screen shows, prompt included: what the player sees again
// after the screen was disturbed (resized, or back from the background) and started clean.
using Redraw = std::function<void()>;

// Reads until a line comes or the input ends. A screen disturbed meanwhile is drawn again by
// `redraw` before the line is read on, and before a line read after the disturbance is handed
// back. Returns false, leaving `line` empty, once the input has ended or cannot be read.
bool read_player_line(Console& console, std::string& line, const Redraw& redraw);

// Reads lines until one is empty or exactly "ok"; every other line makes the prompt blink. A
// screen disturbed meanwhile is drawn again by `redraw`. The end of the input counts as the
// confirmation, so a closed input never leaves the game waiting.
void wait_for_ok(Console& console, const Redraw& redraw);

}  // namespace quadrivant

// The game waiting for the player: the lines read at the prompt, and the confirmation that pages
// and panels wait for. Every read first shows the prompt (drawn by the caller); a screen
// disturbed while the player types starts clean.
#pragma once

#include <string>

#include "screen/terminal/console.h"

namespace quadrivant {

// read_line (screen/terminal/console.h), and the picture's fresh start when the screen was
// disturbed: a disturbed wait leaves a clear screen and the frame for the caller to draw on; a
// disturbance noticed after a line came in leaves them for the drawing that follows.
LineRead read_line_on_clean_screen(Console& console, std::string& line);

// Reads until a line comes or the input ends; a disturbed screen gets the frame and the prompt
// again meanwhile. Returns false, leaving `line` empty, once the input has ended or cannot be
// read.
bool read_player_line(Console& console, std::string& line);

// Reads lines until one is empty or exactly "ok"; every other line makes the prompt blink. The
// end of the input counts as the confirmation, so a closed input never leaves the game waiting.
void wait_for_ok(Console& console);

}  // namespace quadrivant

// The screen's permanent furniture: the frame around the 71 x 25 screen, the prompt box hanging
// from the title bar and its blink; and the start of a drawing step on a screen that a resize or
// the shell has disturbed. Positions are 1-based (row, column); the viewport is rows 2..24,
// columns 2..70.
#pragma once

#include "screen/terminal/console.h"

namespace quadrivant {

// Draws the whole frame (rows 1..25, columns 1..71), which also blanks the viewport in the
// frame's background. Does not flush; the cursor is left after the last '#' of row 25.
void draw_frame(Console& console);

// Draws the prompt box on rows 2..3 and leaves the cursor at the input position (row 2, column
// 32) with the prompt's colours selected, where the terminal echoes what the player types. Ends
// the drawing step: it is drawn before every read of a line.
void draw_prompt(Console& console);

// Blinks the prompt marker and input field twice: four steps, each shown for 100 ms. Leaves the
// cursor inside the box; bad_input puts it back.
void blink_prompt(Console& console);

// The one reaction to an unusable line: blink_prompt, then draw_prompt.
void bad_input(Console& console);

// Parks the cursor on the parking position (row 25, column 71), out of the picture. Does not
// flush.
void park_cursor(Console& console);

// A clear-screen and the whole frame, not flushed: a disturbed screen's fresh start, which the
// drawing that follows goes out with in one write.
void start_clean(Console& console);

// start_clean if the screen has been disturbed since the last look.
void start_clean_if_disturbed(Console& console);

// Waits `ms` before the next step, which starts clean if the screen was disturbed meanwhile.
void wait_for_next_step(Console& console, int ms);

// Ends the drawing step, then waits for the next: an animation frame shown for `ms`.
void show_step_and_wait(Console& console, int ms);

}  // namespace quadrivant

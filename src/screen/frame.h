// The screen's permanent furniture: the frame around the 71 x 25 screen, the prompt box hanging
// from the title bar, and the blink that rejects an unusable line. Positions are 1-based
// (row, column); the viewport is rows 2..24, columns 2..70.
#pragma once

#include "screen/console.h"

// Draws the whole frame (rows 1..25, columns 1..71), which also blanks the viewport in colour
// 235. Does not flush; the cursor is left after the last '#' of row 25.
void write_frame(Console& console);

// write_frame, then the end of the drawing step (a flush).
void generate_border(Console& console);

// Draws the prompt box on rows 2..3 and leaves the cursor at the input position (row 2,
// column 32) with background 235 and foreground 36 selected. Flushes once at the end.
void reset_console(Console& console);

// Blinks the prompt marker and input field twice: four flushed steps, each followed by a 100 ms
// wait. Leaves the cursor inside the box; bad_input puts it back.
void console_blink(Console& console);

// The one reaction to an unusable line: console_blink, then reset_console.
void bad_input(Console& console);

// Parks the cursor on the parking position (row 25, column 71). Does not flush.
void move_cursor_away(Console& console);

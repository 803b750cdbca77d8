// The terminal's size at start. The picture needs 71 columns and 25 rows, and the row below it
// takes the cursor when the game hands the terminal back to the shell.
#pragma once

#include "screen/geometry.h"
#include "screen/terminal/console.h"

namespace quadrivant {

inline constexpr int needed_columns = screen_columns;
inline constexpr int needed_rows = below_picture_row;

// When console.out is a terminal smaller than needed, says so in one plain line naming both
// sizes, then waits until the terminal has been enlarged enough, for 5 seconds at the most. It
// reads no input, so lines typed ahead stay for the game. Does nothing when console.out is not
// a terminal or does not tell its size.
void warn_if_terminal_too_small(Console& console);

}  // namespace quadrivant

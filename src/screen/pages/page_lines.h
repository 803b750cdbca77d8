// The two strokes every full-screen page is drawn with: a black viewport, and lines of pale
// yellow text on it.
#pragma once

#include <string_view>

#include "screen/terminal/console.h"

namespace quadrivant {

// Paints the 23 viewport rows black, which leaves black on black selected.
void clear_page(Console& console);

// Writes `text` on `row` from column 2, after `leading_blanks` blanks, in pale yellow on the
// background left selected before (black on a cleared page). Does not flush.
void write_page_line(Console& console, int row, int leading_blanks, std::string_view text);

}  // namespace quadrivant

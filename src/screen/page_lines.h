// The two strokes every full-screen page is drawn with: a black viewport, and lines of pale
// yellow text on it.
#pragma once

#include <string_view>

#include "screen/console.h"

// Paints the 23 viewport rows black (colour 16 on 16), which leaves those colours selected.
void clear_page(Console& console);

// Writes `text` on `row` from column 2, after `leading_blanks` blanks, in colour 228 on the
// background left selected before (black on a cleared page). Does not flush.
void write_page_line(Console& console, int row, int leading_blanks, std::string_view text);

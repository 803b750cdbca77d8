// The lines a message panel is built from. Each is written whole, on one screen row, and sets
// its own colours; none flushes.
#pragma once

#include "screen/console.h"
#include "screen/panels.h"

// 67 '#' in colour 43 on 236 across columns 3..69.
void write_border_line(Console& console, int row);

// '#' on columns 3 and 69 around 65 blanks of the panel's background 236.
void write_middle_line(Console& console, int row);

// A border line with the label "[ok]" in colour 151 on columns 56..59.
void write_confirm_line(Console& console, int row);

// The confirm line or the border line, as `bottom` says.
void write_bottom_line(Console& console, PanelBottom bottom, int row);

// Border line at `top_row`, middle lines from row 24 up to the row below it, and the bottom line
// at row 24: the panel open from `top_row` (24 = only the bottom line) down to the viewport's
// last row.
void write_panel_rows(Console& console, int top_row, PanelBottom bottom);

// Colours that fill the panel's interior behind a text.
enum class InteriorPaint { solved, wrong_first_half, wrong_second_half };

// Fills interior rows 23 up to 15, columns 4..68, with blanks in `paint`'s colours, which stay
// selected for the text written next.
void paint_interior(Console& console, InteriorPaint paint);

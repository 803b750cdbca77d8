// How a text is laid out in a message panel, without drawing it: the game draws these rows, and
// the authoring tools check texts against them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "screen/geometry.h"

// The first and last column of a panel's text area with `margin`: inside the panel's border
// characters, `margin` blank columns on either side.
constexpr int panel_text_first_column(int margin) {
  return panel_first_column + 1 + margin;
}
constexpr int panel_text_last_column(int margin) {
  return panel_last_column - 1 - margin;
}

// The rows `text` fills, from the panel's first text row down: a tab starts a new row, a full row
// continues on the next, and a line break asked for on the last row ends the text (the rest is
// not shown). At most panel_text_rows rows, each at most as wide as the text area; a row may be
// empty.
std::vector<std::string> lay_out_panel_text(std::string_view text, int margin = panel_text_margin);

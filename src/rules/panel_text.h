// How a text shows in a message panel, without drawing it: the panel's text area, the layout of
// a text in it, and the one rule of whether a text fits. The screen draws these rows; the level
// checker and the authoring tool judge texts by them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quadrivant {

// The panel's text area: 9 rows of 63 characters, each a UTF-8 character (or a byte that is not
// part of one: base/utf8.h) in a cell of its own.
inline constexpr int panel_text_rows = 9;
inline constexpr int panel_text_columns = 63;

// The rows `text` fills, from the panel's first text row down: a tab starts a new row, a full row
// continues on the next, and a line break asked for on the last row ends the text (the rest is
// not shown). At most panel_text_rows rows of at most panel_text_columns characters; a row may be
// empty (a full row followed by a tab leaves one).
std::vector<std::string> lay_out_panel_text(std::string_view text);

// "" if `text` shows whole in a panel with every word on one panel line; else what goes wrong, in
// words: the text is cut after the panel's last line, or a line longer than the panel splits a
// word where the panel wraps it.
std::string panel_text_fault(std::string_view text);

}  // namespace quadrivant

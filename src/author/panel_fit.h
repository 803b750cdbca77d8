// Whether a text, laid out by the author in panel rows, shows in a message panel exactly as
// written: every row on a panel line of its own, in the game's own layout (rules/panel_text.h).
#pragma once

#include <string>
#include <vector>

namespace quadrivant {

// The panel text of `rows`: the rows joined by tabs, which the panel reads as line breaks.
std::string join_panel_rows(const std::vector<std::string>& rows);

// "" if every row lands on the panel line of its number, else what goes wrong, naming the row
// from 1: a row too long for a panel line, a text of more lines than the panel shows, or a full
// row before a break (which leaves an empty panel line). Rows count UTF-8 characters, each of
// which must be printable and one column wide (base/cell_fit.h): anything else is reported too.
std::string panel_fit_fault(const std::vector<std::string>& rows);

}  // namespace quadrivant

// Whether a text, laid out by the author in panel rows, shows in a message panel exactly as
// written: every row on a panel line of its own, nothing cut after the ninth line, no word split.
#pragma once

#include <string>
#include <vector>

// The panel text of `rows`: the rows joined by tabs, which the panel reads as line breaks.
std::string join_panel_rows(const std::vector<std::string>& rows);

// Lays the joined rows out with the game's own panel layout and compares: returns "" if every
// character lands on the panel line of its row, else what goes wrong (a row too long for the
// 63 columns, or a text of more than 9 lines, which the panel cuts), naming the row from 1.
// Rows must hold printable ASCII only: anything else is reported too.
std::string panel_fit_fault(const std::vector<std::string>& rows);

// The map preview, `quadrivant-check --map LEVEL`: a whole level in its colours, with rulers that
// label every tenth column and every row, so an author reads the coordinates of any cell off it
// (x counts columns from 0 at the left, y rows from 0 at the top, as everywhere in the game).
#pragma once

#include <cstdio>
#include <string>

#include "level/world.h"

namespace quadrivant {

// Writes `level` to `out`: a heading naming it, then the column rulers (the tens, labelled every
// ten cells, and every column's last digit), each map row after its number, and the column rulers
// again. Each cell is its character in its colours (a control byte as a blank, as the game shows
// it; a colour outside the xterm palette as the terminal's own). Every line is written whole,
// however wide the map: page it with `less -RS`.
void print_map_preview(std::FILE* out, const Level& level, const std::string& heading);

}  // namespace quadrivant

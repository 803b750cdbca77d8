// What the screen tests look at: the player's screen (through TerminalScreen), the cells each
// drawing positions, and maps whose every cell can be told apart on screen.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "level/map_data.h"
#include "screen/viewport.h"
#include "support/terminal_screen.h"

// (row, column) -> how often a cursor-position sequence "\e[row;columnH" appears in `bytes`.
std::map<std::pair<int, int>, int> cursor_positions(std::string_view bytes);

// The flushes from `first` (0-based) to `last` inclusive, joined.
std::string joined_flushes(const std::vector<std::string>& flushes, std::size_t first,
                           std::size_t last);

// A one-level world of width x height cells whose cells name their coordinates on screen: map
// cell (x, y) shows background 100 + x % 100, foreground 20 + y % 100 and a letter from x and y.
MapData coordinate_map(int width, int height);
int coordinate_background(int x);
int coordinate_foreground(int y);
char coordinate_character(int x, int y);

// True if screen cell (row, column) shows map cell (x, y) of a coordinate map.
bool shows_map_cell(const TerminalScreen& screen, int row, int column, int x, int y);

// True if the cell is a blank in background `background` and foreground `foreground`.
bool shows_blank(const TerminalScreen& screen, int row, int column, int background, int foreground);

// True if no cell of the viewport shows any cell of a coordinate map.
bool viewport_shows_no_map(const TerminalScreen& screen);

// What the screen tests look at: the player's screen (through TerminalScreen), the cells a
// drawing positions, and maps whose every cell can be told apart on screen.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <utility>

#include "level/map_data.h"
#include "support/terminal_screen.h"

// (row, column) -> how often a cursor-position sequence "\e[row;columnH" appears in `bytes`.
std::map<std::pair<int, int>, int> cursor_positions(std::string_view bytes);

// A one-level world of width x height cells whose cells name their coordinates on screen, with
// two problems: "What is 3 + 4?" (7) and "The biggest number?" (INT_MAX).
MapData coordinate_map(int width, int height);

// True if screen cell (row, column) shows map cell (x, y) of a coordinate map.
bool shows_map_cell(const TerminalScreen& screen, int row, int column, int x, int y);

// Whether `text` stands on `row` from `column`, every cell on `background` and every non-blank
// character in `foreground` (a blank shows no foreground).
testing::AssertionResult shows_text(const TerminalScreen& screen, int row, int column,
                                    std::string_view text, int foreground, int background);

// Whether the prompt box is whole and the cursor waits at the input position.
bool waits_at_prompt(const TerminalScreen& screen);

inline std::pair<int, int> cursor(const TerminalScreen& screen) {
  return {screen.cursor_row(), screen.cursor_column()};
}
inline constexpr std::pair<int, int> parked{25, 71};

// Checks of the screen as the player sees it, shared by the screen and game tests: text with its
// colours, the cursor, the prompt box and the message panel's frame.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

#include "support/terminal_screen.h"

namespace quadrivant {

// Whether `text` stands on `row` from `column`, every cell on `background` and every non-blank
// character in `foreground` (a blank shows no foreground).
testing::AssertionResult shows_text(const TerminalScreen& screen, int row, int column,
                                    std::string_view text, int foreground, int background);

// The cursor as (row, column), and where the game parks it.
std::pair<int, int> cursor(const TerminalScreen& screen);
inline constexpr std::pair<int, int> parked{25, 71};

// Whether the prompt box is whole and the cursor waits at the input position.
bool waits_at_prompt(const TerminalScreen& screen);

// Whether the panel stands from `top` to row 24: a border line of '#' in 43 on 236, empty middle
// lines, and at the bottom the border line or the confirm line with "[ok]" in 151.
testing::AssertionResult panel_from(const TerminalScreen& screen, int top, bool ok);

// A row of the panel's interior, columns 4..68, holding `text`.
std::string interior(std::string text);

}  // namespace quadrivant

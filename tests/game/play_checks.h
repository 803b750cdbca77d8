// Helpers for playing the game in tests: the screen as the player saw it, a check of the
// viewport against a level's map, and recorded waits.
#pragma once

#include <initializer_list>
#include <vector>

#include <gtest/gtest.h>

#include "screen/picture/viewport.h"
#include "support/fake_console.h"
#include "support/terminal_screen.h"
#include "support/test_world.h"

namespace quadrivant {

// Feeds `screen` what the terminal showed when the game began to read line `line_read` (counted
// from 0), or everything flushed for -1.
void show(TerminalScreen& screen, const FakeConsole& fake, int line_read = -1);

// Whether rows first_row..last_row of the viewport show `level` at `view` (each map cell's
// character where the view puts it, blanks beyond the map; the prompt box aside) and the player
// marker on (marker_row, marker_column), or no marker for row 0.
testing::AssertionResult shows_map(const TerminalScreen& screen, const Level& level, View view,
                                   int marker_row = 13, int marker_column = 36, int first_row = 2,
                                   int last_row = 24);

// Recorded waits in order, and the waits of the game's animations.
using Waits = std::vector<int>;
Waits joined(std::initializer_list<Waits> parts);
inline Waits walk(int steps, bool across) {  // the marker walks, then the map scrolls
  return joined({Waits(steps, across ? 100 : 150), Waits(steps, across ? 150 : 200)});
}
inline const Waits title_waits(7, 500), goodbye_waits(3, 500), blink_waits(4, 100);
inline const Waits info_panel_waits(22, 100);  // rise, then fall
inline const Waits wrong_answer_waits = joined({Waits(11, 100), Waits(6, 200)});
inline const Waits fade_and_reveal_waits = joined({Waits(35, 20), Waits(12, 70)});

}  // namespace quadrivant

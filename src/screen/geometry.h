// Where everything stands on the game's screen: 1-based (row, column) positions, as in the
// terminal's cursor-position sequence. The screen is 25 rows by 71 columns inside a frame.
#pragma once

#include "level/world.h"
#include "rules/panel_text.h"

namespace quadrivant {

inline constexpr int screen_rows = 25;
inline constexpr int screen_columns = 71;

// The viewport, inside the frame: 23 rows by 69 columns.
inline constexpr int viewport_first_row = 2;
inline constexpr int viewport_last_row = 24;
inline constexpr int viewport_first_column = 2;
inline constexpr int viewport_last_column = 70;
inline constexpr int viewport_rows = viewport_last_row - viewport_first_row + 1;
inline constexpr int viewport_columns = viewport_last_column - viewport_first_column + 1;

// The home cell of the player marker, in the middle of the viewport: the player always stands
// on the map cell shown there.
inline constexpr int viewport_middle_row = (viewport_first_row + viewport_last_row) / 2;  // 13
inline constexpr int viewport_middle_column =
    (viewport_first_column + viewport_last_column) / 2;  // 36
inline constexpr int home_row = viewport_middle_row;
inline constexpr int home_column = viewport_middle_column;
inline constexpr int home_offset_x = home_column - viewport_first_column;  // 34
inline constexpr int home_offset_y = home_row - viewport_first_row;        // 11

// The input position, where the player's typing shows, and the parking position of the cursor.
inline constexpr int input_row = 2;
inline constexpr int input_column = 32;
inline constexpr int parking_row = screen_rows;
inline constexpr int parking_column = screen_columns;

// The first row below the picture, where the terminal is left for the shell.
inline constexpr int below_picture_row = screen_rows + 1;

// Message panels: rows 14..24, columns 3..69 when fully open; the text area (rules/panel_text.h)
// on rows 15..23, one blank column inside each border character: columns 5..67.
inline constexpr int panel_top_row = 14;
inline constexpr int panel_bottom_row = 24;
inline constexpr int panel_first_column = 3;
inline constexpr int panel_last_column = 69;
inline constexpr int panel_first_text_row = panel_top_row + 1;
inline constexpr int panel_last_text_row = panel_first_text_row + panel_text_rows - 1;
inline constexpr int panel_text_margin = 1;
inline constexpr int panel_first_text_column = panel_first_column + 1 + panel_text_margin;
inline constexpr int panel_last_text_column = panel_first_text_column + panel_text_columns - 1;
static_assert(panel_last_text_row == panel_bottom_row - 1);
static_assert(panel_last_text_column == panel_last_column - 1 - panel_text_margin);

// The smallest map fills the viewport, so a level always covers it when the player stands inside.
static_assert(viewport_columns == minimum_level_width && viewport_rows == minimum_level_height);

}  // namespace quadrivant

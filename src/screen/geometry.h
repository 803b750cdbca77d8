// Where everything stands on the game's screen: 1-based (row, column) positions, as in the
// terminal's cursor-position sequence. The screen is 25 rows by 71 columns inside a frame.
#pragma once

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
inline constexpr int home_row = 13;
inline constexpr int home_column = 36;
inline constexpr int home_offset_x = home_column - viewport_first_column;  // 34
inline constexpr int home_offset_y = home_row - viewport_first_row;        // 11

// The input position, where the player's typing shows, and the parking position of the cursor.
inline constexpr int input_row = 2;
inline constexpr int input_column = 32;
inline constexpr int parking_row = screen_rows;
inline constexpr int parking_column = screen_columns;

// The first row below the picture, where the terminal is left for the shell.
inline constexpr int below_picture_row = screen_rows + 1;

// Message panels: rows 14..24, columns 3..69 when fully open; text on rows 15..23 between a
// margin and the last column.
inline constexpr int panel_top_row = 14;
inline constexpr int panel_bottom_row = 24;
inline constexpr int panel_first_column = 3;
inline constexpr int panel_last_column = 69;
inline constexpr int panel_first_text_row = 15;
inline constexpr int panel_last_text_row = 23;
inline constexpr int panel_text_margin = 1;  // every panel's margin: text on columns 5..67
inline constexpr int panel_text_rows = panel_last_text_row - panel_first_text_row + 1;  // 9

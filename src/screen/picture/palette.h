// Every fixed colour of the game's picture, by use: xterm 256-colour palette indices (the names
// in the comments describe the standard xterm palette and are only a guide).
#pragma once

namespace quadrivant {

// The frame, the prompt box and the transitions' cover.
inline constexpr int frame_background = 235;  // very dark grey
inline constexpr int frame_ink = 30;          // dark teal: the frame's '#'
inline constexpr int prompt_ink = 36;         // teal green: funnel, prompt box, typed text
inline constexpr int alarm_colour = 203;      // light red: the prompt's blink, the WRONG banner

// The map viewport and the pages.
inline constexpr int black = 16;               // beyond the map's edges; the pages' background
inline constexpr int marker_background = 160;  // red
inline constexpr int marker_ink = 255;         // near white
inline constexpr int page_ink = 228;           // pale yellow

// Message panels.
inline constexpr int panel_background = 236;  // dark grey
inline constexpr int panel_border_ink = 43;   // light teal
inline constexpr int panel_ink = 151;         // pale green: "[ok]", questions and texts
inline constexpr int solved_background = 36;  // teal
inline constexpr int solved_paint_ink = 255;
inline constexpr int solved_ink = 16;

}  // namespace quadrivant

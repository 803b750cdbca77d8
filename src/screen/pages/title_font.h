// The block letters of the title page: glyphs 3 columns wide and 5 rows high, '#' for ink, set
// 4 columns apart in two lines (rows 4..8 and 10..14), each line centred on column 36.
#pragma once

#include <string_view>

#include "screen/terminal/console.h"

namespace quadrivant {

// The first and second line of the game's title as it is set on the title page.
inline constexpr std::string_view title_first_line = "QUADRI";
inline constexpr std::string_view title_second_line = "VANT";

// Draws both lines of the title in colour 228, one page line per glyph row. Does not flush.
void draw_title(Console& console);

}  // namespace quadrivant

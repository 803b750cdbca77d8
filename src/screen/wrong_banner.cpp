#include <cstdio>
#include <string_view>

#include "screen/drawing_step.h"
#include "screen/frame.h"
#include "screen/geometry.h"
#include "screen/panel_lines.h"
#include "screen/panels.h"

namespace {

// The word WRONG in block letters on panel rows 17..20, from column 18.
constexpr std::string_view wrong_banner =
    "\t\t"
    "             ##   ##  ######  ######  ##  ##  ######\t"
    "             ## # ##  ##  ##  ##  ##  ### ##  ##\t"
    "             ## # ##  ####    ##  ##  ## ###  ## ###\t"
    "             #######  ##  ##  ######  ##  ##  ######";

void show_banner(Console& console, InteriorPaint paint) {
  paint_interior(console, paint);
  fill_panel_text(console, wrong_banner, panel_text_margin);
  move_cursor_away(console);
  show_step_and_wait(console, 200);
}

}  // namespace

void panel_blink_wrong_solution(Console& console) {
  // Ends on the second half, so the banner stays colour 203 on black until the next redraw.
  for (int cycle = 0; cycle < 3; ++cycle) {
    show_banner(console, InteriorPaint::wrong_first_half);
    show_banner(console, InteriorPaint::wrong_second_half);
  }
}

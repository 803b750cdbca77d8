#include "screen/drawing_step.h"
#include "screen/frame.h"
#include "screen/geometry.h"
#include "screen/panel_lines.h"
#include "screen/panels.h"

void raise_panel(Console& console, PanelBottom bottom) {
  // Frame i shows the panel i rows above its bottom line; the last one stands on rows 14..24.
  for (int i = 0; i <= panel_bottom_row - panel_top_row; ++i) {
    wait_for_next_step(console, 100);
    write_panel_rows(console, panel_bottom_row - i, bottom);
    end_drawing_step(console);
  }
}

void lower_panel(Console& console, const Level& level, View view) {
  // The panel sinks over a freshly drawn screen until only its confirm line is left on row 24.
  for (int k = panel_bottom_row - panel_top_row; k >= 0; --k) {
    draw_map(console, level, view);
    draw_player(console, 0, 0);
    reset_console(console);
    write_panel_rows(console, panel_bottom_row - k, PanelBottom::confirm_line);
    show_step_and_wait(console, 100);
  }
}

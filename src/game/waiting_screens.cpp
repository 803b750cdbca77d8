#include "game/waiting_screens.h"

#include "game/player_lines.h"
#include "screen/pages/pages.h"
#include "screen/panels/panels.h"

namespace quadrivant {

void help(Console& console) {
  show_help_page(console);
  wait_for_ok(console, [&] { show_help_page(console); });
}

void finish(Console& console) {
  show_winning_page(console);
  wait_for_ok(console, [&] { show_winning_page(console); });
  leave_terminal(console);
}

void info_panel(Console& console, const Level& level, View view, std::string_view text) {
  open_info_panel(console, text);
  wait_for_ok(console, [&] {
    draw_open_panel(console, level, view, {PanelBottom::confirm_line, false, text});
  });
  lower_panel(console, level, view);
}

}  // namespace quadrivant

#include "screen/pages/pages.h"

#include <cstdio>

#include "rules/commands.h"
#include "screen/pages/page_lines.h"
#include "screen/pages/title_font.h"
#include "screen/picture/cursor.h"
#include "screen/picture/frame.h"
#include "screen/terminal/signals.h"

namespace quadrivant {

namespace {

// Holds the page that `draw` draws for `count` waits of 500 ms. A screen disturbed meanwhile
// starts clean and gets the page again.
template <class Draw>
void hold_page(Console& console, int count, Draw draw) {
  draw();
  end_drawing_step(console);
  for (int i = 0; i < count; ++i) {
    const int clean_starts = console.clean_starts;
    wait_for_next_step(console, 500);
    if (console.clean_starts != clean_starts) {
      draw();
      end_drawing_step(console);
    }
  }
}

void draw_title_page(Console& console) {
  clear_page(console);
  draw_title(console);
}

void draw_goodbye_page(Console& console) {
  clear_page(console);
  write_page_line(console, 7, 26, "THANKS FOR PLAYING");
}

// Shows a finished page and draws the prompt over its top rows.
void show_with_prompt(Console& console) {
  end_drawing_step(console);
  draw_prompt(console);
}

void write_movement_line(Console& console, int row, const char* format, int max_steps) {
  char text[80];
  std::snprintf(text, sizeof text, format, max_steps);
  write_page_line(console, row, 5, text);
}

}  // namespace

void show_title_page(Console& console) {
  hold_page(console, 7, [&] { draw_title_page(console); });
}

void show_help_page(Console& console) {
  clear_page(console);
  write_page_line(console, 4, 3, "GENERAL:");
  write_page_line(console, 6, 5, "[quit]  - quits the game");
  write_page_line(console, 7, 5, "[help]  - shows this page");
  write_page_line(console, 9, 3, "MOVEMENT:");
  write_movement_line(console, 11, "[l 7] or [left 7]  - move left  a set amount of steps (max %i)",
                      max_horizontal_steps);
  write_movement_line(console, 12, "[r 1] or [right 1] - move right a set amount of steps (max %i)",
                      max_horizontal_steps);
  write_movement_line(console, 13, "[u 10] or [up 10]  - move up    a set amount of steps (max %i)",
                      max_vertical_steps);
  write_movement_line(console, 14, "[d 5] or [down 5]  - move down  a set amount of steps (max %i)",
                      max_vertical_steps);
  write_page_line(console, 16, 3, "(inputs are confirmed with ENTER)");
  write_page_line(console, 22, 24, "Press ENTER or [ok] to leave Help screen!");
  show_with_prompt(console);
}

void show_goodbye_page(Console& console) {
  hold_page(console, 3, [&] { draw_goodbye_page(console); });
  leave_terminal(console);
}

void show_winning_page(Console& console) {
  clear_page(console);
  write_page_line(console, 9, 28, "CONGRATULATIONS!");
  write_page_line(console, 10, 18, "YOU BECAME THE QUADRIVANT");
  write_page_line(console, 22, 34, "Press ENTER or [ok] to Quit!");
  show_with_prompt(console);
}

void leave_terminal(Console& console) {
  write_text(console, leave_terminal_bytes);
  end_drawing_step(console);
}

}  // namespace quadrivant

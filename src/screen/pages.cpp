#include "screen/pages.h"

#include <cstdio>

#include "rules/commands.h"
#include "screen/drawing_step.h"
#include "screen/frame.h"
#include "screen/page_lines.h"
#include "screen/terminal_signals.h"
#include "screen/title_font.h"

namespace {

// Holds a finished page on screen for `count` waits of 500 ms.
void hold_page(Console& console, int count) {
  end_drawing_step(console);
  for (int i = 0; i < count; ++i) wait_for_next_step(console, 500);
}

// Shows a finished page, draws the prompt over its top rows and waits for the player's "ok".
void wait_on_page(Console& console) {
  end_drawing_step(console);
  reset_console(console);
  wait_for_ok(console);
}

// Cursor below the frame, attributes reset, on a fresh line: the shell takes over from here.
void leave_terminal(Console& console) {
  std::fwrite(leave_terminal_bytes.data(), 1, leave_terminal_bytes.size(), console.out);
  end_drawing_step(console);
}

void write_movement_line(Console& console, int row, const char* format, int max_steps) {
  char text[80];
  std::snprintf(text, sizeof text, format, max_steps);
  write_page_line(console, row, 5, text);
}

}  // namespace

void start(Console& console) {
  clear_page(console);
  draw_title(console);
  hold_page(console, 7);
}

void help(Console& console) {
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
  wait_on_page(console);
}

void quit(Console& console) {
  clear_page(console);
  write_page_line(console, 7, 26, "THANKS FOR PLAYING");
  hold_page(console, 3);
  leave_terminal(console);
}

void finish(Console& console) {
  clear_page(console);
  write_page_line(console, 9, 28, "CONGRATULATIONS!");
  write_page_line(console, 10, 18, "YOU BECAME THE QUADRIVANT");
  write_page_line(console, 22, 34, "Press ENTER or [ok] to Quit!");
  wait_on_page(console);
  leave_terminal(console);
}

#include "screen/frame.h"

#include <cstdio>

#include "screen/drawing_step.h"
#include "screen/geometry.h"

namespace {

constexpr const char* frame_colours = "\x1b[48;5;235m\x1b[38;5;30m";

void write_repeated(Console& console, char c, int count) {
  for (int i = 0; i < count; ++i) std::fputc(c, console.out);
}

void write_title_bar(Console& console) {
  std::fprintf(console.out, "\x1b[1;1H%s", frame_colours);
  write_repeated(console, '#', 24);
  std::fputs("\x1b[38;5;36m\\\\===================//", console.out);
  std::fputs(frame_colours, console.out);
  write_repeated(console, '#', 24);
}

void write_side_rows(Console& console) {
  for (int row = viewport_first_row; row <= viewport_last_row; ++row) {
    std::fprintf(console.out, "\x1b[%i;1H%s#", row, frame_colours);
    write_repeated(console, ' ', viewport_columns);
    std::fputc('#', console.out);
  }
}

void write_bottom_row(Console& console) {
  std::fprintf(console.out, "\x1b[%i;1H%s", screen_rows, frame_colours);
  write_repeated(console, '#', screen_columns);
}

// One half of a blink cycle, shown before its 100 ms wait.
void show_blink_step(Console& console, const char* step) {
  std::fputs(step, console.out);
  show_step_and_wait(console, 100);
}

}  // namespace

void write_frame(Console& console) {
  write_title_bar(console);
  write_side_rows(console);
  write_bottom_row(console);
}

void generate_border(Console& console) {
  write_frame(console);
  end_drawing_step(console);
}

void reset_console(Console& console) {
  std::fputs(
      "\x1b[2;26H\x1b[48;5;235m\x1b[38;5;36m\\\\ >>              \x1b[48;5;235m\x1b[38;5;36m//",
      console.out);
  std::fputs("\x1b[3;27H\x1b[48;5;235m\x1b[38;5;36m\\\\===============//", console.out);
  std::fprintf(console.out, "\x1b[%i;%iH\x1b[48;5;235m\x1b[38;5;36m", input_row, input_column);
  end_drawing_step(console);
}

void console_blink(Console& console) {
  // Red marker and a red bar over the first ten input cells, then the marker back in teal.
  constexpr const char* red_step =
      "\x1b[2;29H\x1b[48;5;235m\x1b[38;5;203m>> \x1b[48;5;203m          ";
  constexpr const char* teal_step = "\x1b[2;29H\x1b[48;5;235m\x1b[38;5;36m>>           ";
  for (int cycle = 0; cycle < 2; ++cycle) {
    show_blink_step(console, red_step);
    show_blink_step(console, teal_step);
  }
}

void bad_input(Console& console) {
  console_blink(console);
  reset_console(console);
}

void move_cursor_away(Console& console) {
  std::fprintf(console.out, "\x1b[%i;%iH", parking_row, parking_column);
}

#include "screen/picture/frame.h"

#include "screen/geometry.h"
#include "screen/picture/cursor.h"
#include "screen/picture/palette.h"

namespace quadrivant {

namespace {

// The title bar: '#' on both sides of the funnel "\\===================//" in the middle.
constexpr int title_hashes = 24;
constexpr std::string_view funnel_top = "\\\\===================//";

// The prompt box: its two rows, and the blink over its marker (column 29) and input field.
constexpr int prompt_upper_column = 26;
constexpr std::string_view prompt_upper_left = "\\\\ >>              ";
constexpr std::string_view prompt_upper_right = "//";
constexpr int prompt_lower_row = 3;
constexpr int prompt_lower_column = 27;
constexpr std::string_view prompt_lower = "\\\\===============//";
constexpr int prompt_marker_column = 29;
constexpr int blink_bar_width = 10;  // columns 32..41

void set_frame_colours(Console& console) {
  set_colours(console, frame_background, frame_ink);
}

void set_prompt_colours(Console& console) {
  set_colours(console, frame_background, prompt_ink);
}

void draw_title_bar(Console& console) {
  move_cursor(console, 1, 1);
  set_frame_colours(console);
  write_repeated(console, '#', title_hashes);
  set_foreground(console, prompt_ink);
  write_text(console, funnel_top);
  set_frame_colours(console);
  write_repeated(console, '#', title_hashes);
}

void draw_side_rows(Console& console) {
  for (int row = viewport_first_row; row <= viewport_last_row; ++row) {
    move_cursor(console, row, 1);
    set_frame_colours(console);
    write_text(console, "#");
    write_repeated(console, ' ', viewport_columns);
    write_text(console, "#");
  }
}

void draw_bottom_row(Console& console) {
  move_cursor(console, screen_rows, 1);
  set_frame_colours(console);
  write_repeated(console, '#', screen_columns);
}

// One half of a blink cycle: the marker in `marker_colour`, then the input field, shown for
// 100 ms.
void show_blink_step(Console& console, int marker_colour, bool red_bar) {
  move_cursor(console, input_row, prompt_marker_column);
  set_colours(console, frame_background, marker_colour);
  if (red_bar) {
    write_text(console, ">> ");
    set_background(console, alarm_colour);
    write_repeated(console, ' ', blink_bar_width);
  } else {
    write_text(console, ">>");
    write_repeated(console, ' ', blink_bar_width + 1);
  }
  show_step_and_wait(console, 100);
}

}  // namespace

void draw_frame(Console& console) {
  draw_title_bar(console);
  draw_side_rows(console);
  draw_bottom_row(console);
}

void draw_prompt(Console& console) {
  move_cursor(console, input_row, prompt_upper_column);
  set_prompt_colours(console);
  write_text(console, prompt_upper_left);
  set_prompt_colours(console);
  write_text(console, prompt_upper_right);
  move_cursor(console, prompt_lower_row, prompt_lower_column);
  set_prompt_colours(console);
  write_text(console, prompt_lower);
  move_cursor(console, input_row, input_column);
  set_prompt_colours(console);
  end_drawing_step(console);
}

void blink_prompt(Console& console) {
  // Red marker and a red bar over the first ten input cells, then the marker back in teal.
  for (int cycle = 0; cycle < 2; ++cycle) {
    show_blink_step(console, alarm_colour, true);
    show_blink_step(console, prompt_ink, false);
  }
}

void bad_input(Console& console) {
  blink_prompt(console);
  draw_prompt(console);
}

void park_cursor(Console& console) {
  move_cursor(console, parking_row, parking_column);
}

void start_clean(Console& console) {
  clear_screen(console);
  draw_frame(console);
  ++console.clean_starts;
}

void start_clean_if_disturbed(Console& console) {
  if (take_screen_disturbance(console)) start_clean(console);
}

void wait_for_next_step(Console& console, int ms) {
  console.clock.wait(ms);
  start_clean_if_disturbed(console);
}

void show_step_and_wait(Console& console, int ms) {
  end_drawing_step(console);
  wait_for_next_step(console, ms);
}

}  // namespace quadrivant

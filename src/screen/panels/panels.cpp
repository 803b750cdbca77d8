#include "screen/panels/panels.h"

#include <cstdio>
#include <string>
#include <vector>

#include "base/utf8.h"
#include "rules/panel_text.h"
#include "screen/geometry.h"
#include "screen/picture/cursor.h"
#include "screen/picture/frame.h"
#include "screen/picture/palette.h"
#include "screen/picture/shown_character.h"

namespace quadrivant {

namespace {

// The panel's width, and its interior's between the two border characters.
constexpr int panel_width = panel_last_column - panel_first_column + 1;  // 67
constexpr int interior_width = panel_width - 2;                          // 65
// The confirm line's label, on columns 56..59.
constexpr std::string_view ok_label = "[ok]";
constexpr int ok_label_column = 56;
constexpr int hashes_before_label = ok_label_column - panel_first_column;
constexpr int hashes_after_label =
    panel_width - hashes_before_label - static_cast<int>(ok_label.size());

// The word WRONG in block letters on panel rows 17..20, from column 18.
constexpr std::string_view wrong_banner =
    "\t\t"
    "             ##   ##  ######  ######  ##  ##  ######\t"
    "             ## # ##  ##  ##  ##  ##  ### ##  ##\t"
    "             ## # ##  ####    ##  ##  ## ###  ## ###\t"
    "             #######  ##  ##  ######  ##  ##  ######";

// Colours that fill the panel's interior behind a text: the solved text's teal, and the two
// halves of the WRONG banner's blink.
struct InteriorPaint {
  int background;
  int ink;
};
constexpr InteriorPaint solved_paint{solved_background, solved_paint_ink};
constexpr InteriorPaint wrong_first_half{alarm_colour, black};
constexpr InteriorPaint wrong_second_half{black, alarm_colour};

void start_panel_line(Console& console, int row) {
  move_cursor(console, row, panel_first_column);
  set_colours(console, panel_background, panel_border_ink);
}

// 67 '#' across the panel.
void write_border_line(Console& console, int row) {
  start_panel_line(console, row);
  write_repeated(console, '#', panel_width);
}

// '#' on both sides of the blank interior.
void write_middle_line(Console& console, int row) {
  start_panel_line(console, row);
  write_text(console, "#");
  write_repeated(console, ' ', interior_width);
  write_text(console, "#");
}

// A border line with the label "[ok]".
void write_confirm_line(Console& console, int row) {
  start_panel_line(console, row);
  write_repeated(console, '#', hashes_before_label);
  set_foreground(console, panel_ink);
  write_text(console, ok_label);
  set_foreground(console, panel_border_ink);
  write_repeated(console, '#', hashes_after_label);
}

void write_bottom_line(Console& console, PanelBottom bottom, int row) {
  if (bottom == PanelBottom::confirm_line) {
    write_confirm_line(console, row);
  } else {
    write_border_line(console, row);
  }
}

// The panel open from `top_row` (24: only the bottom line) down to the viewport's last row.
void write_panel_rows(Console& console, int top_row, PanelBottom bottom) {
  write_border_line(console, top_row);
  for (int row = panel_bottom_row; row > top_row; --row) write_middle_line(console, row);
  write_bottom_line(console, bottom, panel_bottom_row);
}

// Fills the interior's text rows, bottom up, with blanks in `paint`, which stays selected for the
// text written next.
void paint_interior(Console& console, InteriorPaint paint) {
  for (int row = panel_last_text_row; row >= panel_first_text_row; --row) {
    move_cursor(console, row, panel_first_column + 1);
    set_colours(console, paint.background, paint.ink);
    write_repeated(console, ' ', interior_width);
  }
}

// A text in `ink` on the background left selected, then the prompt, which ends the step.
void show_text(Console& console, int ink, std::string_view text) {
  set_foreground(console, ink);
  fill_panel_text(console, text);
  draw_prompt(console);
}

void show_banner(Console& console, InteriorPaint paint) {
  paint_interior(console, paint);
  fill_panel_text(console, wrong_banner);
  park_cursor(console);
  show_step_and_wait(console, 200);
}

}  // namespace

void fill_panel_text(Console& console, std::string_view text) {
  const std::vector<std::string> rows = lay_out_panel_text(text);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    int column = panel_first_text_column;
    for_each_character(rows[r], [&](char32_t character) {
      move_cursor(console, panel_first_text_row + static_cast<int>(r), column++);
      write_shown_character(console.out, character);
    });
  }
}

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
    draw_prompt(console);
    write_panel_rows(console, panel_bottom_row - k, PanelBottom::confirm_line);
    show_step_and_wait(console, 100);
  }
}

void open_info_panel(Console& console, std::string_view text) {
  raise_panel(console, PanelBottom::confirm_line);
  show_text(console, panel_ink, text);
}

void open_problem_panel(Console& console, std::string_view question) {
  raise_panel(console, PanelBottom::border_line);
  show_text(console, panel_ink, question);
}

void show_solved_text(Console& console, std::string_view text) {
  write_confirm_line(console, panel_bottom_row);
  paint_interior(console, solved_paint);
  show_text(console, solved_ink, text);
}

void draw_open_panel(Console& console, const Level& level, View view, const OpenPanel& panel) {
  draw_map(console, level, view);
  draw_player(console, 0, 0);
  write_panel_rows(console, panel_top_row, panel.bottom);
  if (panel.solved) paint_interior(console, solved_paint);
  show_text(console, panel.solved ? solved_ink : panel_ink, panel.text);
}

void blink_wrong_answer(Console& console) {
  // Ends on the second half, so the banner stays colour 203 on black until the next redraw.
  for (int cycle = 0; cycle < 3; ++cycle) {
    show_banner(console, wrong_first_half);
    show_banner(console, wrong_second_half);
  }
}

}  // namespace quadrivant

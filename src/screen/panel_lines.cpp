#include "screen/panel_lines.h"

#include <cstdio>
#include <string_view>

#include "screen/geometry.h"

namespace {

constexpr const char* panel_colours = "\x1b[48;5;236m\x1b[38;5;43m";

const char* paint_colours(InteriorPaint paint) {
  switch (paint) {
    case InteriorPaint::solved:
      return "\x1b[48;5;36m\x1b[38;5;255m";
    case InteriorPaint::wrong_first_half:
      return "\x1b[48;5;203m\x1b[38;5;16m";
    case InteriorPaint::wrong_second_half:
      return "\x1b[48;5;16m\x1b[38;5;203m";
  }
  return "";
}

// The panel's width, and its interior's between the two border characters.
constexpr int panel_width = panel_last_column - panel_first_column + 1;  // 67
constexpr int interior_width = panel_width - 2;                          // 65
// The confirm line's label, on columns 56..59.
constexpr std::string_view ok_label = "[ok]";
constexpr int ok_label_column = 56;
constexpr int hashes_before_label = ok_label_column - panel_first_column;
constexpr int hashes_after_label =
    panel_width - hashes_before_label - static_cast<int>(ok_label.size());

void write_hashes(Console& console, int count) {
  for (int i = 0; i < count; ++i) std::fputc('#', console.out);
}

void start_panel_line(Console& console, int row) {
  std::fprintf(console.out, "\x1b[%i;%iH%s", row, panel_first_column, panel_colours);
}

}  // namespace

void write_border_line(Console& console, int row) {
  start_panel_line(console, row);
  write_hashes(console, panel_width);
}

void write_middle_line(Console& console, int row) {
  start_panel_line(console, row);
  std::fprintf(console.out, "#%*s#", interior_width, "");
}

void write_confirm_line(Console& console, int row) {
  start_panel_line(console, row);
  write_hashes(console, hashes_before_label);
  std::fprintf(console.out, "\x1b[38;5;151m%s\x1b[38;5;43m", ok_label.data());
  write_hashes(console, hashes_after_label);
}

void write_bottom_line(Console& console, PanelBottom bottom, int row) {
  if (bottom == PanelBottom::confirm_line) {
    write_confirm_line(console, row);
  } else {
    write_border_line(console, row);
  }
}

void write_panel_rows(Console& console, int top_row, PanelBottom bottom) {
  write_border_line(console, top_row);
  for (int row = panel_bottom_row; row > top_row; --row) write_middle_line(console, row);
  write_bottom_line(console, bottom, panel_bottom_row);
}

void paint_interior(Console& console, InteriorPaint paint) {
  for (int row = panel_last_text_row; row >= panel_first_text_row; --row) {
    std::fprintf(console.out, "\x1b[%i;%iH%s%*s", row, panel_first_column + 1, paint_colours(paint),
                 interior_width, "");
  }
}

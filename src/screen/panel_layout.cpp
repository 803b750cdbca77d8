#include "screen/panel_layout.h"

std::vector<std::string> lay_out_panel_text(std::string_view text, int margin) {
  const auto width = static_cast<std::size_t>(panel_text_last_column(margin) -
                                              panel_text_first_column(margin) + 1);
  std::vector<std::string> rows(1);
  // A line break asked for on the last row ends the text: there is no row left to show it on.
  for (const char c : text) {
    if (c != '\t') {
      rows.back() += c;
      if (rows.back().size() < width) continue;
    }
    if (rows.size() == static_cast<std::size_t>(panel_text_rows)) break;
    rows.emplace_back();
  }
  return rows;
}

#include "checker/map_preview.h"

#include <string>

#include "screen/picture/shown_character.h"

namespace quadrivant {

namespace {

// A column is labelled every this many cells.
constexpr int label_every = 10;

// The colours of a cell as escape sequences: the palette's, or the terminal's own for a value
// that is no xterm colour.
std::string colours(int background, int foreground) {
  std::string text = "\x1b[0m";
  if (is_colour(background)) text += "\x1b[48;5;" + std::to_string(background) + "m";
  if (is_colour(foreground)) text += "\x1b[38;5;" + std::to_string(foreground) + "m";
  return text;
}

// The tens of every tenth column, at that column, then every column's last digit.
std::string column_rulers(int width, int margin) {
  std::string tens(static_cast<std::size_t>(margin), ' ');
  std::string digits = tens;
  for (int x = 0; x < width; ++x) {
    if (x % label_every == 0) {
      const std::string label = std::to_string(x);
      tens.resize(static_cast<std::size_t>(margin + x), ' ');
      tens += label;
    }
    digits += static_cast<char>('0' + x % 10);
  }
  return tens + "\n" + digits + "\n";
}

std::string map_row(const Level& level, int y, int margin) {
  std::string label = std::to_string(y);
  std::string text(static_cast<std::size_t>(margin - 1) - label.size(), ' ');
  text += label + " ";
  int background = -1, foreground = -1;
  for (int x = 0; x < level.width; ++x) {
    const int bg = level.bg_layer.at(x, y), fg = level.fg_layer.at(x, y);
    if (x == 0 || bg != background || fg != foreground) text += colours(bg, fg);
    background = bg;
    foreground = fg;
    append_shown_character(text, level.character(x, y));
  }
  return text + "\x1b[0m\n";
}

}  // namespace

void print_map_preview(std::FILE* out, const Level& level, const std::string& heading) {
  // The row numbers, right-aligned, and a blank before the map.
  const int margin = static_cast<int>(std::to_string(level.height - 1).size()) + 1;
  const std::string rulers = column_rulers(level.width, margin);
  std::fputs((heading + "\n" + rulers).c_str(), out);
  for (int y = 0; y < level.height; ++y) std::fputs(map_row(level, y, margin).c_str(), out);
  std::fputs(rulers.c_str(), out);
}

}  // namespace quadrivant

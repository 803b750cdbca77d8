#include "screen_checks.h"

#include <regex>

#include "support/test_world.h"

std::map<std::pair<int, int>, int> cursor_positions(std::string_view bytes) {
  static const std::regex position("\x1b\\[(\\d+);(\\d+)H");
  std::map<std::pair<int, int>, int> counts;
  const std::string text(bytes);
  for (auto it = std::sregex_iterator(text.begin(), text.end(), position);
       it != std::sregex_iterator(); ++it) {
    ++counts[{std::stoi((*it)[1]), std::stoi((*it)[2])}];
  }
  return counts;
}

std::string joined_flushes(const std::vector<std::string>& flushes, std::size_t first,
                           std::size_t last) {
  std::string bytes;
  for (std::size_t i = first; i <= last && i < flushes.size(); ++i) bytes += flushes[i];
  return bytes;
}

int coordinate_background(int x) {
  return 100 + x % 100;
}
int coordinate_foreground(int y) {
  return 20 + y % 100;
}
char coordinate_character(int x, int y) {
  return static_cast<char>('a' + (x * 7 + y) % 26);
}

MapData coordinate_map(int width, int height) {
  MapData map = make_map_data({walled_level(width, height)});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      map.bg_layer[0][y][x] = coordinate_background(x);
      map.fg_layer[0][y][x] = coordinate_foreground(y);
      map.content[0][y][x] = coordinate_character(x, y);
    }
  }
  return map;
}

bool shows_map_cell(const TerminalScreen& screen, int row, int column, int x, int y) {
  return screen.background(row, column) == coordinate_background(x) &&
         screen.foreground(row, column) == coordinate_foreground(y) &&
         screen.character(row, column) == coordinate_character(x, y);
}

bool shows_blank(const TerminalScreen& screen, int row, int column, int background,
                 int foreground) {
  return screen.character(row, column) == ' ' && screen.background(row, column) == background &&
         screen.foreground(row, column) == foreground;
}

bool viewport_shows_no_map(const TerminalScreen& screen) {
  for (int row = 2; row <= 24; ++row) {
    for (int column = 2; column <= 70; ++column) {
      if (screen.background(row, column) >= 100 && screen.background(row, column) < 200)
        return false;
    }
  }
  return true;
}

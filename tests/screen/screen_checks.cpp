#include "screen_checks.h"

#include <climits>
#include <regex>
#include <string>

#include "support/test_world.h"

namespace {

// The colours and character of map cell (x, y) in a coordinate map.
constexpr auto background_of = [](int x) { return 100 + x % 100; };
constexpr auto foreground_of = [](int y) { return 20 + y % 100; };
constexpr auto character_of = [](int x, int y) {
  return static_cast<char>('a' + (x * 7 + y) % 26);
};

}  // namespace

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

MapData coordinate_map(int width, int height) {
  MapData map = make_map_data({walled_level(width, height)});
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      map.bg_layer[0][y][x] = background_of(x);
      map.fg_layer[0][y][x] = foreground_of(y);
      map.content[0][y][x] = character_of(x, y);
    }
  }
  map.problems[0] = {{"What is 3 + 4?", "The biggest number?"},
                     {"Seven, of course.", "The second one."},
                     {7, INT_MAX},
                     {0, 0}};
  return map;
}

bool shows_map_cell(const TerminalScreen& screen, int row, int column, int x, int y) {
  return screen.background(row, column) == background_of(x) &&
         screen.foreground(row, column) == foreground_of(y) &&
         screen.character(row, column) == character_of(x, y);
}

testing::AssertionResult shows_text(const TerminalScreen& screen, int row, int column,
                                    std::string_view text, int foreground, int background) {
  const int last = column + static_cast<int>(text.size()) - 1;
  const std::string shown = screen.text(row, column, last);
  if (shown != text) return testing::AssertionFailure() << "row " << row << ": \"" << shown << '"';
  for (int c = column; c <= last; ++c) {
    if (screen.background(row, c) != background ||
        (text[c - column] != ' ' && screen.foreground(row, c) != foreground)) {
      return testing::AssertionFailure() << "colours " << screen.foreground(row, c) << " on "
                                         << screen.background(row, c) << " at " << row << ',' << c;
    }
  }
  return testing::AssertionSuccess();
}

bool waits_at_prompt(const TerminalScreen& screen) {
  return screen.text(2, 26, 46) == "\\\\ >>              //" &&
         screen.text(3, 27, 45) == "\\\\===============//" && cursor(screen) == std::pair(2, 32);
}

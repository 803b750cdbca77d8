#include "play_checks.h"

#include <cstdint>

namespace quadrivant {

void show(TerminalScreen& screen, const FakeConsole& fake, int line_read) {
  const std::size_t count =
      line_read < 0 ? fake.flushes().size() : fake.flushes_at_line_reads().at(line_read);
  for (std::size_t i = 0; i < count; ++i) screen.feed(fake.flushes()[i]);
}

testing::AssertionResult shows_map(const TerminalScreen& screen, const Level& level, View view,
                                   int marker_row, int marker_column, int first_row, int last_row) {
  for (int row = first_row; row <= last_row; ++row) {
    for (int column = 2; column <= 70; ++column) {
      const int x = view.x + column - 2, y = view.y + row - 2;
      const char32_t expected = row == marker_row && column == marker_column ? U'X'
                                : level.contains(x, y)                       ? level.character(x, y)
                                                                             : U' ';
      if ((row > 3 || column < 26 || column > 46) && screen.code_point(row, column) != expected)
        return testing::AssertionFailure()
               << "cell (" << row << ", " << column << ") shows U+" << std::hex
               << static_cast<std::uint32_t>(screen.code_point(row, column)) << ", not U+"
               << static_cast<std::uint32_t>(expected);
    }
  }
  return testing::AssertionSuccess();
}

Waits joined(std::initializer_list<Waits> parts) {
  Waits list;
  for (const Waits& part : parts) list.insert(list.end(), part.begin(), part.end());
  return list;
}

}  // namespace quadrivant

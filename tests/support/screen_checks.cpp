#include "support/screen_checks.h"

namespace quadrivant {

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

std::pair<int, int> cursor(const TerminalScreen& screen) {
  return {screen.cursor_row(), screen.cursor_column()};
}

bool waits_at_prompt(const TerminalScreen& screen) {
  return screen.text(2, 26, 46) == "\\\\ >>              //" &&
         screen.text(3, 27, 45) == "\\\\===============//" && cursor(screen) == std::pair(2, 32);
}

testing::AssertionResult panel_from(const TerminalScreen& screen, int top, bool ok) {
  for (int row = top; row < 24; ++row) {
    const std::string line = row == top ? std::string(67, '#') : "#" + std::string(65, ' ') + "#";
    if (!shows_text(screen, row, 3, line, 43, 236)) return testing::AssertionFailure() << row;
  }
  return testing::AssertionResult(ok ? shows_text(screen, 24, 3, std::string(53, '#'), 43, 236) &&
                                           shows_text(screen, 24, 56, "[ok]", 151, 236) &&
                                           shows_text(screen, 24, 60, std::string(10, '#'), 43, 236)
                                     : shows_text(screen, 24, 3, std::string(67, '#'), 43, 236));
}

std::string interior(std::string text) {
  text.resize(65, ' ');
  return text;
}

}  // namespace quadrivant

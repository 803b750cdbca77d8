// The full-screen pages as the player sees them: their lines on black, their timing, the prompt
// over the pages that wait, what they leave in the input and the terminal left to the shell.
#include "screen/pages.h"

#include <gtest/gtest.h>

#include "screen/title_font.h"
#include "screen_checks.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

TEST(TitlePage, HoldsTheBlockLetterTitleFor7WaitsOf500MsWithoutReadingInput) {
  const std::string_view words[] = {title_first_line, title_second_line};
  EXPECT_EQ(std::string(words[0]) + std::string(words[1]), "QUADRIVANT");
  FakeConsole fake("r 5\n");
  clear_recorded_waits();
  start(fake.console());
  EXPECT_EQ(recorded_waits(), std::vector<int>(7, 500));
  ASSERT_EQ(fake.flushes().size(), 1u) << "the finished page is shown once, before the waits";
  EXPECT_EQ(fake.remaining_input(), "r 5\n") << "typing during the title is the first command";
  TerminalScreen screen;
  screen.feed(fake.output());
  // Glyphs 3 x 5 and 4 columns apart on rows 4..8 and 10..14, each line of n glyphs centred on
  // column 36 from column 37 - 2n. (line, glyph) -> ink, ink beside the middle column.
  std::map<std::pair<int, int>, std::pair<int, int>> ink;
  for (int row = 2; row <= 24; ++row) {
    for (int column = 2; column <= 70; ++column) {
      const char c = screen.character(row, column);
      ASSERT_TRUE(screen.background(row, column) == 16 &&
                  (c == ' ' || (c == '#' && screen.foreground(row, column) == 228)))
          << row << ',' << column;
      if (c == ' ') continue;
      const int line = row < 10 ? 0 : 1, n = static_cast<int>(words[line].size());
      const int offset = column - (37 - 2 * n);
      EXPECT_TRUE(row >= 4 + 6 * line && row <= 8 + 6 * line && offset >= 0 && offset < 4 * n &&
                  offset % 4 != 3)
          << "ink outside the glyphs at " << row << ',' << column;
      ++ink[{line, offset / 4}].first;
      ink[{line, offset / 4}].second += offset % 4 != 1;
    }
  }
  for (int line : {0, 1}) {
    for (int g = 0; g < static_cast<int>(words[line].size()); ++g) {
      const auto [all, beside_the_middle] = ink[{line, g}];
      EXPECT_GT(all, 0) << words[line][g];
      EXPECT_EQ(beside_the_middle == 0, words[line][g] == 'I') << "only I is narrow";
    }
  }
}

struct PageLine {
  int row, column;
  std::string text;
};

struct PageCase {
  void (*page)(Console&);
  std::string input, left_in_input;
  std::vector<int> waits;
  std::size_t flushes;
  bool waits_for_ok, leaves_terminal;
  std::vector<PageLine> lines;
};

TEST(Pages, ShowTheirLinesOnBlackForTheirTimeOrUntilConfirmed) {
  const PageCase cases[] = {
      // The help page, the prompt, then "help" blinks and the prompt is drawn again.
      {help,
       "help\nok\nr 5\n",
       "r 5\n",
       std::vector<int>(4, 100),
       7,
       true,
       false,
       {{4, 5, "GENERAL:"},
        {6, 7, "[quit]  - quits the game"},
        {7, 7, "[pause] - pauses the game"},
        {9, 5, "MOVEMENT:"},
        {11, 7, "[l 7] or [left 7] - move left  a set amount of steps (max 30)"},
        {12, 7, "[r 1] or [left 1] - move right a set amount of steps (max 30)"},
        {13, 7, "[u 10] or [up 10] - move up    a set amount of steps (max 10)"},
        {14, 7, "[d 5] or [down 5] - move down  a set amount of steps (max 10)"},
        {16, 5, "(inputs are confirmed with ENTER)"},
        {22, 26, "Press ENTER or [ok] to leave Help screen!"}}},
      {quit,
       "more\n",
       "more\n",
       std::vector<int>(3, 500),
       2,
       false,
       true,
       {{7, 28, "THANKS FOR PLAYING"}}},
      {finish,
       "ok\n",
       "",
       {},
       3,
       true,
       true,
       {{9, 30, "CONGRATULATIONS!"},
        {10, 20, "YOU BECAME THE QUADRIVANT"},
        {22, 36, "Press ENTER or [ok] to Quit!"}}}};
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.lines.front().text);
    FakeConsole fake(c.input);
    clear_recorded_waits();
    c.page(fake.console());
    EXPECT_EQ(recorded_waits(), c.waits);
    ASSERT_EQ(fake.flushes().size(), c.flushes);
    EXPECT_EQ(fake.remaining_input(), c.left_in_input);
    // The goodbye and winning pages end below the frame, attributes reset, on a fresh line.
    EXPECT_EQ(fake.flushes().back() == "\x1b[26;1H\x1b[0m\n", c.leaves_terminal);
    TerminalScreen screen;
    for (std::size_t i = 0; i + c.leaves_terminal < c.flushes; ++i) screen.feed(fake.flushes()[i]);
    EXPECT_EQ(waits_at_prompt(screen), c.waits_for_ok);
    for (int row = c.waits_for_ok ? 4 : 2; row <= 24; ++row) {
      std::string shown(69, ' ');
      for (const PageLine& line : c.lines) {
        if (line.row == row) shown.replace(line.column - 2, line.text.size(), line.text);
      }
      EXPECT_TRUE(shows_text(screen, row, 2, shown, 228, 16));
    }
  }
}

}  // namespace

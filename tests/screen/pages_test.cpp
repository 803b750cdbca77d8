// The full-screen pages: title, help, goodbye and winning page, as the player sees them, with
// their timing and what they leave in the input.
#include "screen/pages.h"

#include <gtest/gtest.h>

#include "screen/frame.h"
#include "screen/title_font.h"
#include "screen_checks.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

const std::string terminal_restore = "\x1b[26;1H\x1b[0m\n";

// Draws the frame, then runs `page`; the screen shows both, the console keeps only the page.
template <typename Page>
void run_page(FakeConsole& fake, TerminalScreen& screen, Page page) {
  generate_border(fake.console());
  screen.feed(fake.output());
  clear_recorded_waits();
  fake.clear_output();
  page(fake.console());
  screen.feed(fake.output());
}

void expect_page_text(const TerminalScreen& screen, int row, int column, const std::string& text) {
  EXPECT_EQ(screen.text(row, column, column + static_cast<int>(text.size()) - 1), text)
      << "row " << row;
  for (int c = column; c < column + static_cast<int>(text.size()); ++c) {
    EXPECT_EQ(screen.background(row, c), 16) << row << ',' << c;
    if (screen.character(row, c) != ' ') {
      EXPECT_EQ(screen.foreground(row, c), 228) << row << ',' << c;
    }
  }
  EXPECT_EQ(screen.character(row, column - 1), ' ');
  EXPECT_EQ(screen.background(row, column - 1), 16) << "leading blanks stay black";
}

int glyph_line_first_column(std::string_view word) {
  return 37 - 2 * static_cast<int>(word.size());
}

TEST(TitlePage, HoldsForSevenWaitsOf500MsWithoutReadingInput) {
  FakeConsole fake("r 5\n");
  TerminalScreen screen;
  run_page(fake, screen, start);
  EXPECT_EQ(recorded_waits(), std::vector<int>(7, 500));
  EXPECT_EQ(fake.flushes().size(), 1u) << "the finished page is shown once, before the waits";
  EXPECT_EQ(fake.remaining_input(), "r 5\n") << "typing during the title is the first command";
}

TEST(TitlePage, BlockLettersAreCentredOnColumn36InRows4To8And10To14) {
  EXPECT_EQ(std::string(title_first_line) + std::string(title_second_line), "QUADRIVANT");
  FakeConsole fake;
  TerminalScreen screen;
  run_page(fake, screen, start);
  struct Line {
    std::string_view word;
    int top;
  };
  const Line lines[] = {{title_first_line, 4}, {title_second_line, 10}};
  for (int row = 2; row <= 24; ++row) {
    const Line* line = nullptr;
    for (const Line& l : lines) {
      if (row >= l.top && row < l.top + 5) line = &l;
    }
    for (int column = 2; column <= 70; ++column) {
      ASSERT_EQ(screen.background(row, column), 16) << row << ',' << column;
      const char c = screen.character(row, column);
      if (c == ' ') continue;
      ASSERT_EQ(c, '#') << row << ',' << column;
      EXPECT_EQ(screen.foreground(row, column), 228) << row << ',' << column;
      ASSERT_NE(line, nullptr) << "ink outside the glyph rows, row " << row;
      const int offset = column - glyph_line_first_column(line->word);
      EXPECT_GE(offset, 0) << row << ',' << column;
      EXPECT_LT(offset, 4 * static_cast<int>(line->word.size()) - 1) << row << ',' << column;
      EXPECT_NE(offset % 4, 3) << "the column between two glyphs is paper: " << column;
    }
  }
  for (const Line& line : lines) {
    const int first = glyph_line_first_column(line.word);
    for (std::size_t g = 0; g < line.word.size(); ++g) {
      const int left = first + 4 * static_cast<int>(g);
      int ink = 0;
      int outer_ink = 0;
      for (int row = line.top; row < line.top + 5; ++row) {
        for (int column = left; column < left + 3; ++column) {
          if (screen.character(row, column) != '#') continue;
          ++ink;
          if (column != left + 1) ++outer_ink;
        }
      }
      EXPECT_GT(ink, 0) << "glyph " << line.word[g] << " has ink";
      if (line.word[g] == 'I') {
        EXPECT_EQ(outer_ink, 0) << "the narrow I inks only its middle column";
      } else {
        EXPECT_GT(outer_ink, 0) << "glyph " << line.word[g];
      }
    }
  }
}

TEST(TitlePage, EachGlyphRowIsOnePageLineFromColumn2ToTheLineEnd) {
  FakeConsole fake;
  TerminalScreen screen;
  run_page(fake, screen, start);
  const std::string out = fake.output();
  struct Line {
    std::string_view word;
    int top;
  };
  for (const Line& line : {Line{title_first_line, 4}, Line{title_second_line, 10}}) {
    const int n = static_cast<int>(line.word.size());
    for (int row = line.top; row < line.top + 5; ++row) {
      const std::string start_of_line = "\x1b[" + std::to_string(row) + ";2H\x1b[38;5;228m";
      const std::size_t at = out.find(start_of_line);
      ASSERT_NE(at, std::string::npos) << "row " << row;
      EXPECT_EQ(out.find(start_of_line, at + 1), std::string::npos) << "one line per row";
      const std::size_t text_start = at + start_of_line.size();
      const std::size_t text_end = std::min(out.find('\x1b', text_start), out.size());
      const std::string text = out.substr(text_start, text_end - text_start);
      // Blanks from column 2 up to the first glyph, then the 4n - 1 columns of glyphs.
      EXPECT_EQ(text.size(), static_cast<std::size_t>(35 - 2 * n + 4 * n - 1)) << "row " << row;
      const std::size_t leading_blanks = static_cast<std::size_t>(35 - 2 * n);
      EXPECT_EQ(text.substr(0, leading_blanks), std::string(leading_blanks, ' '));
    }
  }
}

TEST(HelpPage, ShowsEveryLineWhereItBelongsUnderThePrompt) {
  FakeConsole fake("\n");
  TerminalScreen screen;
  run_page(fake, screen, help);
  expect_page_text(screen, 4, 5, "GENERAL:");
  expect_page_text(screen, 6, 7, "[quit]  - quits the game");
  expect_page_text(screen, 7, 7, "[pause] - pauses the game");
  expect_page_text(screen, 9, 5, "MOVEMENT:");
  expect_page_text(screen, 11, 7, "[l 7] or [left 7] - move left  a set amount of steps (max 30)");
  expect_page_text(screen, 12, 7, "[r 1] or [left 1] - move right a set amount of steps (max 30)");
  expect_page_text(screen, 13, 7, "[u 10] or [up 10] - move up    a set amount of steps (max 10)");
  expect_page_text(screen, 14, 7, "[d 5] or [down 5] - move down  a set amount of steps (max 10)");
  expect_page_text(screen, 16, 5, "(inputs are confirmed with ENTER)");
  expect_page_text(screen, 22, 26, "Press ENTER or [ok] to leave Help screen!");
  for (int row : {5, 8, 10, 15, 17, 18, 19, 20, 21, 23, 24}) {
    for (int column = 2; column <= 70; ++column)
      EXPECT_TRUE(shows_blank(screen, row, column, 16, 16)) << row << ',' << column;
  }
  EXPECT_EQ(screen.text(2, 26, 46), "\\\\ >>              //") << "the prompt over the page";
  EXPECT_EQ(screen.cursor_row(), 2);
  EXPECT_EQ(screen.cursor_column(), 32);
  EXPECT_EQ(fake.flushes().size(), 2u) << "the page, then the prompt";
  EXPECT_TRUE(recorded_waits().empty());
}

TEST(HelpPage, ReturnsOnlyOnceConfirmed) {
  FakeConsole fake("help\nok\nr 5\n");
  TerminalScreen screen;
  run_page(fake, screen, help);
  EXPECT_EQ(recorded_waits(), std::vector<int>(4, 100)) << "\"help\" blinks once";
  EXPECT_EQ(fake.remaining_input(), "r 5\n");
}

TEST(GoodbyePage, ThanksThePlayerThenLeavesTheTerminalBelowTheFrame) {
  FakeConsole fake("more\n");
  TerminalScreen screen;
  run_page(fake, screen, quit);
  EXPECT_EQ(recorded_waits(), std::vector<int>(3, 500));
  ASSERT_EQ(fake.flushes().size(), 2u);
  EXPECT_EQ(fake.flushes().back(), terminal_restore);
  EXPECT_EQ(fake.remaining_input(), "more\n") << "no input is read";
  // The newline on the terminal's last row scrolls the page up by one row.
  expect_page_text(screen, 6, 28, "THANKS FOR PLAYING");
  EXPECT_EQ(screen.text(24, 1, 71), std::string(71, '#')) << "the frame stays visible";
  EXPECT_EQ(screen.cursor_row(), 26);
  EXPECT_EQ(screen.cursor_column(), 1);
  screen.feed("$");  // the shell's prompt shows in the terminal's own colours
  EXPECT_EQ(screen.foreground(26, 1), -1);
  EXPECT_EQ(screen.background(26, 1), -1);
}

TEST(GoodbyePage, TextSitsOnRow7FromColumn28BeforeTheTerminalIsLeft) {
  FakeConsole fake;
  TerminalScreen screen;
  run_page(fake, screen, quit);
  TerminalScreen page;
  page.feed(fake.flushes().front());
  expect_page_text(page, 7, 28, "THANKS FOR PLAYING");
  EXPECT_TRUE(shows_blank(page, 7, 46, 16, 16));
}

TEST(WinningPage, CongratulatesWaitsForOkAndRestoresTheTerminal) {
  FakeConsole fake("ok\n");
  TerminalScreen screen;
  run_page(fake, screen, finish);
  ASSERT_EQ(fake.flushes().size(), 3u) << "page, prompt, terminal restore";
  EXPECT_EQ(fake.flushes().back(), terminal_restore);
  EXPECT_TRUE(recorded_waits().empty());
  EXPECT_EQ(fake.remaining_input(), "");
  TerminalScreen page;
  page.feed(fake.flushes()[0] + fake.flushes()[1]);
  expect_page_text(page, 9, 30, "CONGRATULATIONS!");
  expect_page_text(page, 10, 20, "YOU BECAME THE QUADRIVANT");
  expect_page_text(page, 22, 36, "Press ENTER or [ok] to Quit!");
  EXPECT_EQ(page.text(2, 26, 46), "\\\\ >>              //");
  EXPECT_EQ(page.cursor_row(), 2);
  EXPECT_EQ(page.cursor_column(), 32);
  screen.feed("$");
  EXPECT_EQ(screen.cursor_row(), 26);
  EXPECT_EQ(screen.background(26, 1), -1);
}

}  // namespace

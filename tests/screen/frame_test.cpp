// The frame, the prompt box and its blink, as the player sees them, plus the exact bytes of the
// frame rows and the prompt.
#include "screen/frame.h"

#include <gtest/gtest.h>

#include "screen_checks.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

const std::string esc = "\x1b";

// The screen of a turn waiting at the prompt, on which the player has typed `typed`; the console
// and the clock then record only what follows.
void show_prompt_with_typing(FakeConsole& fake, TerminalScreen& screen, const std::string& typed) {
  generate_border(fake.console());
  reset_console(fake.console());
  screen.feed(fake.output());
  screen.feed(typed);  // the terminal echoes it at the cursor
  fake.clear_output();
  clear_recorded_waits();
}

TEST(GenerateBorder, WritesEveryFrameRowByteForByteAndFlushesOnce) {
  FakeConsole fake;
  generate_border(fake.console());
  ASSERT_EQ(fake.flushes().size(), 1u);
  const std::string colours = esc + "[48;5;235m" + esc + "[38;5;30m";
  std::string expected = esc + "[1;1H" + colours + std::string(24, '#') + esc + "[38;5;36m" +
                         "\\\\===================//" + colours + std::string(24, '#');
  for (int row = 2; row <= 24; ++row) {
    expected +=
        esc + "[" + std::to_string(row) + ";1H" + colours + "#" + std::string(69, ' ') + "#";
  }
  expected += esc + "[25;1H" + colours + std::string(71, '#');
  EXPECT_EQ(fake.output(), expected);
}

TEST(GenerateBorder, EveryRowIsSeventyOneCellsWideInFrameColours) {
  FakeConsole fake;
  generate_border(fake.console());
  TerminalScreen screen;
  screen.feed(fake.output());
  for (int row = 1; row <= 25; ++row) {
    for (int column = 1; column <= 71; ++column) {
      EXPECT_EQ(screen.background(row, column), 235) << row << ',' << column;
    }
    EXPECT_EQ(screen.background(row, 72), -1) << "row " << row << " is wider than 71 cells";
  }
  EXPECT_EQ(screen.text(1, 1, 71),
            std::string(24, '#') + "\\\\" + std::string(19, '=') + "//" + std::string(24, '#'));
  EXPECT_EQ(screen.foreground(1, 24), 30);
  for (int column = 25; column <= 47; ++column) EXPECT_EQ(screen.foreground(1, column), 36);
  EXPECT_EQ(screen.foreground(1, 48), 30);
  for (int row = 2; row <= 24; ++row) {
    EXPECT_EQ(screen.text(row, 1, 71), "#" + std::string(69, ' ') + "#") << "row " << row;
    EXPECT_EQ(screen.foreground(row, 1), 30);
    EXPECT_EQ(screen.foreground(row, 71), 30);
  }
  EXPECT_EQ(screen.text(25, 1, 71), std::string(71, '#'));
  EXPECT_EQ(screen.foreground(25, 71), 30);
  EXPECT_EQ(screen.cursor_row(), 25) << "the cursor stays after the last '#'";
}

TEST(ResetConsole, WritesThePromptBoxByteForByte) {
  FakeConsole fake;
  reset_console(fake.console());
  ASSERT_EQ(fake.flushes().size(), 1u);
  const std::string colours = esc + "[48;5;235m" + esc + "[38;5;36m";
  EXPECT_EQ(fake.output(), esc + "[2;26H" + colours + "\\\\ >>              " + colours + "//" +
                               esc + "[3;27H" + colours + "\\\\===============//" + esc + "[2;32H" +
                               colours);
}

TEST(ResetConsole, DrawsTheFunnelAndEchoesTypingAtTheInputPosition) {
  FakeConsole fake;
  TerminalScreen screen;
  show_prompt_with_typing(fake, screen, "");
  EXPECT_EQ(screen.text(2, 25, 47), " \\\\ >>              // ");
  EXPECT_EQ(screen.text(3, 26, 46), " \\\\===============// ");
  for (int column = 26; column <= 46; ++column) {
    EXPECT_EQ(screen.foreground(2, column), 36) << column;
    EXPECT_EQ(screen.background(2, column), 235) << column;
  }
  EXPECT_EQ(screen.cursor_row(), 2);
  EXPECT_EQ(screen.cursor_column(), 32);
  screen.feed("r");  // what the terminal echoes when the player types
  EXPECT_EQ(screen.character(2, 32), 'r');
  EXPECT_EQ(screen.foreground(2, 32), 36);
  EXPECT_EQ(screen.background(2, 32), 235);
}

TEST(ConsoleBlink, RedBarCoversColumns32To41AndLeaves42To44) {
  FakeConsole fake;
  TerminalScreen screen;
  show_prompt_with_typing(fake, screen, "abcdefghijklm");  // columns 32..44

  console_blink(fake.console());

  EXPECT_EQ(recorded_waits(), (std::vector<int>{100, 100, 100, 100}));
  ASSERT_EQ(fake.flushes().size(), 4u);
  for (std::size_t step = 0; step < 4; ++step) {
    screen.feed(fake.flushes()[step]);
    const bool red = step % 2 == 0;
    EXPECT_EQ(screen.text(2, 29, 30), ">>");
    EXPECT_EQ(screen.foreground(2, 29), red ? 203 : 36) << step;
    EXPECT_EQ(screen.background(2, 29), 235);
    EXPECT_TRUE(shows_blank(screen, 2, 31, 235, red ? 203 : 36)) << step;
    for (int column = 32; column <= 41; ++column) {
      EXPECT_EQ(screen.character(2, column), ' ');
      EXPECT_EQ(screen.background(2, column), red ? 203 : 235) << step << ',' << column;
    }
    EXPECT_EQ(screen.text(2, 42, 44), "klm") << "columns 42..44 keep the echoed text";
    EXPECT_EQ(screen.background(2, 42), 235);
    EXPECT_EQ(screen.cursor_column(), 42);
  }
}

TEST(BadInput, BlinksFor400MsThenRedrawsTheBoxWithTheCursorAtTheInput) {
  FakeConsole fake;
  TerminalScreen screen;
  show_prompt_with_typing(fake, screen, "abcdefghijklm");

  bad_input(fake.console());

  EXPECT_EQ(recorded_waits(), (std::vector<int>{100, 100, 100, 100}));
  EXPECT_EQ(fake.flushes().size(), 5u);
  screen.feed(fake.output());
  EXPECT_EQ(screen.text(2, 26, 46), "\\\\ >>              //");
  EXPECT_EQ(screen.cursor_row(), 2);
  EXPECT_EQ(screen.cursor_column(), 32);
}

TEST(MoveCursorAway, ParksOnTheLastFrameCellWithoutFlushing) {
  FakeConsole fake;
  move_cursor_away(fake.console());
  EXPECT_TRUE(fake.flushes().empty()) << "the caller flushes";
  std::fflush(fake.console().out);
  EXPECT_EQ(fake.output(), esc + "[25;71H");
}

}  // namespace

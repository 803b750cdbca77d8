// The frame and the prompt box byte for byte, the blink as the player sees it, and the wait for
// the player's confirmation.
#include "screen/frame.h"

#include <gtest/gtest.h>

#include "screen/pages.h"
#include "screen_checks.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

const std::string esc = "\x1b";

TEST(GenerateBorder, WritesEveryFrameRowByteForByteAndFlushesOnce) {
  FakeConsole fake;
  generate_border(fake.console());
  const std::string colours = esc + "[48;5;235m" + esc + "[38;5;30m";
  std::string frame = esc + "[1;1H" + colours + std::string(24, '#') + esc + "[38;5;36m" +
                      "\\\\===================//" + colours + std::string(24, '#');
  for (int row = 2; row <= 24; ++row) {
    frame += esc + "[" + std::to_string(row) + ";1H" + colours + "#" + std::string(69, ' ') + "#";
  }
  frame += esc + "[25;1H" + colours + std::string(71, '#');
  EXPECT_EQ(fake.flushes(), std::vector<std::string>{frame});
}

TEST(ResetConsole, WritesThePromptBoxByteForByteAndFlushesOnce) {
  FakeConsole fake;
  reset_console(fake.console());
  const std::string colours = esc + "[48;5;235m" + esc + "[38;5;36m";
  EXPECT_EQ(fake.flushes(),
            std::vector<std::string>{esc + "[2;26H" + colours + "\\\\ >>              " + colours +
                                     "//" + esc + "[3;27H" + colours + "\\\\===============//" +
                                     esc + "[2;32H" + colours});
}

TEST(BadInput, BlinksARedBarOverColumns32To41TwiceThenRedrawsThePrompt) {
  FakeConsole fake;
  generate_border(fake.console());
  reset_console(fake.console());
  TerminalScreen screen;
  screen.feed(fake.output() + "abcdefghijklm");  // the terminal echoes typing at the cursor
  EXPECT_TRUE(shows_text(screen, 2, 32, "abcdefghijklm", 36, 235));
  fake.clear_output();
  clear_recorded_waits();
  bad_input(fake.console());
  EXPECT_EQ(recorded_waits(), std::vector<int>(4, 100));
  ASSERT_EQ(fake.flushes().size(), 5u) << "four blink steps, then the prompt";
  for (std::size_t step = 0; step < 4; ++step) {
    screen.feed(fake.flushes()[step]);
    const bool red = step % 2 == 0;
    EXPECT_TRUE(shows_text(screen, 2, 29, ">> ", red ? 203 : 36, 235)) << step;
    EXPECT_TRUE(shows_text(screen, 2, 32, std::string(10, ' '), 0, red ? 203 : 235)) << step;
    EXPECT_TRUE(shows_text(screen, 2, 42, "klm", 36, 235)) << "columns 42..44 keep the echo";
    EXPECT_EQ(cursor(screen), std::pair(2, 42));
  }
  screen.feed(fake.flushes()[4]);
  EXPECT_TRUE(waits_at_prompt(screen));
}

// Runs wait_for_ok on `input`: it blinks `blinks` times, each blink redrawing the prompt.
void expect_confirmation(const std::string& input, int blinks, const std::string& left_in_input) {
  SCOPED_TRACE(testing::PrintToString(input));
  FakeConsole fake(input);
  clear_recorded_waits();
  wait_for_ok(fake.console());
  EXPECT_EQ(recorded_waits(), std::vector<int>(4 * blinks, 100));
  EXPECT_EQ(fake.flushes().size(), 5u * blinks);
  EXPECT_EQ(fake.remaining_input(), left_in_input);
}

TEST(WaitForOk, OnlyAnEmptyLineOrOkConfirmsAndEveryOtherPieceBlinksOnce) {
  expect_confirmation("\nx\n", 0, "x\n");
  expect_confirmation("ok\nx\n", 0, "x\n");
  for (const std::string line : {"ok ", " ok", "OK", "okay", "o"}) {
    expect_confirmation(line + "\nok\nx\n", 1, "x\n");
  }
  // Lines are read in pieces of 11 characters: eleven blink, then their newline confirms; a
  // longer line blinks once a piece; "ok" as a piece of its own confirms.
  expect_confirmation("abcdefghijk\nx\n", 1, "x\n");
  expect_confirmation("abcdefghijklmno\n\nx\n", 2, "x\n");
  expect_confirmation("abcdefghijkok\nx\n", 1, "x\n");
  // The end of input confirms.
  expect_confirmation("", 0, "");
  expect_confirmation("nope", 1, "");
}

}  // namespace

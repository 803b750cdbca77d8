// The confirmation wait of pages and panels: ENTER or "ok" goes on, anything else blinks.
#include <gtest/gtest.h>

#include "screen/pages.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

struct Confirmation {
  int blinks;
  std::string left_in_input;
};

Confirmation confirm_with(const std::string& input) {
  FakeConsole fake(input);
  clear_recorded_waits();
  wait_for_ok(fake.console());
  // A blink is four flushed steps of 100 ms and the prompt redrawn.
  EXPECT_EQ(recorded_waits().size() % 4, 0u) << '"' << input << '"';
  EXPECT_EQ(fake.flushes().size(), recorded_waits().size() / 4 * 5) << '"' << input << '"';
  return {static_cast<int>(recorded_waits().size() / 4), fake.remaining_input()};
}

TEST(WaitForOk, EnterAloneOrOkConfirmsAtOnce) {
  for (const std::string input : {"\nr 5\n", "ok\nr 5\n"}) {
    const Confirmation c = confirm_with(input);
    EXPECT_EQ(c.blinks, 0) << '"' << input << '"';
    EXPECT_EQ(c.left_in_input, "r 5\n") << "only the confirming line is read";
  }
}

TEST(WaitForOk, EveryOtherLineBlinksOnceAndTheWaitGoesOn) {
  for (const std::string line : {"ok ", " ok", "OK", "Ok", "okay", "o", "yes", "quit"}) {
    const Confirmation c = confirm_with(line + "\nok\nnext\n");
    EXPECT_EQ(c.blinks, 1) << '"' << line << '"';
    EXPECT_EQ(c.left_in_input, "next\n") << '"' << line << '"';
  }
}

TEST(WaitForOk, LongLinesAreJudgedInPiecesOfElevenCharacters) {
  // Eleven characters blink; the newline left behind is an empty line and confirms.
  const Confirmation eleven = confirm_with("abcdefghijk\nnext\n");
  EXPECT_EQ(eleven.blinks, 1);
  EXPECT_EQ(eleven.left_in_input, "next\n");
  // Fifteen characters are two pieces, each blinking; then the wait needs its own confirmation.
  const Confirmation fifteen = confirm_with("abcdefghijklmno\n\nnext\n");
  EXPECT_EQ(fifteen.blinks, 2);
  EXPECT_EQ(fifteen.left_in_input, "next\n");
  // "ok" in the second piece of a long line is a piece of its own and confirms.
  const Confirmation split = confirm_with("abcdefghijkok\nnext\n");
  EXPECT_EQ(split.blinks, 1);
  EXPECT_EQ(split.left_in_input, "next\n");
}

TEST(WaitForOk, EndOfInputConfirms) {
  EXPECT_EQ(confirm_with("").blinks, 0);
  const Confirmation unfinished = confirm_with("nope");
  EXPECT_EQ(unfinished.blinks, 1) << "the last line blinks, then the closed input ends the wait";
  EXPECT_EQ(unfinished.left_in_input, "");
}

}  // namespace

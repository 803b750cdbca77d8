// A terminal too small for the picture is named before the title page, and the game goes on as
// soon as the player has enlarged it; output that is not a terminal gets no such line.
#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "terminal_session.h"

namespace quadrivant {

namespace {

using Clock = std::chrono::steady_clock;

const std::string notice =
    "quadrivant needs a terminal of at least 71x26; this one is 60x20. Enlarge it to start now, "
    "or wait 5 seconds.";

// The rows joined: a line longer than the terminal is wide continues on the next row.
std::string joined_rows(const TerminalScreen& s, int rows, int columns) {
  std::string text;
  for (int row = 1; row <= rows; ++row) text += s.text(row, 1, columns);
  return text;
}

bool shows_title(const TerminalScreen& s) {
  return s.character(4, 25) == '#' && s.foreground(4, 25) == 228;
}

TEST(SmallTerminal, IsNamedAndTheGameStartsOnceItIsEnlarged) {
  TerminalSession session(60, 20);
  TmuxTerminal& terminal = session.terminal();
  terminal.type("'" QUADRIVANT_PROGRAM "'");
  ASSERT_TRUE(terminal.wait_for([](const TerminalScreen& s) {
    return joined_rows(s, 20, 60).find(notice) != std::string::npos;
  })) << screen_text(terminal.screen(), 20, 60);

  const Clock::time_point enlarged = Clock::now();
  terminal.resize(80, 26);
  ASSERT_TRUE(terminal.wait_for(shows_title, 3.0));
  EXPECT_LT(Clock::now() - enlarged, std::chrono::milliseconds(2500)) << "no 5 s wait";
  EXPECT_EQ(screen_text(terminal.screen(), 26, 80).find("needs a terminal"), std::string::npos)
      << "the screen is cleared before the title page";
}

TEST(SmallTerminal, OutputThatIsNotATerminalGetsNoNotice) {
  // Input and error stay on the small terminal; only the output goes to a file.
  TerminalSession session(60, 20);
  TmuxTerminal& terminal = session.terminal();
  terminal.type("'" QUADRIVANT_TEST_PROGRAM "' > output.txt");
  terminal.type("quit");
  session.shell_status(0);
  const std::string output = read_file(session.directory() + "/output.txt");
  EXPECT_EQ(output.rfind("Loading ", 0), 0u) << "the loading reports come first";
  EXPECT_EQ(output.find("needs a terminal"), std::string::npos);
  EXPECT_NE(output.find("THANKS FOR PLAYING"), std::string::npos);
}

}  // namespace

}  // namespace quadrivant

// A terminal too small for the picture is named before the title page, and the game goes on as
// soon as the player has enlarged it, or after 5 seconds as it is; output that is not a terminal
// gets no such line.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/run_program.h"
#include "terminal_session.h"

namespace quadrivant {

namespace {

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

TEST(SmallTerminal, IsNamedAndTheGameStartsAtItsNextLookOnceItIsEnlarged) {
  TerminalSession session(60, 20);
  TmuxTerminal& terminal = session.terminal();
  WaitGate gate(session.directory());
  session.type_at_shell(gate.environment() + shell_quoted(QUADRIVANT_TEST_PROGRAM));
  // The game looks at the terminal's size every 100 ms; the first of these waits is held.
  ASSERT_TRUE(terminal.wait_for([&](const TerminalScreen& s) {
    return gate.holding() && joined_rows(s, 20, 60).find(notice) != std::string::npos;
  })) << screen_text(terminal.screen(), 20, 60);
  EXPECT_EQ(gate.waits(), std::vector<int>{100});

  terminal.resize(80, 26);
  gate.release();
  // At its next look the game goes on to the title page (its first wait is 500 ms), on a
  // cleared screen.
  ASSERT_TRUE(terminal.wait_for([&](const TerminalScreen& s) {
    return gate.holding() && shows_title(s);
  })) << screen_text(terminal.screen(), 26, 80);
  EXPECT_EQ(gate.waits(), (std::vector<int>{100, 500})) << "no more looks at the size";
  EXPECT_EQ(screen_text(terminal.screen(), 26, 80).find("needs a terminal"), std::string::npos)
      << "the screen is cleared before the title page";

  gate.open();
  ASSERT_TRUE(terminal.wait_for(game_waits_for_a_command));
  terminal.type("quit");
  session.shell_status(0);
}

TEST(SmallTerminal, LeftSmallTheGameStartsAfterFiftyLooksOfATenthOfASecond) {
  TerminalSession session(60, 20);
  const std::string waits = session.directory() + "/waits.txt";
  // The input comes from a pipe; the output goes to the small terminal.
  session.type_at_shell("echo quit | QUADRIVANT_WAIT_LOG=" + shell_quoted(waits) + " " +
                        shell_quoted(QUADRIVANT_TEST_PROGRAM));
  session.shell_status(0);
  std::vector<int> expected(50, 100);
  expected.push_back(500);  // the title page's first wait
  const std::string log = read_file(waits);
  std::vector<int> logged;
  for (std::size_t at = 0; logged.size() < expected.size() && at < log.size();) {
    const std::size_t end = log.find('\n', at);
    logged.push_back(std::stoi(log.substr(at, end - at)));
    at = end + 1;
  }
  EXPECT_EQ(logged, expected);
}

TEST(SmallTerminal, OutputThatIsNotATerminalGetsNoNotice) {
  // Input and error stay on the small terminal; only the output goes to a file.
  TerminalSession session(60, 20);
  const std::string output_file = session.directory() + "/output.txt";
  session.type_at_shell(shell_quoted(QUADRIVANT_TEST_PROGRAM) + " > output.txt");
  // The game waits for a command once its first prompt box is written.
  EXPECT_TRUE(eventually(
      [&] { return read_file(output_file).find("\\\\ >>              ") != std::string::npos; }));
  session.terminal().type("quit");
  session.shell_status(0);
  const std::string output = read_file(output_file);
  EXPECT_EQ(output.rfind("Loading ", 0), 0u) << "the loading reports come first";
  EXPECT_EQ(output.find("needs a terminal"), std::string::npos);
  EXPECT_NE(output.find("THANKS FOR PLAYING"), std::string::npos);
}

}  // namespace

}  // namespace quadrivant

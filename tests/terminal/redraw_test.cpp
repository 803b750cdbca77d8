// A screen disturbed while the game waits for the player, by a resize or by Ctrl-Z and fg, shows
// again what it showed: the panel with its text over the map, the problem's question, the solved
// text, the help page; and the goodbye page while it holds. Nothing but the picture is left on
// the terminal, and the game goes on from where it waited.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/screen_checks.h"
#include "terminal_session.h"

namespace quadrivant {

namespace {

// Nothing but the game's picture: every cell outside its 71 x 25 cells is blank in the
// terminal's default colours.
bool only_the_picture(const TerminalScreen& s, int rows, int columns) {
  for (int row = 1; row <= rows; ++row)
    for (int column = row <= 25 ? 72 : 1; column <= columns; ++column)
      if (s.character(row, column) != ' ' || s.background(row, column) != -1) return false;
  return true;
}

// The frame, the marker above the panel and the prompt waiting.
bool panel_over_the_map(const TerminalScreen& s) {
  return s.text(25, 1, 71) == std::string(71, '#') && s.character(13, 36) == 'X' &&
         s.text(14, 3, 69) == std::string(67, '#') && waits_at_prompt(s);
}

bool shows_question(const TerminalScreen& s) {
  return panel_over_the_map(s) && s.text(15, 5, 32) == "HOW MANY SIDES HAS A SQUARE?" &&
         s.text(24, 3, 69) == std::string(67, '#');  // no "[ok]" while the answer is asked
}

bool shows_solved_text(const TerminalScreen& s) {
  return panel_over_the_map(s) && shows_text(s, 15, 5, "FOUR SIDES, OF COURSE.", 16, 36) &&
         s.text(24, 56, 59) == "[ok]";
}

bool shows_plaque(const TerminalScreen& s) {
  return panel_over_the_map(s) && shows_plaque_panel(s);
}

bool shows_help(const TerminalScreen& s) {
  return s.text(4, 5, 12) == "GENERAL:" &&
         s.text(22, 26, 66) == "Press ENTER or [ok] to leave Help screen!" && waits_at_prompt(s);
}

enum class Disturbance { resize, stop_and_fg };

// Where the game waits, how to get it there, and what it shows there.
struct Waiting {
  const char* name;
  std::vector<std::string> lines;  // typed at the game's prompt, one after the other
  TmuxTerminal::Screen shows;
  std::string confirm;  // the line that ends the wait
};

struct RedrawCase {
  Waiting waiting;
  Disturbance disturbance;
};

const Waiting waitings[] = {
    {"info_panel", {"r 1"}, shows_plaque, ""},
    {"problem_question", {"u 2"}, shows_question, "4"},
    {"solved_text", {"u 2", "4"}, shows_solved_text, ""},
    {"help_page", {"help"}, shows_help, "ok"},
};

std::vector<RedrawCase> redraw_cases() {
  std::vector<RedrawCase> cases;
  for (const Waiting& waiting : waitings) {
    cases.push_back({waiting, Disturbance::resize});
    cases.push_back({waiting, Disturbance::stop_and_fg});
  }
  return cases;
}

void disturb(TerminalSession& session, Disturbance disturbance) {
  TmuxTerminal& terminal = session.terminal();
  if (disturbance == Disturbance::resize) {
    terminal.resize(90, 28);
    return;
  }
  terminal.press("C-z");
  ASSERT_TRUE(terminal.wait_for([&](const TerminalScreen& s) {
    return screen_text(s, terminal.rows(), terminal.columns()).find("Stopped") != std::string::npos;
  }));
  session.type_at_shell("fg");
}

class RedrawTest : public testing::TestWithParam<RedrawCase> {};

TEST_P(RedrawTest, ShowsTheWaitingScreenAgainAndPlaysOn) {
  const RedrawCase& c = GetParam();
  TerminalSession session;
  TmuxTerminal& terminal = session.terminal();
  // Lines in the shell's history, which a growing window pulls back into view.
  session.type_at_shell("seq 1000 1100");
  ASSERT_NO_FATAL_FAILURE(session.start_game(QUADRIVANT_TEST_PROGRAM));
  for (const std::string& line : c.waiting.lines) terminal.type(line);
  ASSERT_TRUE(terminal.wait_for(c.waiting.shows)) << screen_text(terminal.screen(), 26, 80);

  ASSERT_NO_FATAL_FAILURE(disturb(session, c.disturbance));
  EXPECT_TRUE(terminal.wait_for([&](const TerminalScreen& s) {
    return c.waiting.shows(s) && only_the_picture(s, terminal.rows(), terminal.columns());
  })) << screen_text(terminal.screen(), terminal.rows(), terminal.columns());

  // The wait goes on where it was: its line ends it, and the game is back at its prompt.
  terminal.type(c.waiting.confirm);
  if (c.waiting.confirm == "4") {  // the right answer shows the solved text, confirmed in turn
    ASSERT_TRUE(terminal.wait_for(shows_solved_text))
        << screen_text(terminal.screen(), terminal.rows(), terminal.columns());
    terminal.type("");
  }
  EXPECT_TRUE(terminal.wait_for(game_waits_for_a_command))
      << screen_text(terminal.screen(), terminal.rows(), terminal.columns());
  terminal.type("quit");
  session.shell_status(0);
}

INSTANTIATE_TEST_SUITE_P(Waiting, RedrawTest, testing::ValuesIn(redraw_cases()),
                         [](const testing::TestParamInfo<RedrawCase>& param_info) {
                           return std::string(param_info.param.waiting.name) +
                                  (param_info.param.disturbance == Disturbance::resize
                                       ? "_resized"
                                       : "_stopped");
                         });

// The goodbye page holds for three waits: stopped and brought back in the middle of them, it
// shows again until the game leaves the terminal to the shell.
TEST(Redraw, TheGoodbyePageShowsAgainAfterCtrlZAndFg) {
  TerminalSession session;
  TmuxTerminal& terminal = session.terminal();
  ASSERT_NO_FATAL_FAILURE(session.start_gated_game());
  const auto goodbye = [](const TerminalScreen& s) {
    return s.text(7, 28, 45) == "THANKS FOR PLAYING";
  };
  terminal.type("quit");
  ASSERT_TRUE(session.hold_when(goodbye)) << screen_text(terminal.screen(), 26, 80);
  ASSERT_NO_FATAL_FAILURE(disturb(session, Disturbance::stop_and_fg));
  session.gate().release();
  EXPECT_TRUE(terminal.wait_for([&](const TerminalScreen& s) {
    return session.gate().holding() && goodbye(s) && only_the_picture(s, 26, 80);
  })) << screen_text(terminal.screen(), 26, 80);
  session.gate().open();
  session.shell_status(0);
}

}  // namespace

}  // namespace quadrivant

// Signals in a real terminal: whatever the game is doing when it is interrupted, killed or
// stopped, the player gets the shell back in its own colours below the game's picture, the
// shell sees the signal in the exit status, and a game brought back with fg shows a clean,
// whole picture again.
#include <signal.h>

#include <string>

#include <gtest/gtest.h>

#include "terminal_session.h"

namespace quadrivant {

namespace {

// The game's picture ends with the 71 '#' of its bottom frame row (the shell's last line may
// have scrolled it up); every row below it is the shell's, in the terminal's default colours.
void expect_shell_below_picture(const TerminalScreen& s, int rows, int status_row) {
  int bottom_frame_row = 0;
  for (int row = 1; row <= rows; ++row)
    if (s.text(row, 1, 71) == std::string(71, '#')) bottom_frame_row = row;
  ASSERT_GT(bottom_frame_row, 0) << "the game's picture is still on screen";
  EXPECT_LT(bottom_frame_row, status_row - 1) << "the shell's command line is below the picture";
  for (int row = bottom_frame_row + 1; row <= rows; ++row)
    for (int column = 1; column <= 80; ++column)
      ASSERT_TRUE(s.foreground(row, column) == -1 && s.background(row, column) == -1)
          << "row " << row << " column " << column << " is not in default colours";
}

// Where the game is when the signal comes.
enum class Moment { prompt, walk, panel };

struct SignalCase {
  const char* name;
  const char* program;  // the walk is always the test program's, held frame by frame
  Moment moment;
  int signal_number;
  const char* keys;  // typed at the terminal, or nullptr: the signal is sent to the game's pid
};

const SignalCase signal_cases[] = {
    {"ctrl_c_at_the_prompt", QUADRIVANT_TEST_PROGRAM, Moment::prompt, SIGINT, "C-c"},
    {"ctrl_c_during_a_walk", QUADRIVANT_TEST_PROGRAM, Moment::walk, SIGINT, "C-c"},
    {"ctrl_c_in_a_panel", QUADRIVANT_PROGRAM, Moment::panel, SIGINT, "C-c"},
    {"ctrl_backslash_at_the_prompt", QUADRIVANT_TEST_PROGRAM, Moment::prompt, SIGQUIT, "C-\\\\"},
    {"sigterm_at_the_prompt", QUADRIVANT_TEST_PROGRAM, Moment::prompt, SIGTERM, nullptr},
    {"sighup_at_the_prompt", QUADRIVANT_TEST_PROGRAM, Moment::prompt, SIGHUP, nullptr},
};

// The marker on its way left from its home cell, over the map that has not begun to scroll.
bool walking_left(const TerminalScreen& s) {
  return s.character(13, 36) != 'X' && s.text(13, 2, 35).find('X') != std::string::npos;
}

class SignalTest : public testing::TestWithParam<SignalCase> {};

TEST_P(SignalTest, LeavesTheTerminalToTheShell) {
  const SignalCase& c = GetParam();
  TerminalSession session;
  TmuxTerminal& terminal = session.terminal();
  if (c.moment == Moment::walk) {
    // The walk's frames pass one at a time: the signal comes while one of them is shown.
    ASSERT_NO_FATAL_FAILURE(session.start_gated_game());
    terminal.type("l 15");
    ASSERT_TRUE(session.hold_when(walking_left)) << screen_text(terminal.screen(), 26, 80);
  } else {
    ASSERT_NO_FATAL_FAILURE(session.start_game(c.program));
  }
  if (c.moment == Moment::panel) {
    terminal.type("r 1");
    ASSERT_TRUE(terminal.wait_for(shows_plaque_panel));
  }
  if (c.keys != nullptr)
    terminal.press(c.keys);
  else
    kill(session.game_pid(), c.signal_number);
  const TerminalScreen& s = session.shell_status(128 + c.signal_number);
  const int status_row =
      row_starting_with(s, 26, "status:" + std::to_string(128 + c.signal_number));
  expect_shell_below_picture(s, 26, status_row);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalTest, testing::ValuesIn(signal_cases),
                         [](const testing::TestParamInfo<SignalCase>& param_info) {
                           return std::string(param_info.param.name);
                         });

// Nothing but the game's picture: every cell outside its 71 x 25 cells is blank in the
// terminal's default colours.
bool only_the_picture(const TerminalScreen& s, int rows, int columns) {
  for (int row = 1; row <= rows; ++row)
    for (int column = row <= 25 ? 72 : 1; column <= columns; ++column)
      if (s.character(row, column) != ' ' || s.background(row, column) != -1) return false;
  return true;
}

TEST(Stop, CtrlZLeavesTheTerminalToTheShellAndFgRedrawsACleanScreen) {
  TerminalSession session;
  TmuxTerminal& terminal = session.terminal();
  ASSERT_NO_FATAL_FAILURE(session.start_game(QUADRIVANT_TEST_PROGRAM));
  terminal.press("C-z");
  ASSERT_TRUE(terminal.wait_for([](const TerminalScreen& s) {
    return screen_text(s, 26, 80).find("Stopped") != std::string::npos;
  }));
  expect_shell_below_picture(terminal.screen(), 26,
                             row_starting_with(terminal.screen(), 26, "[1]"));

  session.type_at_shell("fg");
  EXPECT_TRUE(terminal.wait_for([](const TerminalScreen& s) {
    return game_waits_for_a_command(s) && only_the_picture(s, 26, 80);
  })) << screen_text(terminal.screen(), 26, 80);

  // The game plays on, and ends as ever.
  terminal.type("quit");
  session.shell_status(0);
}

TEST(Resize, GrowingTheTerminalLeavesNothingButThePictureAndTheGamePlaysOn) {
  TerminalSession session;
  TmuxTerminal& terminal = session.terminal();
  // Lines in the shell's history, which a growing window pulls back into view.
  session.type_at_shell("seq 1000 1100");
  ASSERT_NO_FATAL_FAILURE(session.start_game(QUADRIVANT_TEST_PROGRAM));
  terminal.resize(120, 40);
  EXPECT_TRUE(terminal.wait_for([](const TerminalScreen& s) {
    return game_waits_for_a_command(s) && only_the_picture(s, 40, 120);
  })) << screen_text(terminal.screen(), 40, 120);

  // A step left: the plaque right of the start moves from column 37 to 38.
  terminal.type("l 1");
  EXPECT_TRUE(terminal.wait_for([](const TerminalScreen& s) {
    return game_waits_for_a_command(s) && s.character(13, 38) == '#' &&
           s.character(13, 37) != '#' && only_the_picture(s, 40, 120);
  })) << screen_text(terminal.screen(), 40, 120);
}

TEST(Resize, AResizeDuringAWalkIsClearedBeforeItsNextFrame) {
  TerminalSession session;
  TmuxTerminal& terminal = session.terminal();
  session.type_at_shell("seq 1000 1100");
  ASSERT_NO_FATAL_FAILURE(session.start_gated_game());
  terminal.type("l 15");
  ASSERT_TRUE(session.hold_when(walking_left)) << screen_text(terminal.screen(), 26, 80);
  terminal.resize(120, 40);
  // The grown window shows the shell's lines it pulled back into view, as long as the frame
  // lasts; one frame on the game is still walking, and there is nothing but the picture.
  EXPECT_TRUE(terminal.wait_for([](const TerminalScreen& s) {
    return !only_the_picture(s, 40, 120);
  })) << screen_text(terminal.screen(), 40, 120);
  session.gate().release();
  EXPECT_TRUE(terminal.wait_for([&](const TerminalScreen& s) {
    return session.gate().holding() && walking_left(s) &&
           s.text(25, 1, 71) == std::string(71, '#') && only_the_picture(s, 40, 120);
  })) << screen_text(terminal.screen(), 40, 120);
}

}  // namespace

}  // namespace quadrivant

// The test terminal itself: it must report palette colours and positions as a player sees them.
#include "support/terminal_screen.h"

#include <gtest/gtest.h>

TEST(TerminalScreen, ShowsPositionedTextInPaletteColours) {
  TerminalScreen screen;
  screen.feed("\x1b[13;36H\x1b[48;5;160m\x1b[38;5;255mX\x1b[25;71H");
  EXPECT_EQ(screen.character(13, 36), 'X');
  EXPECT_EQ(screen.foreground(13, 36), 255);
  EXPECT_EQ(screen.background(13, 36), 160);
  EXPECT_EQ(screen.background(13, 37), -1);
  EXPECT_EQ(screen.cursor_row(), 25);
  EXPECT_EQ(screen.cursor_column(), 71);
}

// The two halves of a level change: the fade-out that closes the viewport and the reveal that
// opens it on the new level from the middle row.
#include <gtest/gtest.h>

#include "screen/frame.h"
#include "screen/pages.h"
#include "screen_checks.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

bool column_covered(const TerminalScreen& screen, int column) {
  for (int row = 2; row <= 24; ++row) {
    if (!shows_blank(screen, row, column, 235, 235)) return false;
  }
  return true;
}

bool row_covered(const TerminalScreen& screen, int row) {
  for (int column = 2; column <= 70; ++column) {
    if (!shows_blank(screen, row, column, 235, 235)) return false;
  }
  return true;
}

bool row_shows_map(const TerminalScreen& screen, int row, View view) {
  for (int column = 2; column <= 70; ++column) {
    if (!shows_map_cell(screen, row, column, view.x + column - 2, view.y + row - 2)) return false;
  }
  return true;
}

TEST(LevelFadeout, ClosesTheViewportFromBothSidesIn35FramesOf20Ms) {
  const MapData map = coordinate_map(100, 40);
  const View view{10, 5};
  FakeConsole fake;
  generate_border(fake.console());
  draw_map(fake.console(), map, 0, view);
  draw_player(fake.console(), 0, 0);
  TerminalScreen screen;
  screen.feed(fake.output());
  fake.clear_output();
  clear_recorded_waits();

  level_fadeout(fake.console());

  EXPECT_EQ(recorded_waits(), std::vector<int>(35, 20));
  ASSERT_EQ(fake.flushes().size(), 35u);
  for (int frame = 0; frame < 35; ++frame) {
    screen.feed(fake.flushes()[frame]);
    const int reached = 2 + frame;  // covered: columns 2..reached and 72 - reached..70
    for (int column = 2; column <= 70; ++column) {
      const bool covered = column <= reached || column >= 72 - reached;
      EXPECT_EQ(column_covered(screen, column), covered) << "frame " << frame << ", " << column;
    }
    EXPECT_EQ(screen.cursor_row(), 25);
    EXPECT_EQ(screen.cursor_column(), 71);
  }
  EXPECT_TRUE(viewport_shows_no_map(screen));
  EXPECT_EQ(screen.background(13, 36), 235) << "the marker is covered too";
  EXPECT_EQ(screen.text(1, 1, 71).substr(0, 24), std::string(24, '#')) << "frame untouched";
  EXPECT_EQ(screen.background(2, 1), 235);
  EXPECT_EQ(screen.character(2, 1), '#');

  const auto last_frame = cursor_positions(fake.flushes().back());
  for (int row = 2; row <= 24; ++row) {
    EXPECT_EQ(last_frame.count({row, 36}) ? last_frame.at({row, 36}) : 0, 2) << "row " << row;
  }
}

TEST(RevealLevel, OpensTheNewLevelFromTheMiddleRowIn12FramesOf70Ms) {
  const MapData map = coordinate_map(100, 40);
  const View view{20, 8};
  FakeConsole fake;
  generate_border(fake.console());
  level_fadeout(fake.console());
  TerminalScreen screen;
  screen.feed(fake.output());
  fake.clear_output();
  clear_recorded_waits();

  reveal_level(fake.console(), map, 0, view);

  EXPECT_EQ(recorded_waits(), std::vector<int>(12, 70));
  ASSERT_EQ(fake.flushes().size(), 24u) << "each frame: the map, then the covering bands";
  for (int frame = 0; frame < 12; ++frame) {
    // Every flush is seen by the player; the map flush alone is covered at once.
    screen.feed(fake.flushes()[2 * frame] + fake.flushes()[2 * frame + 1]);
    const int edge = 13 - frame;  // covered: rows 2..edge and 26 - edge..24
    for (int row = 2; row <= 24; ++row) {
      const bool covered = row <= edge || row >= 26 - edge;
      EXPECT_EQ(row_covered(screen, row), covered) << "frame " << frame << ", row " << row;
      EXPECT_EQ(row_shows_map(screen, row, view), !covered) << "frame " << frame << ", " << row;
    }
    if (frame == 0) {
      EXPECT_TRUE(viewport_shows_no_map(screen)) << "the first frame shows none of the map";
    }
  }
  EXPECT_TRUE(row_covered(screen, 2));
  EXPECT_TRUE(row_covered(screen, 24));
  EXPECT_TRUE(row_shows_map(screen, 3, view));
  EXPECT_TRUE(row_shows_map(screen, 23, view));
  EXPECT_EQ(screen.background(2, 1), 235);
  EXPECT_EQ(screen.cursor_row(), 25);
  EXPECT_EQ(screen.cursor_column(), 71);
}

}  // namespace

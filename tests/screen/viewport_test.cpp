// The map viewport at the views the game reaches and beyond, the player marker, and the two
// halves of a level change: the fade-out that closes the viewport and the reveal that opens it.
#include "screen/viewport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "screen/frame.h"
#include "screen/pages.h"
#include "screen_checks.h"
#include "support/fake_console.h"
#include "support/recording_clock.h"

namespace {

TEST(DrawMap, EveryViewportCellIsDrawnOnceWithTheMapCellTheViewPutsThere) {
  // On a 100 x 40 map: the start of the game; the player on the map's first and last column and
  // row; the four corners. On a map of the viewport's size: at (0, 0) and one column on; then
  // views the level check keeps the game from reaching, which still draw inside the viewport.
  const std::tuple<int, int, View> cases[] = {
      {100, 40, {-15, 2}}, {100, 40, {-34, 5}},   {100, 40, {65, 5}},    {100, 40, {10, -11}},
      {100, 40, {10, 28}}, {100, 40, {-34, -11}}, {100, 40, {65, -11}},  {100, 40, {-34, 28}},
      {100, 40, {65, 28}}, {69, 23, {0, 0}},      {69, 23, {1, 0}},      {69, 23, {69, 0}},
      {69, 23, {0, 23}},   {69, 23, {-70, 0}},    {69, 23, {-500, -500}}};
  for (const auto& [width, height, view] : cases) {
    SCOPED_TRACE(testing::Message() << width << 'x' << height << " at " << view.x << ',' << view.y);
    FakeConsole fake;
    draw_map(fake.console(), coordinate_map(width, height), 0, view);
    ASSERT_EQ(fake.flushes().size(), 1u);
    auto positions = cursor_positions(fake.output());
    EXPECT_EQ(positions.size(), 69u * 23u + 1u) << "only the viewport and the parking position";
    TerminalScreen screen;
    screen.feed(fake.output());
    for (int row = 2; row <= 24; ++row) {
      for (int column = 2; column <= 70; ++column) {
        const int x = view.x + column - 2, y = view.y + row - 2;
        EXPECT_EQ((positions[{row, column}]), 1) << row << ',' << column;
        EXPECT_TRUE(x >= 0 && x < width && y >= 0 && y < height
                        ? shows_map_cell(screen, row, column, x, y)
                        : shows_text(screen, row, column, " ", 0, 16))
            << row << ',' << column;
      }
    }
    EXPECT_EQ(cursor(screen), parked);
  }
}

TEST(DrawMap, BlankBandsGoOutTopLeftRightBottomThenTheMapCells) {
  // Per view: the first and last cell of each band, then the first map cell, in writing order.
  const std::pair<View, std::vector<std::string>> cases[] = {
      {{-5, -3}, {"2;2", "4;70", "5;2", "24;6", "5;7"}},
      {{65, 28}, {"2;37", "24;70", "14;2", "24;36", "2;2"}}};
  for (const auto& [view, in_order] : cases) {
    FakeConsole fake;
    draw_map(fake.console(), coordinate_map(100, 40), 0, view);
    std::vector<std::size_t> at;
    for (const std::string& cell : in_order) at.push_back(fake.output().find("\x1b[" + cell + "H"));
    EXPECT_EQ(at.front(), 0u) << view.x << ',' << view.y;
    EXPECT_TRUE(std::is_sorted(at.begin(), at.end())) << view.x << ',' << view.y;
  }
}

TEST(DrawPlayer, MarkerStandsAtItsOffsetFromTheHomeCellAndHidesUnderThePrompt) {
  FakeConsole home;
  draw_player(home.console(), 0, 0);
  EXPECT_EQ(home.flushes(),
            std::vector<std::string>{"\x1b[13;36H\x1b[48;5;160m\x1b[38;5;255mX\x1b[25;71H"});
  // dx, dy and where the marker then stands; ten rows up it is under the prompt's lower row.
  const std::tuple<int, int, int, int> offsets[] = {
      {-30, 0, 13, 6}, {30, 0, 13, 66}, {0, 10, 23, 36}, {0, -10, 3, 36}};
  for (const auto& [dx, dy, row, column] : offsets) {
    FakeConsole fake;
    draw_player(fake.console(), dx, dy);
    TerminalScreen screen;
    screen.feed(fake.output());
    EXPECT_TRUE(shows_text(screen, row, column, "X", 255, 160)) << dx << ',' << dy;
    reset_console(fake.console());
    screen.feed(fake.flushes().back());
    EXPECT_EQ(screen.character(row, column), row == 3 ? '=' : 'X') << dx << ',' << dy;
  }
}

// Whether every cell of rows top..bottom, columns left..right is a blank in the frame's colour.
bool covered(const TerminalScreen& screen, int top, int bottom, int left, int right) {
  for (int row = top; row <= bottom; ++row) {
    if (!shows_text(screen, row, left, std::string(right - left + 1, ' '), 0, 235)) return false;
  }
  return true;
}

TEST(LevelFadeout, ClosesTheViewportFromBothSidesIn35FramesOf20Ms) {
  FakeConsole fake;
  clear_recorded_waits();
  level_fadeout(fake.console());
  EXPECT_EQ(recorded_waits(), std::vector<int>(35, 20));
  ASSERT_EQ(fake.flushes().size(), 35u);
  TerminalScreen screen;
  for (int frame = 0; frame < 35; ++frame) {
    screen.feed(fake.flushes()[frame]);
    for (int column = 1; column <= 71; ++column) {  // never the frame's columns 1 and 71
      const bool closed =
          column >= 2 && column <= 70 && (column <= 2 + frame || column >= 70 - frame);
      EXPECT_EQ(covered(screen, 2, 24, column, column), closed) << frame << ", " << column;
    }
    EXPECT_EQ(cursor(screen), parked);
  }
  auto last_frame = cursor_positions(fake.flushes().back());
  for (int row = 2; row <= 24; ++row) EXPECT_EQ((last_frame[{row, 36}]), 2) << "column 36 twice";
}

TEST(RevealLevel, OpensTheNewLevelFromTheMiddleRowIn12FramesOf70Ms) {
  const View view{20, 8};
  FakeConsole fake;
  clear_recorded_waits();
  reveal_level(fake.console(), coordinate_map(100, 40), 0, view);
  EXPECT_EQ(recorded_waits(), std::vector<int>(12, 70));
  ASSERT_EQ(fake.flushes().size(), 24u) << "each frame: the map, then the covering bands";
  TerminalScreen screen;
  for (int frame = 0; frame < 12; ++frame) {
    screen.feed(fake.flushes()[2 * frame] + fake.flushes()[2 * frame + 1]);
    for (int row = 2; row <= 24; ++row) {
      const bool closed = row <= 13 - frame || row >= 13 + frame;
      EXPECT_EQ(covered(screen, row, row, 2, 70), closed) << frame << ", row " << row;
      EXPECT_FALSE(covered(screen, row, row, 1, 1) || covered(screen, row, row, 71, 71));
      for (int column = 2; column <= 70 && !closed; ++column) {
        EXPECT_TRUE(shows_map_cell(screen, row, column, view.x + column - 2, view.y + row - 2))
            << frame << ": " << row << ',' << column;
      }
    }
    EXPECT_EQ(cursor(screen), parked);
  }
}

}  // namespace

// The map viewport at the views the game reaches (start, the four edges, a map of exactly the
// viewport's size, negative views) and the player marker.
#include "screen/viewport.h"

#include <gtest/gtest.h>

#include "screen/frame.h"
#include "screen_checks.h"
#include "support/fake_console.h"

namespace {

struct ViewCase {
  int width;
  int height;
  View view;
};

std::string describe(const ViewCase& c) {
  return std::to_string(c.width) + "x" + std::to_string(c.height) + " map at view (" +
         std::to_string(c.view.x) + "," + std::to_string(c.view.y) + ")";
}

// Draws the coordinate map at the case's view and checks every viewport cell: written exactly
// once, showing the map cell the view puts there or a black blank beyond the map's edges.
void expect_viewport_correspondence(const ViewCase& c) {
  SCOPED_TRACE(describe(c));
  const MapData map = coordinate_map(c.width, c.height);
  FakeConsole fake;
  draw_map(fake.console(), map, 0, c.view);
  ASSERT_EQ(fake.flushes().size(), 1u);
  const auto positions = cursor_positions(fake.output());
  for (int row = 2; row <= 24; ++row) {
    for (int column = 2; column <= 70; ++column) {
      const auto found = positions.find({row, column});
      ASSERT_TRUE(found != positions.end()) << row << ',' << column << " never written";
      EXPECT_EQ(found->second, 1) << row << ',' << column;
    }
  }
  EXPECT_EQ(positions.size(), 69u * 23u + 1u) << "only the viewport and the parking position";
  EXPECT_EQ(positions.count({25, 71}), 1u);

  TerminalScreen screen;
  screen.feed(fake.output());
  for (int row = 2; row <= 24; ++row) {
    for (int column = 2; column <= 70; ++column) {
      const int x = c.view.x + column - 2;
      const int y = c.view.y + row - 2;
      if (x >= 0 && x < c.width && y >= 0 && y < c.height) {
        EXPECT_TRUE(shows_map_cell(screen, row, column, x, y))
            << row << ',' << column << " should show map cell " << x << ',' << y;
      } else {
        EXPECT_TRUE(shows_blank(screen, row, column, 16, 16)) << row << ',' << column;
      }
    }
  }
  EXPECT_EQ(screen.cursor_row(), 25);
  EXPECT_EQ(screen.cursor_column(), 71);
}

TEST(DrawMap, EveryViewportCellIsDrawnOnceWhereTheViewPutsIt) {
  const std::vector<ViewCase> cases = {
      {100, 40, {-15, 2}},       // the start of the game
      {100, 40, {-34, 5}},       // player on map column 0
      {100, 40, {100 - 35, 5}},  // player on the last column
      {100, 40, {10, -11}},      // player on map row 0
      {100, 40, {10, 40 - 12}},  // player on the last row
      {100, 40, {-34, -11}},     // top-left corner
      {100, 40, {65, 28}},       // bottom-right corner
      {69, 23, {0, 0}},          // exactly the viewport's size
      {69, 23, {1, 0}},         {69, 23, {0, 1}},
      {100, 40, {-5, -3}},      {100, 40, {31, 17}},  // the map fills the viewport
  };
  for (const ViewCase& c : cases) expect_viewport_correspondence(c);
}

TEST(DrawMap, StartViewShowsMapColumnsZeroTo53FromScreenColumn17) {
  const MapData map = coordinate_map(100, 40);
  FakeConsole fake;
  draw_map(fake.console(), map, 0, View{-15, 2});
  TerminalScreen screen;
  screen.feed(fake.output());
  for (int row = 2; row <= 24; ++row) {
    for (int column = 2; column <= 16; ++column)
      EXPECT_TRUE(shows_blank(screen, row, column, 16, 16));
  }
  EXPECT_TRUE(shows_map_cell(screen, 2, 17, 0, 2));
  EXPECT_TRUE(shows_map_cell(screen, 24, 70, 53, 24));
  EXPECT_TRUE(shows_map_cell(screen, 13, 36, 19, 13)) << "the player's starting cell";
}

TEST(DrawMap, BlankBandsGoOutTopLeftRightBottomInThatOrder) {
  // View (-5, -3) writes the top band, then the left band, then the map.
  const MapData map = coordinate_map(100, 40);
  FakeConsole fake;
  draw_map(fake.console(), map, 0, View{-5, -3});
  const std::string out = fake.output();
  EXPECT_EQ(out.find("\x1b[2;2H"), 0u) << "the top band starts at the top-left cell";
  EXPECT_LT(out.find("\x1b[4;70H"), out.find("\x1b[5;2H")) << "top band before left band";
  EXPECT_LT(out.find("\x1b[24;6H"), out.find("\x1b[5;7H")) << "left band before the map";
  EXPECT_NE(out.find("\x1b[5;7H\x1b[48;5;100m\x1b[38;5;20ma"), std::string::npos)
      << "map cell (0, 0) at row 5, column 7, in its own colours and character";

  FakeConsole right_and_bottom;
  draw_map(right_and_bottom.console(), map, 0, View{65, 28});
  const std::string edges = right_and_bottom.output();
  EXPECT_EQ(edges.find("\x1b[2;37H"), 0u) << "the right band comes first";
  EXPECT_LT(edges.find("\x1b[24;70H"), edges.find("\x1b[14;2H")) << "right band before bottom";
  EXPECT_LT(edges.find("\x1b[24;36H"), edges.find("\x1b[2;2H")) << "bottom band before the map";
}

TEST(DrawMap, ViewsBeyondTheMapDrawOnlyInsideTheViewport) {
  // Views the level check keeps the game from reaching still draw each viewport cell once and
  // never read outside the map.
  const std::vector<ViewCase> cases = {
      {69, 23, {69, 0}},  {69, 23, {0, 23}},  {69, 23, {200, 100}},
      {69, 23, {-70, 0}}, {69, 23, {0, -24}}, {69, 23, {-500, -500}},
  };
  for (const ViewCase& c : cases) expect_viewport_correspondence(c);
}

TEST(DrawPlayer, WritesTheMarkerByteForByteAndParksTheCursor) {
  FakeConsole fake;
  draw_player(fake.console(), 0, 0);
  ASSERT_EQ(fake.flushes().size(), 1u);
  EXPECT_EQ(fake.output(), "\x1b[13;36H\x1b[48;5;160m\x1b[38;5;255mX\x1b[25;71H");
}

TEST(DrawPlayer, MarkerStandsAtItsOffsetFromTheHomeCell) {
  struct Offset {
    int dx, dy, row, column;
  };
  for (const Offset& o : {Offset{0, 0, 13, 36}, Offset{-30, 0, 13, 6}, Offset{30, 0, 13, 66},
                          Offset{0, -10, 3, 36}, Offset{0, 10, 23, 36}}) {
    FakeConsole fake;
    draw_player(fake.console(), o.dx, o.dy);
    TerminalScreen screen;
    screen.feed(fake.output());
    EXPECT_EQ(screen.character(o.row, o.column), 'X') << o.dx << ',' << o.dy;
    EXPECT_EQ(screen.foreground(o.row, o.column), 255);
    EXPECT_EQ(screen.background(o.row, o.column), 160);
    EXPECT_EQ(screen.cursor_row(), 25);
    EXPECT_EQ(screen.cursor_column(), 71);
  }
}

TEST(DrawPlayer, MarkerTenRowsUpVanishesUnderThePrompt) {
  FakeConsole fake;
  draw_player(fake.console(), 0, -10);
  reset_console(fake.console());
  TerminalScreen screen;
  screen.feed(fake.output());
  EXPECT_EQ(screen.character(3, 36), '=');
  EXPECT_EQ(screen.background(3, 36), 235);
}

}  // namespace

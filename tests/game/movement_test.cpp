// The path scan that stops a move before its first blocking cell, and the walking animation.
#include "game/movement.h"

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/recording_clock.h"

namespace {

constexpr View start_view{-15, 2};  // the player on (19, 13)

// The steps a scan of level 0 allows and the code of the last cell it read (-7: none).
std::pair<int, int> scan(const MapData& map, View view, int step_x, int step_y, int steps) {
  int code = -7;
  const int walked = scan_path(map, 0, view, step_x, step_y, steps, code);
  return {walked, code};
}

TEST(ScanPath, StopsBeforeTheFirstBlockingCellAndKeepsItsCode) {
  TestLevel level = walled_level();
  level.codes[13][21] = 48;  // obstruction 1
  level.codes[13][24] = level.codes[12][19] = 100;
  level.codes[13][16] = 255;
  level.obstructions.assign(49, "gate");  // all closed
  MapData map = make_map_data({level});
  EXPECT_EQ(scan(map, start_view, 1, 0, 5), std::pair(1, 48)) << "a closed gate";
  EXPECT_EQ(scan(map, start_view, -1, 0, 5), std::pair(2, 255));
  EXPECT_EQ(scan(map, start_view, 0, -1, 10), std::pair(0, 100)) << "blocked beside";
  EXPECT_EQ(scan(map, start_view, 1, 0, 0), std::pair(0, -7)) << "zero steps read no cell";
  EXPECT_EQ(scan(map, start_view, 0, 1, 8), std::pair(8, 0)) << "an open path";
  map.obstructions[0].cleared[0] = 1;  // another gate's opening changes nothing here
  EXPECT_EQ(scan(map, start_view, 1, 0, 8), std::pair(1, 48));
  map.obstructions[0].cleared[1] = 1;
  EXPECT_EQ(scan(map, start_view, 1, 0, 8), std::pair(4, 100)) << "an open gate is crossed";
  EXPECT_EQ(scan(map, start_view, 1, 0, 2), std::pair(2, 48)) << "a walk may end on it";

  // Every closed gate and every other code blocks.
  for (int code = 1; code <= 255; ++code) {
    level.codes[13][21] = code;
    EXPECT_EQ(scan(make_map_data({level}), start_view, 1, 0, 5), std::pair(1, code));
  }

  TestLevel open;
  open.codes.assign(23, std::vector<int>(69, 0));  // beyond the edge: an obstacle
  const MapData edge = make_map_data({open});
  EXPECT_EQ(scan(edge, start_view, -1, 0, 30), std::pair(19, 255));
  EXPECT_EQ(scan(edge, start_view, 0, 1, 10), std::pair(9, 255));
  const View near_corner{66 - 34, 2 - 11};  // the player on (66, 2)
  EXPECT_EQ(scan(edge, near_corner, 1, 0, 30), std::pair(2, 255));
  EXPECT_EQ(scan(edge, near_corner, 0, -1, 10), std::pair(2, 255));
}

TEST(MovePlayer, MarkerWalksOverTheStillMapThenTheMapScrollsUnderIt) {
  // A walk (dx, dy), and after each frame the marker's cell and the view's corner (row, column,
  // x, y); the last frame shows the view the walk returns.
  const std::vector<std::tuple<int, int, std::vector<std::array<int, 4>>>> walks = {
      {2, 0, {{13, 37, -15, 2}, {13, 38, -15, 2}, {13, 37, -14, 2}, {13, 36, -13, 2}}},
      {0, -1, {{12, 36, -15, 2}, {13, 36, -15, 1}}},
      {0, 0, {}},
  };
  const MapData map = make_map_data({walled_level(100, 40)});
  for (const auto& [dx, dy, frames] : walks) {
    FakeConsole fake;
    clear_recorded_waits();
    const View after = move_player(fake.console(), map, 0, start_view, dx, dy);
    EXPECT_EQ(recorded_waits(), walk(std::abs(dx + dy), dx != 0)) << dx << ", " << dy;
    TerminalScreen screen;
    std::size_t frame = 0;
    for (const std::string& flush : fake.flushes()) {  // each frame ends with the prompt
      screen.feed(flush);
      if (!flush.ends_with("\x1b[2;32H\x1b[48;5;235m\x1b[38;5;36m") || frame++ >= frames.size())
        continue;
      const auto& [row, column, x, y] = frames[frame - 1];
      EXPECT_TRUE(shows_map(screen, map, 0, {x, y}, row, column)) << dx << ", " << dy;
    }
    EXPECT_EQ(frame, frames.size()) << dx << ", " << dy;
    const View end = frames.empty() ? start_view : View{frames.back()[2], frames.back()[3]};
    EXPECT_EQ(std::pair(after.x, after.y), std::pair(end.x, end.y));
  }
}

}  // namespace

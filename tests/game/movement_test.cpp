// The path scan that stops a move before its first blocking cell, and the walking animation.
#include "game/movement.h"

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/recording_clock.h"

namespace {

constexpr View start_view{-15, 2};  // the player on (19, 13)

struct Scan {
  int steps;
  int code;
};

Scan scan(const MapData& map, View view, int step_x, int step_y, int steps) {
  int code = -7;  // never a code: shows whether the scan read a cell at all
  const int walked = scan_path(map, 0, view, step_x, step_y, steps, code);
  return {walked, code};
}

TEST(ScanPath, StopsBeforeTheFirstBlockingCellAndKeepsItsCode) {
  TestLevel level = walled_level();
  place_codes(level, 20, 13, {"..#"});
  const MapData map = make_map_data({level});
  const Scan result = scan(map, start_view, 1, 0, 5);
  EXPECT_EQ(result.steps, 2);
  EXPECT_EQ(result.code, 255);
}

TEST(ScanPath, OpenPathWalksAllStepsAndKeepsTheLastCellsCode) {
  const MapData map = make_map_data({walled_level()});
  for (const auto& [step_x, step_y, steps] :
       {std::tuple{1, 0, 30}, {-1, 0, 18}, {0, 1, 8}, {0, -1, 12}}) {
    const Scan result = scan(map, start_view, step_x, step_y, steps);
    EXPECT_EQ(result.steps, steps) << step_x << ", " << step_y;
    EXPECT_EQ(result.code, 0);
  }
}

TEST(ScanPath, ZeroStepsReadsNoCell) {
  TestLevel level = walled_level();
  place_codes(level, 20, 13, {"#"});
  const MapData map = make_map_data({level});
  const Scan result = scan(map, start_view, 1, 0, 0);
  EXPECT_EQ(result.steps, 0);
  EXPECT_EQ(result.code, -7);
}

TEST(ScanPath, BlockingCellBesideThePlayerAllowsNoStep) {
  TestLevel level = walled_level();
  place_codes(level, 19, 12, {"?"}, {{'?', 100}});
  level.problems = {{"Q", "A", 1}};
  const MapData map = make_map_data({level});
  const Scan result = scan(map, start_view, 0, -1, 10);
  EXPECT_EQ(result.steps, 0);
  EXPECT_EQ(result.code, 100);
}

TEST(ScanPath, ObstructionBlocksUntilClearedThenIsCrossedLikeGround) {
  TestLevel level = walled_level();
  place_codes(level, 20, 13, {".=..#"}, {{'=', 48}});  // obstruction 1
  level.obstructions = {"first gate", "second gate"};
  MapData map = make_map_data({level});

  Scan result = scan(map, start_view, 1, 0, 8);
  EXPECT_EQ(result.steps, 1);
  EXPECT_EQ(result.code, 48);

  map.obstructions[0].cleared[0] = 1;  // another gate's opening changes nothing here
  EXPECT_EQ(scan(map, start_view, 1, 0, 8).steps, 1);

  map.obstructions[0].cleared[1] = 1;
  result = scan(map, start_view, 1, 0, 8);
  EXPECT_EQ(result.steps, 4);
  EXPECT_EQ(result.code, 255);

  result = scan(map, start_view, 1, 0, 2);
  EXPECT_EQ(result.steps, 2) << "a walk may end on an open gate";
  EXPECT_EQ(result.code, 48);
}

TEST(ScanPath, EveryOtherCodeBlocks) {
  for (int code = 50; code <= 255; ++code) {
    TestLevel level = walled_level();
    level.codes[13][21] = code;
    const MapData map = make_map_data({level});
    const Scan result = scan(map, start_view, 1, 0, 5);
    EXPECT_EQ(result.steps, 1) << code;
    EXPECT_EQ(result.code, code);
  }
}

TEST(ScanPath, CellBeyondTheLayersEdgeBlocksLikeAnObstacle) {
  TestLevel open;
  open.codes.assign(23, std::vector<int>(69, 0));  // no ring of walls: the edge itself stops
  const MapData map = make_map_data({open});
  // From (19, 13): 19 cells to the left edge, 49 to the right, 13 up, 9 down.
  const Scan left = scan(map, start_view, -1, 0, 30);
  EXPECT_EQ(left.steps, 19);
  EXPECT_EQ(left.code, 255);
  const Scan down = scan(map, start_view, 0, 1, 10);
  EXPECT_EQ(down.steps, 9);
  EXPECT_EQ(down.code, 255);
  const View near_corner{66 - 34, 2 - 11};  // the player on (66, 2)
  const Scan right = scan(map, near_corner, 1, 0, 30);
  EXPECT_EQ(right.steps, 2);
  EXPECT_EQ(right.code, 255);
  const Scan up = scan(map, near_corner, 0, -1, 10);
  EXPECT_EQ(up.steps, 2);
  EXPECT_EQ(up.code, 255);
}

// Where the marker and the map stood after each frame of a walk.
struct Frame {
  int marker_row;
  int marker_column;
  View view;
};

class MovePlayer : public testing::Test {
 protected:
  MovePlayer() {
    TestLevel level = walled_level(100, 40);
    give_distinct_characters(level);
    map_ = make_map_data({level});
    clear_recorded_waits();
  }

  View walk(int dx, int dy) { return move_player(play_.console(), map_, 0, start_view, dx, dy); }

  // Checks every frame the walk drew: a frame ends with the prompt, and before it the map at the
  // frame's view and the marker at its cell.
  void expect_frames(const std::vector<Frame>& frames) {
    TerminalScreen screen;
    std::size_t frame = 0;
    for (const std::string& flush : play_.fake().flushes()) {
      screen.feed(flush);
      if (!flush.ends_with("\x1b[2;32H\x1b[48;5;235m\x1b[38;5;36m")) continue;
      ASSERT_LT(frame, frames.size()) << "more frames than steps";
      const Frame& expected = frames[frame++];
      EXPECT_TRUE(marker_only_at(screen, expected.marker_row, expected.marker_column))
          << "frame " << frame;
      const ViewportArea area{2, 24, expected.marker_row, expected.marker_column};
      EXPECT_TRUE(viewport_shows(screen, map_, 0, expected.view, area)) << "frame " << frame;
    }
    EXPECT_EQ(frame, frames.size());
  }

  ScriptedPlay play_{""};
  MapData map_;
};

TEST_F(MovePlayer, RightTwoWalksOverTheStillMapThenScrollsIt) {
  EXPECT_EQ(walk(2, 0).x, -13);
  EXPECT_EQ(recorded_waits(), waits({{2, 100}, {2, 150}}));
  expect_frames({{13, 37, {-15, 2}}, {13, 38, {-15, 2}}, {13, 37, {-14, 2}}, {13, 36, {-13, 2}}});
}

TEST_F(MovePlayer, LeftThreeMirrorsIt) {
  const View after = walk(-3, 0);
  EXPECT_EQ(after.x, -18);
  EXPECT_EQ(after.y, 2);
  EXPECT_EQ(recorded_waits(), waits({{3, 100}, {3, 150}}));
  expect_frames({{13, 35, {-15, 2}},
                 {13, 34, {-15, 2}},
                 {13, 33, {-15, 2}},
                 {13, 34, {-16, 2}},
                 {13, 35, {-17, 2}},
                 {13, 36, {-18, 2}}});
}

TEST_F(MovePlayer, VerticalWalksTakeLongerWaits) {
  const View after = walk(0, 2);
  EXPECT_EQ(after.x, -15);
  EXPECT_EQ(after.y, 4);
  EXPECT_EQ(recorded_waits(), waits({{2, 150}, {2, 200}}));
  expect_frames({{14, 36, {-15, 2}}, {15, 36, {-15, 2}}, {14, 36, {-15, 3}}, {13, 36, {-15, 4}}});
}

TEST_F(MovePlayer, UpOne) {
  EXPECT_EQ(walk(0, -1).y, 1);
  EXPECT_EQ(recorded_waits(), waits({{1, 150}, {1, 200}}));
  expect_frames({{12, 36, {-15, 2}}, {13, 36, {-15, 1}}});
}

TEST_F(MovePlayer, TenUpTakesTheMarkerUnderThePromptAndBack) {
  EXPECT_EQ(walk(0, -10).y, -8);
  EXPECT_EQ(recorded_waits(), waits({{10, 150}, {10, 200}}));
}

TEST_F(MovePlayer, ThirtyRightTakesSixtyFrames) {
  EXPECT_EQ(walk(30, 0).x, 15);
  EXPECT_EQ(recorded_waits(), waits({{30, 100}, {30, 150}}));
  std::vector<Frame> frames;
  for (int i = 1; i <= 30; ++i) frames.push_back({13, 36 + i, {-15, 2}});
  for (int j = 1; j <= 30; ++j) frames.push_back({13, 66 - j, {-15 + j, 2}});
  expect_frames(frames);
}

TEST_F(MovePlayer, NoStepsDrawNothingAndTakeNoTime) {
  const View after = walk(0, 0);
  EXPECT_EQ(after.x, start_view.x);
  EXPECT_EQ(after.y, start_view.y);
  EXPECT_TRUE(recorded_waits().empty());
  EXPECT_TRUE(play_.fake().output().empty());
}

TEST_F(MovePlayer, HorizontalStepsWinOverVertical) {
  const View after = walk(1, 5);
  EXPECT_EQ(after.x, -14);
  EXPECT_EQ(after.y, 2);
  EXPECT_EQ(recorded_waits(), waits({{1, 100}, {1, 150}}));
}

}  // namespace

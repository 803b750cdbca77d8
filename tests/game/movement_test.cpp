// The path scan that stops a move before its first blocking cell, and the walking animation.
#include "game/movement.h"

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/recording_clock.h"

namespace {

constexpr View start_view{-15, 2};  // the player on (19, 13)

// What a scan found: the steps it allows and the code of the last cell it read.
struct Scan {
  int steps;
  int code;
  bool operator==(const Scan&) const = default;
};

void PrintTo(const Scan& scan, std::ostream* out) {
  *out << "{steps " << scan.steps << ", code " << scan.code << "}";
}

constexpr int no_cell_read = -7;  // never a code

Scan scan(const MapData& map, View view, int step_x, int step_y, int steps) {
  int code = no_cell_read;
  const int walked = scan_path(map, 0, view, step_x, step_y, steps, code);
  return {walked, code};
}

// A walled level with `row` of codes placed from (x, y).
MapData level_with(int x, int y, const std::string& row, const std::map<char, int>& legend = {}) {
  TestLevel level = walled_level();
  place_codes(level, x, y, {row}, legend);
  level.obstructions = {"first gate", "second gate"};
  level.problems = {{"Q", "A", 1}};
  return make_map_data({level});
}

TEST(ScanPath, StopsBeforeTheFirstBlockingCellAndKeepsItsCode) {
  EXPECT_EQ(scan(level_with(20, 13, "..#"), start_view, 1, 0, 5), (Scan{2, 255}));
  EXPECT_EQ(scan(level_with(16, 13, "#.."), start_view, -1, 0, 5), (Scan{2, 255}));
}

TEST(ScanPath, BlockingCellBesideThePlayerAllowsNoStep) {
  EXPECT_EQ(scan(level_with(19, 12, "?", {{'?', 100}}), start_view, 0, -1, 10), (Scan{0, 100}));
}

TEST(ScanPath, ZeroStepsReadsNoCell) {
  EXPECT_EQ(scan(level_with(20, 13, "#"), start_view, 1, 0, 0), (Scan{0, no_cell_read}));
}

TEST(ScanPath, OpenPathWalksAllStepsAndKeepsTheLastCellsCode) {
  const MapData map = make_map_data({walled_level()});
  EXPECT_EQ(scan(map, start_view, 1, 0, 30), (Scan{30, 0}));
  EXPECT_EQ(scan(map, start_view, -1, 0, 18), (Scan{18, 0}));
  EXPECT_EQ(scan(map, start_view, 0, 1, 8), (Scan{8, 0}));
  EXPECT_EQ(scan(map, start_view, 0, -1, 12), (Scan{12, 0}));
}

TEST(ScanPath, ObstructionBlocksUntilClearedThenIsCrossedLikeGround) {
  MapData map = level_with(20, 13, ".=..#", {{'=', 48}});  // obstruction 1
  EXPECT_EQ(scan(map, start_view, 1, 0, 8), (Scan{1, 48}));
  map.obstructions[0].cleared[0] = 1;  // another gate's opening changes nothing here
  EXPECT_EQ(scan(map, start_view, 1, 0, 8), (Scan{1, 48}));
  map.obstructions[0].cleared[1] = 1;
  EXPECT_EQ(scan(map, start_view, 1, 0, 8), (Scan{4, 255}));
  EXPECT_EQ(scan(map, start_view, 1, 0, 2), (Scan{2, 48})) << "a walk may end on an open gate";
}

TEST(ScanPath, EveryOtherCodeBlocks) {
  for (int code = 50; code <= 255; ++code) {
    TestLevel level = walled_level();
    level.codes[13][21] = code;
    EXPECT_EQ(scan(make_map_data({level}), start_view, 1, 0, 5), (Scan{1, code}));
  }
}

TEST(ScanPath, CellBeyondTheLayersEdgeBlocksLikeAnObstacle) {
  TestLevel open;
  open.codes.assign(23, std::vector<int>(69, 0));  // no ring of walls: the edge itself stops
  const MapData map = make_map_data({open});
  // From (19, 13): 19 cells to the left edge, 9 down.
  EXPECT_EQ(scan(map, start_view, -1, 0, 30), (Scan{19, 255}));
  EXPECT_EQ(scan(map, start_view, 0, 1, 10), (Scan{9, 255}));
  const View near_corner{66 - 34, 2 - 11};  // the player on (66, 2)
  EXPECT_EQ(scan(map, near_corner, 1, 0, 30), (Scan{2, 255}));
  EXPECT_EQ(scan(map, near_corner, 0, -1, 10), (Scan{2, 255}));
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

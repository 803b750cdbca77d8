// Which cells a walk crosses: it stops before the first cell that blocks, and keeps that cell's
// code for the rule that follows.
#include "rules/movement.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>

#include "support/test_world.h"

namespace quadrivant {

namespace {

const Direction& direction(std::string_view word) {
  for (const Direction& d : directions)
    if (d.word == word) return d;
  throw std::invalid_argument(std::string(word));
}
const Direction &right = direction("right"), &left = direction("left"), &down = direction("down"),
                &up = direction("up");

// The steps a scan from the player's cell allows and the code of the last cell it read.
std::pair<int, int> scan(const World& world, const GameState& state, const Direction& direction,
                         int steps) {
  const Scan result = scan_path(world, state, direction, steps);
  return {result.steps, result.code};
}

// The player on (19, 13): a closed gate (obstruction 1) two cells to the right, a problem five
// to the right and one above, an obstacle three to the left, open ground below.
TestLevel crossroads() {
  TestLevel level = walled_level();
  level.codes[13][21] = 48;
  level.codes[13][24] = level.codes[12][19] = 100;
  level.codes[13][16] = 255;
  level.obstructions.assign(49, {"gate"});
  level.problems = {{"question", "solved", 1}};
  return level;
}

TEST(ScanPath, StopsBeforeTheFirstBlockingCellAndKeepsItsCode) {
  const World world = make_world({crossroads()});
  const GameState state(world);
  EXPECT_EQ(scan(world, state, right, 5), std::pair(1, 48)) << "a closed gate";
  EXPECT_EQ(scan(world, state, left, 5), std::pair(2, 255));
  EXPECT_EQ(scan(world, state, up, 10), std::pair(0, 100)) << "blocked beside";
  EXPECT_EQ(scan(world, state, down, 8), std::pair(8, 0)) << "an open path";
  EXPECT_EQ(scan(world, state, right, 0), std::pair(0, 0)) << "zero steps read no cell";
}

TEST(ScanPath, EveryCodeButFreeGroundBlocksUntilItsGateIsCleared) {
  TestLevel level = crossroads();
  for (int code = 1; code <= 255; ++code) {
    level.codes[13][21] = code;
    const World world = make_world({level});
    EXPECT_EQ(scan(world, GameState(world), right, 5), std::pair(1, code));
  }
}

TEST(ScanPath, ClearedObstructionLetsTheWalkCrossOrEndOnIt) {
  const World world = make_world({crossroads()});
  GameState state(world);
  state.cleared[0][0] = true;  // another gate's opening changes nothing here
  EXPECT_EQ(scan(world, state, right, 8), std::pair(1, 48));
  state.cleared[0][1] = true;
  EXPECT_EQ(scan(world, state, right, 8), std::pair(4, 100)) << "an open gate is crossed";
  EXPECT_EQ(scan(world, state, right, 2), std::pair(2, 48)) << "a walk may end on it";
  // Gates are cleared level by level.
  const World two = make_world({crossroads(), crossroads()});
  GameState other(two);
  other.current_level = 1;
  other.cleared[0][1] = true;
  EXPECT_EQ(scan(two, other, right, 8), std::pair(1, 48));
  other.cleared[1][1] = true;
  EXPECT_EQ(scan(two, other, right, 8), std::pair(4, 100));
}

TEST(ScanPath, BeyondTheCollisionLayerBlocksLikeTheObstacle) {
  TestLevel open;
  open.codes.assign(23, std::vector<int>(69, 0));
  const World world = make_world({open});
  GameState state(world);
  EXPECT_EQ(scan(world, state, left, 30), std::pair(19, 255));
  EXPECT_EQ(scan(world, state, down, 10), std::pair(9, 255));
  state.player = {66, 2};
  EXPECT_EQ(scan(world, state, right, 30), std::pair(2, 255));
  EXPECT_EQ(scan(world, state, up, 10), std::pair(2, 255));
}

}  // namespace

}  // namespace quadrivant

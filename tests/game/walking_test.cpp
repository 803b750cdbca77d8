// The walking animation: the marker walks, then the map scrolls under it.
#include "screen/picture/walking.h"

#include <gtest/gtest.h>

#include "play_checks.h"
#include "support/recording_clock.h"

namespace quadrivant {

namespace {

constexpr View start_view{-15, 2};  // the player on (19, 13)

TEST(MovePlayer, MarkerWalksOverTheStillMapThenTheMapScrollsUnderIt) {
  // A walk (dx, dy), and after each frame the marker's cell and the view's corner (row, column,
  // x, y); the last frame shows the view the walk returns.
  const std::vector<std::tuple<int, int, std::vector<std::array<int, 4>>>> walks = {
      {2, 0, {{13, 37, -15, 2}, {13, 38, -15, 2}, {13, 37, -14, 2}, {13, 36, -13, 2}}},
      {0, -1, {{12, 36, -15, 2}, {13, 36, -15, 1}}},
      {0, 0, {}},
  };
  const Level level = make_world({walled_level(100, 40)})[0];
  for (const auto& [dx, dy, frames] : walks) {
    FakeConsole fake;
    clear_recorded_waits();
    const View after = move_player(fake.console(), level, start_view, dx, dy);
    EXPECT_EQ(recorded_waits(), walk(std::abs(dx + dy), dx != 0)) << dx << ", " << dy;
    TerminalScreen screen;
    std::size_t frame = 0;
    for (const std::string& flush : fake.flushes()) {  // each frame ends with the prompt
      screen.feed(flush);
      if (!flush.ends_with("\x1b[2;32H\x1b[48;5;235m\x1b[38;5;36m") || frame++ >= frames.size())
        continue;
      const auto& [row, column, x, y] = frames[frame - 1];
      EXPECT_TRUE(shows_map(screen, level, {x, y}, row, column)) << dx << ", " << dy;
    }
    EXPECT_EQ(frame, frames.size()) << dx << ", " << dy;
    const View end = frames.empty() ? start_view : View{frames.back()[2], frames.back()[3]};
    EXPECT_EQ(after, end);
  }
}

}  // namespace

}  // namespace quadrivant

// The load-time check refuses level data that would break the game in play, with one message
// naming the level, the cell and the code, and accepts data that merely looks odd.
#include "level/unplayable_cells.h"

#include <functional>
#include <tuple>

#include <gtest/gtest.h>

#include "base/failure.h"
#include "support/test_world.h"

namespace quadrivant {

namespace {

using Levels = std::vector<TestLevel>;
// A change to the sound world, and the refusal between "(;^_^) Oopsie! Level " and "!\n" ("" if
// the changed world is accepted).
using Case = std::pair<std::function<void(Levels&)>, std::string>;

// Two levels using every kind of code, with odd but playable data: level 0 holds codes 49, 50,
// 100, 200, 254 and 255 on cells (21..26, 5), one obstruction, one transition and two problems
// and information entries; level 1 code 50 on (1, 1) and only unused entries besides.
Levels sound_world() {
  Levels world = {walled_level(), walled_level(100, 40)};
  for (int k = 0; k < 6; ++k)
    world[0].codes[5][21 + k] = std::vector{49, 50, 100, 200, 254, 255}[k];
  world[0].obstructions = {{"gate"}};
  world[0].transitions = {{1, 99, 39}};
  world[0].problems = {{"never answered", "", -5}, {"unused", "", 1}};
  world[0].infos = {{"never opens", "", 1000}, {"unused", "", 0}};
  world[1].codes[1][1] = 50;
  world[1].transitions = {{0, 0, 0}, {7, -3, 500}};  // lands on the wall at the corner
  world[1].obstructions = {{"unused"}};
  world[1].problems = {{"", "", 0}};
  return world;
}

Case code(int code, const std::string& fault) {  // on cell (4, 7) of level 0
  return {[code](Levels& w) { w[0].codes[7][4] = code; },
          "0, cell (4, 7): code " + std::to_string(code) + ' ' + fault};
}

Case target(RoomTransition target, const std::string& fault) {  // of cell (22, 5) of level 0
  return {[target](Levels& w) { w[0].transitions[0] = target; },
          "0, cell (22, 5): code 50 " + fault};
}

TEST(CheckLevelData, RefusesTheFirstCellTheGameCouldNotPlay) {
  const std::vector<Case> cases = {
      {[](Levels&) {}, ""},
      code(256, "is not a cell code (0 to 255)"),
      code(-1, "is not a cell code (0 to 255)"),
      code(48, "names obstruction 1, but the level has only 1 obstruction"),
      code(51, "names room transition 1, but the level has only 1 room transition"),
      code(102, "names problem 2, but the level has only 2 problems"),
      code(202, "names information entry 2, but the level has only 2 information entries"),
      code(201, "unlocks obstruction 1, but the level has only 1 obstruction"),
      {[](Levels& w) { w[0].problems.clear(); },
       "0, cell (23, 5): code 100 names problem 0, but the level has no problems"},
      target({2, 5, 5}, "leads to level 2, but the world has only levels 0 to 1"),
      target({-1, 5, 5}, "leads to level -1, but the world has only levels 0 to 1"),
      {[](Levels& w) { w.pop_back(); },
       "0, cell (22, 5): code 50 leads to level 1, but the world has only level 0"},
      target({1, 100, 5}, "leads to cell (100, 5) of level 1, outside its 100x40 map"),
      target({1, -1, 5}, "leads to cell (-1, 5) of level 1, outside its 100x40 map"),
      target({1, 5, 40}, "leads to cell (5, 40) of level 1, outside its 100x40 map"),
      target({1, 5, -1}, "leads to cell (5, -1) of level 1, outside its 100x40 map"),
      // Measured against the target level's own map.
      {[](Levels& w) {
         w[1].transitions[0] = {0, 69, 0};
       },
       "1, cell (1, 1): code 50 leads to cell (69, 0) of level 0, outside its 69x23 map"},
      // The last cell of each level is looked at too (69 x 23 cells are no multiple of 4).
      {[](Levels& w) { w[0].codes[22][68] = 150; },
       "0, cell (68, 22): code 150 names problem 50, but the level has only 2 problems"},
      {[](Levels& w) { w[1].codes[39][99] = 150; },
       "1, cell (99, 39): code 150 names problem 50, but the level has only 1 problem"},
      {[](Levels& w) {  // levels in order, each row by row
         w[1].codes[0][0] = 300, w[0].codes[9][2] = 300, w[0].codes[8][60] = 301;
       },
       "0, cell (60, 8): code 301 is not a cell code (0 to 255)"},
  };
  for (const auto& [change, refusal] : cases) {
    Levels levels = sound_world();
    change(levels);
    std::string message;
    try {
      refuse_unplayable_world(make_world(levels));
    } catch (const Failure& error) {
      EXPECT_EQ(error.stream(), Stream::standard_output) << error.what();
      message = error.what();
    }
    EXPECT_EQ(message, refusal.empty() ? "" : "(;^_^) Oopsie! Level " + refusal + "!\n");
  }
}

}  // namespace

// Colours are checked like codes: the terminal knows 256 of them. A cell's code is judged first.
TEST(CheckLevelData, RefusesAColourTheTerminalCannotShow) {
  const std::vector<std::tuple<int, int, int, std::string>> cells = {
      // code, foreground, background of cell (4, 7) of level 0; the refusal after "cell (4, 7): "
      {0, 0, 255, ""},
      {0, 300, 0, "foreground colour 300 is not an xterm colour (0 to 255)"},
      {0, 7, -1, "background colour -1 is not an xterm colour (0 to 255)"},
      {0, -5, 256, "foreground colour -5 is not an xterm colour (0 to 255)"},
      {256, 0, 300, "code 256 is not a cell code (0 to 255)"},
  };
  for (const auto& [code, foreground, background, refusal] : cells) {
    World world = make_world(sound_world());
    world[0].collision_layer.set(4, 7, code);
    world[0].fg_layer.set(4, 7, foreground);
    world[0].bg_layer.set(4, 7, background);
    std::string message;
    try {
      refuse_unplayable_world(world);
    } catch (const Failure& error) {
      message = error.what();
    }
    EXPECT_EQ(message,
              refusal.empty() ? "" : "(;^_^) Oopsie! Level 0, cell (4, 7): " + refusal + "!\n");
  }
}

}  // namespace quadrivant

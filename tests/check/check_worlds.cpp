#include "check_worlds.h"

namespace quadrivant {

std::vector<TestLevel> sound_world() {
  std::vector<TestLevel> world = {walled_level(), walled_level()};
  TestLevel& hall = world[0];
  hall.codes[11][19] = 100;
  hall.problems = {{"What is 6 x 7?", "Right.", 42}};
  hall.codes[15][19] = 200;
  hall.infos = {{"Solve one problem.", "The gate is open.", 1}};
  for (int y = 1; y < 22; ++y) hall.codes[y][30] = 49;
  hall.obstructions = {{"A gate."}};
  hall.codes[13][40] = 50;
  hall.transitions = {{1, 10, 10}};
  world[1].codes[10][13] = 254;
  return world;
}

}  // namespace quadrivant

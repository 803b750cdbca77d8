#include "event_world.h"

#include "support/test_world.h"

namespace quadrivant {

World event_world() {
  TestLevel hall = walled_level(90, 30);
  hall.codes[13][24] = 100;
  hall.problems = {{"What is 6 x 7?", "Right: 42.", 42}, {"Two\tlines", "", 7}};
  hall.codes[13][30] = 101;
  hall.codes[10][19] = 200;
  hall.infos = {{"Solve a problem first.", "The gate opens.", 1}};
  hall.codes[13][14] = 49;
  hall.obstructions = {{"A gate."}};
  hall.codes[17][19] = 50;
  hall.transitions = {{1, 19, 13}};

  TestLevel tower = walled_level();
  tower.codes[13][25] = 254;
  tower.codes[8][19] = 50;
  tower.transitions = {{0, 40, 20}};
  tower.codes[13][15] = 101;
  tower.problems = {{"What is 1 + 1?", "Two.", 2}, {"What is 2 + 2?", "Four.", 4}};
  return make_world({hall, tower});
}

}  // namespace quadrivant

// quadrivant_instant: the game with every wait instant, for timing whole runs of loading and
// drawing against other tools (scripts/compare-pamtopnm.sh) without the animations' pauses.
#include "game/program.h"

int main(int argc, char** argv) {
  quadrivant::InstantClock clock;
  return quadrivant::run_quadrivant(argc, argv, clock);
}

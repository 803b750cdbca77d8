// quadrivant: a puzzle adventure played in a text terminal. The world comes from the directory
// named on the command line, or else from "manifest.txt" in the working directory, or else from
// the installed adventure; the game is played on standard input and output.
#include "game/program.h"

int main(int argc, char** argv) {
  quadrivant::SleepingClock clock;
  return quadrivant::run_quadrivant(argc, argv, clock);
}

// The game program, `quadrivant [WORLD_DIR]`, on a clock of the caller's choosing: the real game
// sleeps (main.cpp); the test and timing builds of the program wait instantly or record.
#pragma once

#include "screen/terminal/console.h"

namespace quadrivant {

// Runs the whole game program on `argv` and returns its exit status: reads the command line,
// loads and checks the world, plays it on standard input and output, and fails as every program
// of quadrivant fails (base/entry.h).
int run_quadrivant(int argc, char** argv, Clock& clock);

}  // namespace quadrivant

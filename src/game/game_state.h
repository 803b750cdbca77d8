// The state of one game, owned by the program's entry for the whole run. Nothing is saved:
// every run starts on level 0 with nothing solved.
#pragma once

#include "screen/viewport.h"

struct GameState {
  int current_level = 0;
  View view{-15, 2};     // the player starts on cell (19, 13) of level 0
  int solved_count = 0;  // problems solved over all levels
  int running = 1;       // cleared by quit, by the end of input and by the finish cell
  int pending_code = 0;  // code of the cell that ended the last move
};

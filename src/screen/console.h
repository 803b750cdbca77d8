// The terminal the game plays on. Lines are read from `in`; every drawing goes to `out`, which
// is fully buffered and flushed only at the end of a visible drawing step (a finished screen,
// an animation frame before its wait, the prompt before a line is read; see drawing_step.h),
// so the terminal never shows half a frame. The game uses standard input and output; tests
// use in-memory streams.
#pragma once

#include <cstdio>

struct Console {
  std::FILE* in;
  std::FILE* out;
};

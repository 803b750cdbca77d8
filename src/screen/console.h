// The terminal the game plays on. Lines are read from `in`; every drawing goes to `out`, which
// is fully buffered and flushed only at the end of a visible drawing step (a finished screen,
// an animation frame before its wait, the prompt before a line is read), so the terminal never
// shows half a frame. The game uses standard input and output; tests use in-memory streams.
#pragma once

#include <cstdio>
#include <string>

struct Console {
  std::FILE* in;
  std::FILE* out;
};

// Reads the next line, or the next 11 characters of a longer one, into `line` without its
// newline. Returns false, leaving `line` empty, once the input has ended or cannot be read.
bool get_input(Console& console, std::string& line);

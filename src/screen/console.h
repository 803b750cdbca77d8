// The terminal the game plays on. Lines are read from `in`; every drawing goes to `out`, which
// is fully buffered and flushed only at the end of a visible drawing step (a finished screen,
// an animation frame before its wait, the prompt before a line is read; see drawing_step.h),
// so the terminal never shows half a frame. The game uses standard input and output; tests
// use in-memory streams.
#pragma once

#include <cstdio>
#include <string>

// Told of what the terminal is shown and when the game waits for a line: tests record frames
// and what the player saw while typing, with nothing but standard streams.
class ConsoleWatcher {
 public:
  virtual ~ConsoleWatcher() = default;
  // A drawing step has just been flushed to `out`.
  virtual void step_shown() = 0;
  // The game is about to read from `in`.
  virtual void reading() = 0;
};

struct Console {
  std::FILE* in;
  std::FILE* out;
  ConsoleWatcher* watcher = nullptr;  // none for the real terminal
};

// What one read brought.
enum class LineRead {
  line,       // a line (or the next 11 characters of a longer one)
  ended,      // the input has ended or cannot be read
  disturbed,  // the terminal was resized or brought back from the background meanwhile
};

// Reads the next line, or the next 11 characters of a longer one, into `line` without its
// newline. When the wait for a line typed at the terminal is cut short by a disturbed screen,
// nothing is read: a clear-screen and the frame are written (not flushed) and `disturbed`
// returned, so the caller can redraw its picture and read again. A disturbance noticed after a
// line came in leaves the same clear-screen and frame for the drawing that follows.
LineRead read_line(Console& console, std::string& line);

// read_line until a line comes or the input ends; a disturbed screen gets the frame and the
// prompt again meanwhile. Returns false, leaving `line` empty, once the input has ended or
// cannot be read.
bool get_input(Console& console, std::string& line);

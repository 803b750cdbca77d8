// The terminal the game plays on: lines are read from `in`; every drawing goes to `out`, which is
// fully buffered and written only at the end of a visible drawing step (a finished screen, an
// animation frame before its wait, the prompt before a line is read), so the terminal never shows
// half a frame; and a clock times the animations. The console reads, writes and waits; it tells
// of a screen disturbed by a resize or a return from the background, and leaves the drawing to
// its callers. The game uses standard input and output and the real clock; tests use in-memory
// streams and a clock that records.
#pragma once

#include <cstdio>
#include <string>

namespace quadrivant {

// Every wait of the game goes through a Clock.
class Clock {
 public:
  virtual ~Clock() = default;
  // Waits `ms` milliseconds; 0 returns at once.
  virtual void wait(int ms) = 0;
};

// The real clock: it sleeps.
class SleepingClock : public Clock {
 public:
  void wait(int ms) override;
};

// A clock for runs that measure or replay the game: every wait returns at once.
class InstantClock : public Clock {
 public:
  void wait(int) override {}
};

// Told of what the terminal is shown and when the game waits for a line: tests record frames
// and what the player saw while typing, with nothing but standard streams.
class ConsoleWatcher {
 public:
  virtual ~ConsoleWatcher() = default;
  // A drawing step has just been written to `out`.
  virtual void step_shown() = 0;
  // The game is about to read from `in`.
  virtual void reading() = 0;
};

struct Console {
  std::FILE* in;
  std::FILE* out;
  Clock& clock;
  ConsoleWatcher* watcher = nullptr;  // none for the real terminal
  // How often the picture has started clean on a disturbed screen: a screen that waits for the
  // player draws itself again whole when this has moved since it was drawn.
  int clean_starts = 0;
};

// What one read brought.
enum class LineRead {
  line,       // a line (or the next 11 characters of a longer one)
  ended,      // the input has ended or cannot be read
  disturbed,  // the screen was disturbed (resized, or back from the background) meanwhile
};

// Reads the next line, or the next 11 characters of a longer one, into `line` without its
// newline. When the wait for a line typed at the terminal is cut short by a disturbed screen,
// nothing is read and `disturbed` is returned, so the caller can draw its picture again and read
// on. Writes nothing.
LineRead read_line(Console& console, std::string& line);

// Whether the screen has been disturbed since the last time this was asked (terminal/signals.h).
bool take_screen_disturbance(Console& console);

// Writes out everything drawn since the last step: the end of a visible drawing step. Throws
// Failure::output_lost once `out` has failed, whether this write or an earlier one failed.
void end_drawing_step(Console& console);

}  // namespace quadrivant

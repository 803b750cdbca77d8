// The end of a visible drawing step (a finished screen, an animation frame before its wait, the
// prompt before a line is read) and the start of the next one: the one place where the game's
// output reaches the terminal, where a failed write is noticed, and where a screen disturbed by
// a resize or a return from the background is cleared before the game draws on.
#pragma once

#include <stdexcept>
#include <string>

#include "screen/console.h"

// Standard output could not be written (a full disk, a closed descriptor). The message is
// complete, newline included; the program's entry prints it on standard error and exits with
// status 1 without writing standard output again.
class OutputFailure : public std::runtime_error {
 public:
  explicit OutputFailure(const std::string& message) : std::runtime_error(message) {}
};

// Flushes console.out. Throws OutputFailure once the stream has failed, whether this flush or
// an earlier one failed.
void end_drawing_step(Console& console);

// If the screen was disturbed since the last check, writes a clear-screen and the whole frame,
// not flushed: the drawing that follows goes out with them in one write.
void start_clean_if_disturbed(Console& console);

// Writes a clear-screen and the whole frame, not flushed.
void start_clean(Console& console);

// Waits `ms` milliseconds before the next step, which starts clean if the screen was disturbed
// meanwhile.
void wait_for_next_step(Console& console, int ms);

// end_drawing_step, then wait_for_next_step: an animation frame shown for `ms`.
void show_step_and_wait(Console& console, int ms);

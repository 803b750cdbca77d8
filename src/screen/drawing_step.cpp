#include "screen/drawing_step.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "screen/frame.h"
#include "screen/terminal_signals.h"
#include "screen/waait.h"

void end_drawing_step(Console& console) {
  errno = 0;
  if (std::fflush(console.out) == 0 && !std::ferror(console.out)) {
    if (console.watcher != nullptr) console.watcher->step_shown();
    return;
  }
  const int error = errno;
  std::string message = "(;^_^) Oopsie! Unable to write to standard output";
  if (error != 0) message += std::string(" -> ") + std::strerror(error);
  throw OutputFailure(message + "\n");
}

void start_clean(Console& console) {
  std::fputs("\x1b[2J", console.out);
  write_frame(console);
}

void start_clean_if_disturbed(Console& console) {
  if (take_screen_disturbance()) start_clean(console);
}

void wait_for_next_step(Console& console, int ms) {
  waait(ms);
  start_clean_if_disturbed(console);
}

void show_step_and_wait(Console& console, int ms) {
  end_drawing_step(console);
  wait_for_next_step(console, ms);
}

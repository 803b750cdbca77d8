#include "screen/terminal/console.h"

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "base/failure.h"
#include "rules/input_words.h"
#include "screen/terminal/signals.h"

namespace quadrivant {

namespace {

// One std::fgets into `buffer`, which a resize or a return from the background may cut short.
LineRead read_into(std::FILE* in, char (&buffer)[line_capacity + 1]) {
  const DisturbableRead wait(in);
  if (take_screen_disturbance()) return LineRead::disturbed;
  errno = 0;
  if (std::fgets(buffer, sizeof buffer, in) != nullptr) return LineRead::line;
  if (!std::ferror(in) || errno != EINTR) return LineRead::ended;
  std::clearerr(in);
  take_screen_disturbance();
  return LineRead::disturbed;
}

}  // namespace

void SleepingClock::wait(int ms) {
  if (ms <= 0) return;
  timespec left{ms / 1000, static_cast<long>(ms % 1000) * 1000000L};
  // A signal (a resize) cuts a sleep short: the rest is slept too, so every frame keeps its time.
  while (nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

LineRead read_line(Console& console, std::string& line) {
  char buffer[line_capacity + 1];
  line.clear();
  if (console.watcher != nullptr) console.watcher->reading();
  const LineRead read = read_into(console.in, buffer);
  if (read != LineRead::line) return read;
  std::string_view text = buffer;
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  line = text;
  return LineRead::line;
}

bool take_screen_disturbance(Console&) {
  return take_screen_disturbance();
}

void end_drawing_step(Console& console) {
  errno = 0;
  if (std::fflush(console.out) == 0 && !std::ferror(console.out)) {
    if (console.watcher != nullptr) console.watcher->step_shown();
    return;
  }
  throw Failure::output_lost(oopsie(unable_to_write(errno) + "\n"));
}

}  // namespace quadrivant

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "rules/input_words.h"
#include "screen/console.h"
#include "screen/drawing_step.h"
#include "screen/frame.h"
#include "screen/terminal_signals.h"

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

LineRead read_line(Console& console, std::string& line) {
  char buffer[line_capacity + 1];
  line.clear();
  if (console.watcher != nullptr) console.watcher->reading();
  const LineRead read = read_into(console.in, buffer);
  if (read == LineRead::disturbed) start_clean(console);
  if (read != LineRead::line) return read;
  start_clean_if_disturbed(console);
  std::string_view text = buffer;
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  line = text;
  return LineRead::line;
}

bool get_input(Console& console, std::string& line) {
  for (;;) {
    switch (read_line(console, line)) {
      case LineRead::line:
        return true;
      case LineRead::ended:
        return false;
      case LineRead::disturbed:
        reset_console(console);
        break;
    }
  }
}

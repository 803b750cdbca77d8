#include "screen/terminal/terminal_size.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <cstdio>
#include <optional>

namespace quadrivant {

namespace {

constexpr int grace_period_ms = 5000;
constexpr int size_check_interval_ms = 100;

struct TerminalSize {
  int columns = 0;
  int rows = 0;
};

std::optional<TerminalSize> terminal_size(std::FILE* out) {
  const int descriptor = fileno(out);
  winsize size{};
  if (descriptor < 0 || !isatty(descriptor) || ioctl(descriptor, TIOCGWINSZ, &size) != 0)
    return std::nullopt;
  if (size.ws_col == 0 || size.ws_row == 0) return std::nullopt;  // a terminal that cannot tell
  return TerminalSize{size.ws_col, size.ws_row};
}

bool too_small(const std::optional<TerminalSize>& size) {
  return size && (size->columns < needed_columns || size->rows < needed_rows);
}

}  // namespace

void warn_if_terminal_too_small(Console& console) {
  const std::optional<TerminalSize> size = terminal_size(console.out);
  if (!too_small(size)) return;
  std::fprintf(console.out,
               "quadrivant needs a terminal of at least %ix%i; this one is %ix%i. Enlarge it to "
               "start now, or wait %i seconds.\n",
               needed_columns, needed_rows, size->columns, size->rows, grace_period_ms / 1000);
  end_drawing_step(console);
  for (int waited = 0; waited < grace_period_ms && too_small(terminal_size(console.out));
       waited += size_check_interval_ms)
    console.clock.wait(size_check_interval_ms);
}

}  // namespace quadrivant

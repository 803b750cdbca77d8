#include "support/recording_clock.h"

#include <cstdio>
#include <cstdlib>

#include "screen/waait.h"

std::vector<int>& recorded_waits() {
  static std::vector<int> waits;
  return waits;
}

void clear_recorded_waits() {
  recorded_waits().clear();
}

// In the test program, QUADRIVANT_WAIT_LOG names a file that receives one line per wait.
static void log_wait(int ms) {
  static std::FILE* log = [] {
    const char* path = std::getenv("QUADRIVANT_WAIT_LOG");
    return path ? std::fopen(path, "w") : nullptr;
  }();
  if (log == nullptr) return;
  std::fprintf(log, "%d\n", ms);
  std::fflush(log);
}

void waait(int ms) {
  recorded_waits().push_back(ms);
  log_wait(ms);
}

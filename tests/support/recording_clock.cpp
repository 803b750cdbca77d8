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

void waait(int ms) {
  recorded_waits().push_back(ms);
  // In the test program, QUADRIVANT_WAIT_LOG names a file that receives one line per wait.
  static const char* const log_path = std::getenv("QUADRIVANT_WAIT_LOG");
  static std::FILE* const log = log_path ? std::fopen(log_path, "w") : nullptr;
  if (log != nullptr) std::fprintf(log, "%d\n", ms), std::fflush(log);
}

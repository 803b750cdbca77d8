#include "support/recording_clock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "screen/waait.h"

namespace {

// The gate of QUADRIVANT_WAIT_GATE (support/wait_gate.h), opened without waiting for a writer;
// -1 without one.
int open_gate() {
  const char* const path = std::getenv("QUADRIVANT_WAIT_GATE");
  if (path == nullptr) return -1;
  const int gate = open(path, O_RDONLY | O_NONBLOCK);
  if (gate >= 0) fcntl(gate, F_SETFL, fcntl(gate, F_GETFL) & ~O_NONBLOCK);
  return gate;
}

// Waits for one byte through the gate. Once nobody holds it open for writing it is open for
// good, and every wait after passes at once.
void pass_gate() {
  static int gate = open_gate();
  if (gate < 0) return;
  char byte = 0;
  ssize_t got = 0;
  do {
    got = read(gate, &byte, 1);
  } while (got < 0 && errno == EINTR);
  if (got <= 0) {
    close(gate);
    gate = -1;
  }
}

}  // namespace

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
  pass_gate();
}

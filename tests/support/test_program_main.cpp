// The test copy of the game: the real program with waits that return at once, so whole games run
// as a subprocess in milliseconds. QUADRIVANT_WAIT_LOG names a file that receives one line per
// wait, for tests of the timing; QUADRIVANT_WAIT_GATE names a FIFO that holds each wait until the
// test lets it pass (support/wait_gate.h), for tests that step through an animation.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "game/program.h"

namespace {

// The gate of QUADRIVANT_WAIT_GATE, opened without waiting for a writer; -1 without one.
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

class LoggingClock : public quadrivant::Clock {
 public:
  void wait(int ms) override {
    // Opened at the first wait, not before: a test that closes standard output must see the
    // game's first drawing fail, not land in the log under the freed descriptor 1.
    static const char* const path = std::getenv("QUADRIVANT_WAIT_LOG");
    static std::FILE* const log = path != nullptr ? std::fopen(path, "w") : nullptr;
    if (log != nullptr) std::fprintf(log, "%d\n", ms), std::fflush(log);
    pass_gate();
  }
};

}  // namespace

int main(int argc, char** argv) {
  LoggingClock clock;
  return quadrivant::run_quadrivant(argc, argv, clock);
}

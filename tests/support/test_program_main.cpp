// The test copy of the game: the real program with waits that return at once, so whole games run
// as a subprocess in milliseconds. QUADRIVANT_WAIT_LOG names a file that receives one line per
// wait, for tests of the timing.
#include <cstdio>
#include <cstdlib>

#include "game/program.h"

namespace {

class LoggingClock : public quadrivant::Clock {
 public:
  void wait(int ms) override {
    // Opened at the first wait, not before: a test that closes standard output must see the
    // game's first drawing fail, not land in the log under the freed descriptor 1.
    static const char* const path = std::getenv("QUADRIVANT_WAIT_LOG");
    static std::FILE* const log = path != nullptr ? std::fopen(path, "w") : nullptr;
    if (log != nullptr) std::fprintf(log, "%d\n", ms), std::fflush(log);
  }
};

}  // namespace

int main(int argc, char** argv) {
  LoggingClock clock;
  return quadrivant::run_quadrivant(argc, argv, clock);
}

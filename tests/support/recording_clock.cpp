#include "support/recording_clock.h"

namespace quadrivant {

std::vector<int>& recorded_waits() {
  static std::vector<int> waits;
  return waits;
}

void clear_recorded_waits() {
  recorded_waits().clear();
}

void RecordingClock::wait(int ms) {
  recorded_waits().push_back(ms);
}

}  // namespace quadrivant

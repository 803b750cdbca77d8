// The clock of the tests: every wait returns at once and is recorded, so a test asserts the exact
// timing of an animation without waiting for it.
#pragma once

#include <vector>

#include "screen/terminal/console.h"

namespace quadrivant {

// Records every wait in recorded_waits().
class RecordingClock : public Clock {
 public:
  void wait(int ms) override;
};

// Every wait of a RecordingClock since the last clear_recorded_waits(), in order.
std::vector<int>& recorded_waits();
void clear_recorded_waits();

}  // namespace quadrivant

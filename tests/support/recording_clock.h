// The test builds link this clock in place of the real sleep: waait returns at once and records
// every wait, so a test asserts the exact timing of an animation without waiting for it. In the
// test program, a wait can instead last until the test lets it pass (support/wait_gate.h).
#pragma once

#include <vector>

// Every waait(ms) since the last clear_recorded_waits(), in order.
std::vector<int>& recorded_waits();
void clear_recorded_waits();

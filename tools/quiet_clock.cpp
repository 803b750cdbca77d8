// The authoring tool plays events to check its walkthrough; it never shows them, so it never
// waits for an animation.
#include "screen/waait.h"

void waait(int) {}

#include "screen/waait.h"

#include <unistd.h>

void waait(int ms) {
  if (ms > 0) usleep(static_cast<useconds_t>(ms) * 1000);
}

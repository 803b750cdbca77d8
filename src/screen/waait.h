// Sleeps `ms` milliseconds; 0 returns at once. Every animation of the game is timed through this
// one function, so a test build can link a recording clock in place of the real sleep.
#pragma once

void waait(int ms);

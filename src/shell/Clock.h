#pragma once

namespace Clock {

// Seconds since midnight, with the precision of a single-precision number.
float secondsSinceMidnight();

struct Elapsed {
    int minutes;
    int seconds;
};
// Whole minutes and the remaining seconds (rounded half to even, modulo 60)
// between two readings; a run across midnight still counts forwards.
Elapsed elapsedBetween(float start, float end);

void beep();

}  // namespace Clock

#pragma once

#include <cmath>

#include "mandel/EscapePoints.h"

// The small picture's iteration written out plainly: the cosine and the sine at every
// step, as the definition reads.
inline EscapeTime::Escape plainSmallEscape(double x0, double y0, int limit) {
    double x = 0, y = 0, r = 0;
    int k = 0;
    do {
        ++k;
        const double xn = x * x - y * y + x0;
        y = 2 * x * y + y0;
        x = xn;
        r = x * x - std::cos(x) + y * y - std::sin(y);
    } while (!(r > 10 || k > limit));
    return {k, r};
}

#pragma once

#include <cmath>

#include "mandel/EscapePoints.h"

// The pictures' iterations written out plainly, one point at a time, as they are defined.

// The Mandelbrot set from z = 0. The small picture iterates c = x0 + i y0 and escapes
// when x^2 - cos x + y^2 - sin y exceeds 10, at every step; the full screen iterates
// the mirror point x0 - i y0 and escapes when x^2 + y^2 exceeds 10.
inline EscapeTime::Escape plainMandelEscape(double x0, double y0, int limit, bool small) {
    double x = 0, y = 0, r = 0;
    int k = 0;
    do {
        ++k;
        const double xn = x * x - y * y + x0;
        y = small ? 2 * x * y + y0 : 2 * x * y - y0;
        x = xn;
        r = small ? x * x - std::cos(x) + y * y - std::sin(y) : x * x + y * y;
    } while (!(r > 10 || k > limit));
    return {k, r};
}

// A Julia set: from z = x + i y with c = cx + i cy, while the squared modulus before
// the step stays below 4.
inline EscapeTime::Escape plainJuliaEscape(double x, double y, double cx, double cy, int limit) {
    double r = 0;
    int k = 0;
    do {
        ++k;
        r = x * x + y * y;
        const double xn = x * x - y * y + cx;
        y = 2 * x * y + cy;
        x = xn;
    } while (r < 4 && k <= limit);
    return {k, r};
}

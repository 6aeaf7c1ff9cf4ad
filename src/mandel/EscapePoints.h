#pragma once

#include <cmath>

// One escape-time point at a time, as the pictures define it. Plain C++ without Qt,
// so the kernels and their exact tests build for any processor.
namespace EscapeTime {

struct Escape {
    int k;     // cycles used
    double r;  // the last escape measure
};

// The escape tests the point functions and the columns share.
constexpr double EscapeBound = 10;
constexpr double JuliaEscapeBound = 4;
// The small picture's r = x^2 - cos x + y^2 - sin y lies within 2 of the squared
// modulus m: below SurelyInside it cannot escape, so its cosine and sine are needed
// only above it; the margin covers rounding, so every decision is the full formula's.
constexpr double SurelyInside = EscapeBound - 2.1;
inline double smallPictureR(double x, double y, double cosX, double sinY) {
    return x * x - cosX + y * y - sinY;
}
inline double smallPictureR(double x, double y) {
    return smallPictureR(x, y, std::cos(x), std::sin(y));
}

// Whether a point leaves with its r (`over` when its cycles are used up).
inline bool mandelLeaves(double r, bool over) {
    return over || r > EscapeBound;
}
// Not below the bound, as the loop's own test reads (so NaN leaves too).
inline bool juliaLeaves(double r, bool over) {
    return over || !(r < JuliaEscapeBound);
}

// Small picture: escape when x^2 - cos x + y^2 - sin y exceeds 10. The iteration for
// c = x0 + i y0 goes on from z = x + i y after k cycles.
Escape mandelFrom(double x, double y, double x0, double y0, int k, int limit);
inline Escape mandelPoint(double x0, double y0, int limit) {
    return mandelFrom(0, 0, x0, y0, 0, limit);
}
// Full screen: the mirror point with the plain modulus r = x^2 + y^2.
Escape mirroredMandelPoint(double x0, double y0, int limit);
// r is the squared modulus before the last step.
Escape juliaPoint(double zx, double zy, double cx, double cy, int limit);

}  // namespace EscapeTime

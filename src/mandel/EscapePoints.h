#pragma once

#include <cmath>
#include <optional>

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
// modulus m: below SurelyInside it cannot escape, above SurelyOutside it surely has.
constexpr double SurelyInside = EscapeBound - 2.1;
constexpr double SurelyOutside = EscapeBound + 2.1;
inline double smallPictureR(double x, double y) {
    return x * x - std::cos(x) + y * y - std::sin(y);
}

// Whether a point leaves at this step, with the r it leaves with: `over` when the
// cycles are used up, m the squared modulus. The cosine and sine of the small picture
// are needed only where m is near the bound; the margins cover rounding, so every
// decision is the one the full formula makes.
inline std::optional<double> smallPictureLeaves(double x, double y, double m, bool over) {
    if (over || m > SurelyOutside) {
        return smallPictureR(x, y);
    }
    if (m > SurelyInside) {
        const double r = smallPictureR(x, y);
        if (r > EscapeBound) {
            return r;
        }
    }
    return std::nullopt;
}
inline bool mirroredLeaves(double r, bool over) {
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

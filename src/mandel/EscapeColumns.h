#pragma once

#include <cmath>

#include "EscapeTime.h"

// Whole columns of escape-time points at once: the point functions' arithmetic, in the
// same order, several points side by side where the processor has the vector unit for
// it, so every pixel is bit for bit the one the point function gives.
namespace EscapeTime {

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

// Points (x0, y0[i]) of mandelPoint.
void mandelColumn(double x0, const double* y0, int count, int limit, Escape* out);
// Points (x0, y0[i]) of mirroredMandelPoint.
void mirroredColumn(double x0, const double* y0, int count, int limit, Escape* out);
// Starting points (zx, zy[i]) of juliaPoint for the constant (cx, cy).
void juliaColumn(double zx, const double* zy, int count, double cx, double cy, int limit,
                 Escape* out);

}  // namespace EscapeTime

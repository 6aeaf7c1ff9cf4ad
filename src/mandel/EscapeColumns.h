#pragma once

#include "EscapeTime.h"

// Whole columns of escape-time points at once: the point functions' arithmetic, in the
// same order, several points side by side where the processor has the vector unit for
// it, so every pixel is bit for bit the one the point function gives.
namespace EscapeTime {

// Points (x0, y0[i]) of mandelPoint.
void mandelColumn(double x0, const double* y0, int count, int limit, Escape* out);
// Points (x0, y0[i]) of mirroredMandelPoint.
void mirroredColumn(double x0, const double* y0, int count, int limit, Escape* out);
// Starting points (zx, zy[i]) of juliaPoint for the constant (cx, cy).
void juliaColumn(double zx, const double* zy, int count, double cx, double cy, int limit,
                 Escape* out);

}  // namespace EscapeTime

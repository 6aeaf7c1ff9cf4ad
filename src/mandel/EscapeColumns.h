#pragma once

#include <cstdint>
#include <vector>

#include "EscapePoints.h"

// Whole columns of escape-time points at once: the point functions' arithmetic, in the
// same order, on every lane of the vector unit, so every pixel is bit for bit the one
// the point function gives. Written once with Highway, built for each vector unit of
// the processor family (SSE4, AVX2, AVX-512; NEON, SVE) and chosen at the first call.
namespace EscapeTime {

// Points (x0, y0[i]) of mandelPoint.
void mandelColumn(double x0, const double* y0, int count, int limit, Escape* out);
// Points (x0, y0[i]) of mirroredMandelPoint.
void mirroredColumn(double x0, const double* y0, int count, int limit, Escape* out);
// Starting points (zx, zy[i]) of juliaPoint for the constant (cx, cy).
void juliaColumn(double zx, const double* zy, int count, double cx, double cy, int limit,
                 Escape* out);

// The Highway targets the columns are built for that this processor runs, and the
// one they run on.
std::vector<std::int64_t> columnTargets();
std::int64_t columnTarget();

}  // namespace EscapeTime

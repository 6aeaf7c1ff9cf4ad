#pragma once

#include <optional>
#include <vector>

#include "shell/Colour.h"

// "Mandel tridimensionale": a widened detail of the upper edge of the Mandelbrot
// set whose colours come in coarse bands by iteration count, so that the picture
// reads as a relief. The constant of the iteration is c = -u - i v and a point
// escapes when |z|^2 exceeds 10. Points still inside after 70 iterations get no
// band of their own: they repeat the colour of the pixel drawn just before them,
// which paints the inside in vertical streaks. So the picture is computed in scan
// order, columns outer.
namespace Relief {

constexpr int Columns = 300;
constexpr int Rows = 200;
constexpr int IterationLimit = 70;

// Column i covers the first third of the interval from a0 to a1; row j goes
// past b1 at the bottom.
double pointU(int i);
double pointV(int j);

// Iterations made before |z|^2 exceeded 10, or 71 for a point that never did.
int cycles(double u, double v);

// The band of an iteration count; none for 70 and 71.
std::optional<ColourNumber> bandColour(int n);

// Pixels (1..300, 1..200), column by column, top to bottom; the first pixel
// without a band of its own is black.
std::vector<ColourNumber> relief();

}  // namespace Relief

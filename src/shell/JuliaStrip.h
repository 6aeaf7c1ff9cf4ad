#pragma once

#include <vector>

// The small Julia pictures of the splash screen and of the explorer's film: 220 x 140
// points, column col and row row (from 1) standing for x = -2,3 + col * 2,5 / 110 and
// y = 1,48 - row * 2,5 / 110, iterated by z -> z^2 + re - i (im1 + im2) until |z|^2 > 4
// or 41 steps. The imaginary part is subtracted in two steps, as the splash writes it.
namespace JuliaStrip {

constexpr int Columns = 220;
constexpr int Rows = 140;

// The step at which each point escaped, 0 for a point that never did, stored
// column by column.
std::vector<int> escapeCounts(double re, double im1, double im2 = 0);

}  // namespace JuliaStrip

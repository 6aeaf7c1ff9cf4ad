#pragma once

#include <vector>

// The Koch island: an equilateral triangle whose sides are traced by a pen, and
// its transformations. At each transformation every segment loses its middle third,
// which is replaced by the two sides of a smaller triangle pointing outwards, so a
// segment becomes four. The pen turns by a third of a half turn before the second
// piece, back by two thirds before the third and again by one third before the last.
// The perimeter grows by 4/3 at every stage, yet the island never leaves the circle
// around the first triangle.
namespace KochIsland {

// The half turn the headings are built from: 3.1415 as a single-precision number,
// taken as a double (the drawings were designed with it).
constexpr double HalfTurn = static_cast<double>(3.1415f);

struct Point {
    double x, y;
};

struct Segment {
    Point from, to;
};

// The 3 * 4^n segments of stage n (0 the triangle), starting at `start` with segments
// of `length` pixels, in the order the pen traces the outline: first side to the
// right, second up to the left, third down to the left (y grows downwards).
std::vector<Segment> stage(int n, Point start, double length);

}  // namespace KochIsland

#pragma once

#include <optional>

#include "shell/Colour.h"

// The Hénon attractor: the map x' = 1 + y - 1.4 x^2, y' = 0.3 x folds and stretches
// the plane; from almost any start its points settle on the same figure, whose lines
// split into pairs of lines under magnification, again and again. The picture keeps
// the point (1.266, 0.01) fixed at pixel (450, 250) and draws 200 * z pixels per unit
// at magnification z.
namespace HenonMap {

struct Point {
    double x, y;
};

// Where every drawing starts.
constexpr Point Start{1.35, 1.1};

// One step of the map, both parts from the old point.
Point next(Point p);

// Points in a drawing at magnification z: 30000 + 2000 z (none at or below -15).
double pointCount(double z);

// Where a point is plotted, in single precision as the picture takes it.
struct Pixel {
    float x, y;
};
// The pixel of a point at magnification z; none when it lies so far outside any
// picture that it cannot even be given as a coordinate.
std::optional<Pixel> pixel(Point p, double z);

// The colour of a point: the whole number nearest to r * count (halves to even), a
// random number between 0 and the point count for r uniform in [0, 1). Counts too
// large for a colour number keep the low 24 bits that the picture uses.
ColourNumber colour(double r, double count);

}  // namespace HenonMap

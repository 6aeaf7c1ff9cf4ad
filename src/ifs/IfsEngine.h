#pragma once

#include <functional>
#include <vector>

#include "shell/Colour.h"

// Iterated function systems drawn by random iteration (the chaos game). A few
// affine maps of the plane are given; at every step one of them, picked at random
// with equal chances, moves the current point, and the new point is lit. Because
// the maps shrink the plane, the points settle at once on the figure the maps
// leave unchanged: the fern, the tree, the triangle.
namespace Ifs {

// x' = a*x + b*y + e, y' = c*x + d*y + f.
struct IfsMap {
    double a, b, c, d, e, f;
};

enum class Sense { Up, Down };

// One drawing: n maps drawn from, N points, s pixels per unit, the pixel of the
// origin and which way y grows on screen.
struct IfsRun {
    double n;
    double N;
    double s;
    double X0;
    double Y0;
    Sense sense;
};

struct Point {
    double x = 0;
    double y = 0;
};

// Pixel coordinates as the canvas receives them, in single precision.
struct Pixel {
    float column;
    float row;
};

struct Offsets {
    double dx = 0;
    double dy = 0;
};

// The random number in single precision, kept below 1 so that no map beyond n is
// ever chosen.
float toSingleRandom(double r);

// The map number 1..n (held as a double) for a random R in [0, 1).
double chooseMap(float R, double n);

// Fails (RuntimeFailure) when the result leaves the double range.
Point apply(const IfsMap& map, Point p);

// Column X0 + s*x + dx; row Y0 - s*y + dy going up, Y0 + s*y + dy going down.
// Fails when a coordinate does not fit single precision.
Pixel pixelOf(const IfsRun& run, Point p, Offsets offsets);

// What the loop asks of its caller at each point. stop and offsets may be empty:
// a run that cannot be stopped, a run without offsets.
struct Steps {
    std::function<double()> random;
    std::function<ColourNumber(int k)> colour;
    std::function<bool()> stop;
    std::function<Offsets()> offsets;
    std::function<void(Pixel, ColourNumber)> plot;
};

enum class End { Finished, Stopped };

// Runs N points from (0, 0), each in this order: choose the map, its colour, apply
// it, check for a stop, scale, offsets, light the pixel. Every point is lit, the
// first included. A map number with no map in the table fails (RuntimeFailure), as
// does anything the steps throw.
End run(const IfsRun& run, const std::vector<IfsMap>& maps, const Steps& steps);

}  // namespace Ifs

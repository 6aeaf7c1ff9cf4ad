#include "HenonMap.h"

#include <cmath>

namespace HenonMap {
namespace {

constexpr double A = 1.4;
constexpr double B = 0.3;
// Beyond this a coordinate is no pixel of any picture (the canvas refuses it).
constexpr double FarOutside = 1.0e6;
// Colour numbers below this are kept whole; above, only their low 24 bits count.
constexpr double WholeColourLimit = 4.0e18;
constexpr double ColourRange = 16777216.0;

}  // namespace

Point next(Point p) {
    return {(1 + p.y) - A * p.x * p.x, B * p.x};
}

double pointCount(double z) {
    return 30000 + 2000 * z;
}

std::optional<Pixel> pixel(Point p, double z) {
    const double column = 360 + 200 * z * p.x + 90 - 253.2 * z;
    const double row = 250 + 200 * z * p.y - 2 * z;
    if (!(std::fabs(column) < FarOutside) || !(std::fabs(row) < FarOutside)) {
        return std::nullopt;
    }
    return Pixel{static_cast<float>(column), static_cast<float>(row)};
}

ColourNumber colour(double r, double count) {
    // Rounds halves to even in the default rounding mode.
    const double value = std::nearbyint(r * count);
    if (!std::isfinite(value)) {
        return Colour::Black;
    }
    if (std::fabs(value) < WholeColourLimit) {
        return static_cast<ColourNumber>(value);
    }
    return static_cast<ColourNumber>(std::fmod(value, ColourRange));
}

}  // namespace HenonMap

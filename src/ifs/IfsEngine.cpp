#include "IfsEngine.h"

#include <cmath>
#include <string>

#include "shell/Numbers.h"
#include "shell/RuntimeFailure.h"

namespace Ifs {

float toSingleRandom(double r) {
    const float single = static_cast<float>(r);
    // Rounding to single precision can carry a number just below 1 up to 1, which
    // would choose a map one past the last.
    return single < 1.0f ? single : std::nextafter(1.0f, 0.0f);
}

double chooseMap(float R, double n) {
    return std::floor(static_cast<double>(R) * n) + 1;
}

Point apply(const IfsMap& map, Point p) {
    const double x = Numbers::finite(map.a * p.x + map.b * p.y + map.e);
    const double y = Numbers::finite(map.c * p.x + map.d * p.y + map.f);
    return {x, y};
}

Pixel pixelOf(const IfsRun& run, Point p, Offsets offsets) {
    const double X = Numbers::finite(run.s * p.x);
    const double Y = Numbers::finite(run.s * p.y);
    const double column = run.X0 + X + offsets.dx;
    const double row = run.sense == Sense::Up ? run.Y0 - Y + offsets.dy : run.Y0 + Y + offsets.dy;
    return {Numbers::toSingle(column), Numbers::toSingle(row)};
}

End run(const IfsRun& run, const std::vector<IfsMap>& maps, const Steps& steps) {
    Point p;
    for (double i = 1; i <= run.N; ++i) {
        const double k = chooseMap(toSingleRandom(steps.random()), run.n);
        if (!(k >= 1 && k <= static_cast<double>(maps.size()))) {
            throw RuntimeFailure("no map number " + std::to_string(k));
        }
        const int map = static_cast<int>(k);
        const ColourNumber colour = steps.colour(map);
        p = apply(maps[map - 1], p);
        if (steps.stop && steps.stop()) {
            return End::Stopped;
        }
        const Offsets offsets = steps.offsets ? steps.offsets() : Offsets{};
        steps.plot(pixelOf(run, p, offsets), colour);
    }
    return End::Finished;
}

}  // namespace Ifs

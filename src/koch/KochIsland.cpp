#include "KochIsland.h"

#include <cmath>

namespace KochIsland {
namespace {

// The turn on entering index i (1..4) of a level; over a whole level they add up
// to no turn at all.
double turnAt(int i) {
    switch (i) {
        case 2:
        case 4:
            return HalfTurn / 3;
        case 3:
            return -HalfTurn / 1.5;
        default:
            return 0;
    }
}

// The pen: where it stands and where it heads. Headings accumulate down the
// levels, as the turns of a pen walking the outline do.
struct Pen {
    Point at;
    double heading;
    double length;
    std::vector<Segment>* segments;

    void step() {
        const Point to{at.x + std::cos(heading) * length, at.y + std::sin(heading) * length};
        segments->push_back({at, to});
        at = to;
    }

    void level(int levelsLeft) {
        if (levelsLeft == 0) {
            step();
            return;
        }
        for (int i = 1; i <= 4; ++i) {
            heading += turnAt(i);
            level(levelsLeft - 1);
        }
    }
};

}  // namespace

std::vector<Segment> stage(int n, Point start, double length) {
    std::vector<Segment> segments;
    if (n < 0) {
        return segments;
    }
    segments.reserve(static_cast<std::size_t>(3) << (2 * n));
    Pen pen{start, 0, length, &segments};
    const double sideHeadings[] = {0, -HalfTurn + HalfTurn / 3, HalfTurn - HalfTurn / 3};
    for (const double heading : sideHeadings) {
        pen.heading = heading;
        pen.level(n);
    }
    return segments;
}

}  // namespace KochIsland

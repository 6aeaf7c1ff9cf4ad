#include "EscapePoints.h"

namespace EscapeTime {

Escape mandelFrom(double x, double y, double x0, double y0, int k, int limit) {
    while (true) {
        ++k;
        const double nextX = x * x - y * y + x0;
        y = 2 * x * y + y0;
        x = nextX;
        if (k > limit || x * x + y * y > SurelyInside) {
            const double r = smallPictureR(x, y);
            if (mandelLeaves(r, k > limit)) {
                return {k, r};
            }
        }
    }
}

Escape mirroredMandelPoint(double x0, double y0, int limit) {
    double x = 0, y = 0, r = 0;
    int k = 0;
    do {
        ++k;
        const double nextX = x * x - y * y + x0;
        y = 2 * x * y - y0;
        x = nextX;
        r = x * x + y * y;
    } while (!mandelLeaves(r, k > limit));
    return {k, r};
}

Escape juliaPoint(double zx, double zy, double cx, double cy, int limit) {
    double r = 0;
    int k = 0;
    do {
        ++k;
        const double sx = zx * zx;
        const double sy = zy * zy;
        zy = 2 * zx * zy + cy;
        zx = sx - sy + cx;
        r = sx + sy;
    } while (!juliaLeaves(r, k > limit));
    return {k, r};
}

}  // namespace EscapeTime

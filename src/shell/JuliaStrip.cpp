#include "JuliaStrip.h"

namespace JuliaStrip {

std::vector<int> escapeCounts(double re, double im1, double im2) {
    std::vector<int> counts(Columns * Rows);
    for (int col = 1; col <= Columns; ++col) {
        for (int row = 1; row <= Rows; ++row) {
            double x = -2.3 + col * 2.5 / 110;
            double y = 1.48 - row * 2.5 / 110;
            double m = 0;
            int n = 0;
            do {
                ++n;
                const double xNext = x * x - y * y + re;
                const double yNext = 2 * x * y - im1 - im2;
                x = xNext;
                y = yNext;
                m = x * x + y * y;
            } while (!(m > 4 || n > 40));
            counts[(col - 1) * Rows + (row - 1)] = m > 4 ? n : 0;
        }
    }
    return counts;
}

}  // namespace JuliaStrip

#include "SplashPicture.h"

#include "JuliaStrip.h"
#include "Numbers.h"
#include "Random.h"

namespace SplashPicture {
namespace {
constexpr double Offset = 0.1;
}  // namespace

Choice choose() {
    Choice choice{};
    choice.R = static_cast<int>(Numbers::intFloor(Random::next() * 1000)) + 1;
    choice.S = static_cast<int>(Numbers::intFloor(Random::next() * 10)) + 1;
    return choice;
}

bool showsJulia(const Choice& choice) {
    return choice.S <= 7;
}

std::vector<ColourNumber> julia(int k, int R) {
    const std::vector<int> counts = JuliaStrip::escapeCounts(Offset + k / 20.0, Offset, 0.4);
    std::vector<ColourNumber> colours(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        colours[i] = static_cast<ColourNumber>(counts[i]) * 1000 * R;
    }
    return colours;
}

std::vector<ColourNumber> mandelbrot(int S) {
    // The steps are single-precision constants added up in double precision.
    constexpr double StepU = static_cast<double>(0.015f);
    constexpr double StepV = static_cast<double>(0.0175f);
    std::vector<ColourNumber> colours(Columns * Rows);
    double u = 0;
    for (int col = 1; col <= Columns; ++col) {
        u += StepU;
        double v = 0;
        for (int row = 1; row <= Rows; ++row) {
            v += StepV;
            const double a = -2.3 + u;
            const double b = 1.14 - v;
            double x = 0;
            double y = 0;
            double m = 0;
            int n = 0;
            do {
                ++n;
                const double xNext = x * x - y * y + a;
                const double yNext = 2 * x * y - b;
                x = xNext;
                y = yNext;
                m = x * x + y * y;
            } while (!(m > 4 || n > 30));
            colours[(col - 1) * Rows + (row - 1)] =
                m > 4 ? static_cast<ColourNumber>(n) * 100000 * S : Colour::Black;
        }
    }
    return colours;
}

}  // namespace SplashPicture

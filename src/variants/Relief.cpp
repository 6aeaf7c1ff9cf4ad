#include "Relief.h"

namespace Relief {
namespace {

constexpr double A0 = -0.065;
constexpr double A1 = A0 + 0.75;
constexpr double B0 = 0.4;
constexpr double B1 = B0 + 0.7;
constexpr double Escape = 10;

}  // namespace

double pointU(int i) {
    return A0 + i * (A1 - A0) / 900;
}

double pointV(int j) {
    return B0 + j * (B1 - B0) / 150;
}

int cycles(double u, double v) {
    double a = 0;
    double b = 0;
    double m = 0;
    int n = 0;
    do {
        ++n;
        const double na = a * a - b * b - u;
        b = 2 * a * b - v;
        a = na;
        m = a * a + b * b;
    } while (m <= Escape && n <= IterationLimit);
    return n;
}

std::optional<ColourNumber> bandColour(int n) {
    if (n < 3) {
        return Colour::Blue;
    }
    if (n <= 15) {
        return 18 * n + 500;
    }
    if (n <= 55) {
        return 25000 * ColourNumber{n};
    }
    if (n <= 69) {
        return 50 * n + 500;
    }
    return std::nullopt;
}

std::vector<ColourNumber> relief() {
    std::vector<ColourNumber> colours(Columns * Rows);
    ColourNumber colour = Colour::Black;
    for (int i = 1; i <= Columns; ++i) {
        const double u = pointU(i);
        for (int j = 1; j <= Rows; ++j) {
            colour = bandColour(cycles(u, pointV(j))).value_or(colour);
            colours[(i - 1) * Rows + (j - 1)] = colour;
        }
    }
    return colours;
}

}  // namespace Relief

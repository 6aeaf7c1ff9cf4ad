#include "VariantSets.h"

#include <cmath>
#include <cstdint>

namespace VariantSets {
namespace {

constexpr double HalfWidth = 1.25 / 0.9;
constexpr double PreviewHalfWidth = 1.25 / (0.9 - 0.2);
constexpr double VariantEscape = 4;
constexpr double CubeEscape = 10;

bool allFinite(double a, double b, double c) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

}  // namespace

View squareView(double cx, double cy, double h) {
    return {cx - h, cx + h, cy - h, cy + h};
}

View variantView() {
    return squareView(-0.68, -0.1, HalfWidth);
}

View cubeView() {
    return squareView(-0.05, -0.01, HalfWidth);
}

View previewView() {
    return squareView(-0.68, -0.1, PreviewHalfWidth);
}

double pointX(const View& view, int i) {
    return view.xmin + (i / static_cast<double>(Size)) * (view.xmax - view.xmin);
}

double pointY(const View& view, int j) {
    return view.ymax + (j / static_cast<double>(Size)) * (view.ymin - view.ymax);
}

int formulaFor(double typed) {
    for (int formula = 2; formula <= LastVariant; ++formula) {
        if (typed == formula) {
            return formula;
        }
    }
    return FirstVariant;
}

Escape variantPoint(int formula, double x0, double y0, double m) {
    double p = 0;
    double q = 0;
    int n = 0;
    do {
        ++n;
        const double k = n;
        double np;
        double nq;
        double nm;
        if (formula < 4) {
            // The meadows: the step itself is bent by the old m and the count.
            const double a = p * p - q * q + x0 + std::cos(y0 * m * k);
            const double b = 2 * p * q + y0 + std::sin(k * m);
            if (formula == 2) {
                np = a * std::fabs(q);
                nq = b + std::sin(m);
            } else if (formula == 3) {
                np = a * std::fabs(y0);
                nq = b + std::fabs(x0);
            } else {
                np = a;
                nq = b;
            }
            nm = np * np + nq * nq;
        } else {
            // The plain step; only the value tested for escape changes.
            np = p * p - q * q + x0;
            nq = 2 * p * q + y0;
            switch (formula) {
                case 4:
                    nm = (np * np) * std::cos(k) + (nq * nq) * std::sin(k);
                    break;
                case 5:
                    nm = (np * np) * std::cos(k) + nq * np * std::sin(k);
                    break;
                case 6: {
                    const double divisor = np * std::cos(k * k);
                    if (divisor == 0) {
                        return {n, m, true};
                    }
                    nm = np / divisor + std::sin(k * k) * (nq * nq);
                    break;
                }
                case 7:
                    nm = (np * np) * std::cos(k) + (nq - std::sin(k) * nq);
                    break;
                case 8:
                    nm = np * std::fabs(y0 * (k * k)) * k + std::fabs(std::cos(k * np)) * (nq * nq);
                    break;
                case 9:
                    nm = np * std::cos(k) * k + std::fabs(std::cos(nq)) * (nq * nq);
                    break;
                default:
                    nm = np * std::cos(2 * k) * m + std::fabs(std::cos(k)) * (nq * nq);
                    break;
            }
        }
        if (!allFinite(np, nq, nm)) {
            return {n, m, true};
        }
        p = np;
        q = nq;
        m = nm;
    } while (m <= VariantEscape && n <= IterationLimit);
    return {n, m, false};
}

ColourNumber variantColour(const Escape& escape) {
    if (!escape.lost && escape.m < VariantEscape) {
        return Colour::Blue;
    }
    return (escape.n + ColourNumber{10000}) * escape.n;
}

Escape cubePoint(double x0, double y0) {
    double p = 0;
    double q = 0;
    double m = 0;
    int n = 0;
    do {
        ++n;
        const double np = p * p * p - 3 * p * (q * q) + x0;
        const double nq = 3 * (p * p) * q - q * q * q + y0;
        p = np;
        q = nq;
        m = p * p + q * q;
    } while (m <= CubeEscape && n <= IterationLimit);
    return {n, m, false};
}

ColourNumber cubeColour(const Escape& escape) {
    return escape.m < VariantEscape ? Colour::Black : escape.n * ColourNumber{100000};
}

std::vector<ColourNumber> variant(int formula) {
    const View view = variantView();
    std::vector<ColourNumber> colours(Size * Size);
    double m = 0;
    for (int i = 1; i <= Size; ++i) {
        const double x0 = pointX(view, i);
        for (int j = 1; j <= Size; ++j) {
            const Escape escape = variantPoint(formula, x0, pointY(view, j), m);
            m = escape.m;
            colours[(i - 1) * Size + (j - 1)] = variantColour(escape);
        }
    }
    return colours;
}

std::vector<ColourNumber> cube() {
    const View view = cubeView();
    std::vector<ColourNumber> colours(Size * Size);
    for (int i = 1; i <= Size; ++i) {
        const double x0 = pointX(view, i);
        for (int j = 1; j <= Size; ++j) {
            colours[(i - 1) * Size + (j - 1)] = cubeColour(cubePoint(x0, pointY(view, j)));
        }
    }
    return colours;
}

std::vector<ColourNumber> preview(const std::function<double()>& uniform) {
    const View view = previewView();
    std::vector<ColourNumber> colours(PreviewSize * PreviewSize, Colour::Black);
    for (int i = 0; i <= Size; i += 2) {
        const double x0 = pointX(view, i);
        for (int j = 0; j <= Size; j += 2) {
            const double y0 = pointY(view, j);
            double p = 0;
            double q = 0;
            double m = 0;
            int n = 0;
            do {
                ++n;
                const double np = p * p - q * q + x0;
                q = 2 * p * q + y0;
                p = np;
                m = p * p + q * q;
            } while (m <= VariantEscape && n <= IterationLimit);
            // One random number for every drawn pixel, inside the set too.
            const auto shade = static_cast<ColourNumber>(std::floor(uniform() * n));
            colours[i * PreviewSize + j] =
                m < VariantEscape ? Colour::Black : shade * (n + ColourNumber{10000});
        }
    }
    return colours;
}

}  // namespace VariantSets

#include "Logistic.h"

#include <cmath>

#include "shell/DecimalEntry.h"
#include "shell/Numbers.h"
#include "shell/RuntimeFailure.h"

namespace Logistic {
namespace {

constexpr int UpperFirst = 1, UpperLast = 600, UpperStep = 10;
constexpr int LowerFirst = 0, LowerLast = 750, LowerStep = 25;
// The canvas takes coordinates up to the 32-bit twip range, 15 twips to a pixel.
constexpr double CanvasCoordinateLimit = 2147483647.0 / 15;

double cambiamentoRow(double p) {
    return 500 - 485 * p;
}
double caosRow(double p) {
    return 500 - (480 * p + 5);
}
// The only member whose population axis points downwards.
double periodo1Row(double p) {
    return 400 * p + 20;
}
double periodiRow(double p) {
    return 500 - (480 * p + 20);
}

template <typename Row>
Graph graph(double r, float start, int first, int last, int step, Row row) {
    Graph result;
    float x = start;
    for (int i = first; i <= last; i += step) {
        try {
            x = nextGeneration(x, r);
        } catch (const RuntimeFailure&) {
            result.overflowed = true;
            break;
        }
        result.points.push_back({i, row(static_cast<double>(x)), x});
    }
    return result;
}

}  // namespace

const Member Caos{3.99, 2, true, caosRow};
const Member Periodo1{0.3, 2.99, false, periodo1Row};
const Member Periodo2{3.2, 2.2, false, periodiRow};
const Member Periodo4{3.52, 1, false, periodiRow};

float nextGeneration(float x, double r) {
    const float rest = Numbers::toSingle(1.0 - static_cast<double>(x));
    return Numbers::toSingle((static_cast<double>(x) * r) * static_cast<double>(rest));
}

Graph upperGraph(double r, float start) {
    return graph(r, start, UpperFirst, UpperLast, UpperStep,
                 [](double x) { return 100 - (460 * x) / 10; });
}

Graph lowerGraph(double r, float start) {
    return graph(r, start, LowerFirst, LowerLast, LowerStep,
                 [](double x) { return 400 - (460 * x) / 2; });
}

int labelOffset(int i) {
    return i % 50 >= 10 ? 20 : -20;
}

QString printedPopulation(float x) {
    // Round to the 7 digits a single holds, then print by the canvas's rule. Qt's
    // conversions ignore the locale, so the point here is always a point.
    const double rounded = QString::number(static_cast<double>(x), 'e', 6).toDouble();
    return DecimalEntry::printed(rounded);
}

Member cambiamento(double finalIncrement, double startIncrement) {
    return {finalIncrement, startIncrement, true, cambiamentoRow};
}

double divisor(double zoom, bool wide) {
    return wide ? zoom * 1.5 * 480 : zoom * 480;
}

Diagram bifurcation(const Member& member, double zoom, double start, ColourNumber background) {
    Diagram diagram;
    diagram.colours.assign(static_cast<std::size_t>(DiagramColumns) * DiagramRows, background);
    const double d = divisor(zoom, member.wide);
    if (d == 0 || !std::isfinite(d)) {
        diagram.failed = true;
        return diagram;
    }
    const double s = (member.far - member.base) / d;
    double p = start;
    for (int j = DiagramColumns; j >= 1; --j) {
        const double r = member.base + j * s;
        for (int k = 0; k < TransientGenerations; ++k) {
            p = (r * p) * (1 - p);
        }
        if (!std::isfinite(p)) {
            // Once infinite it stays so: the overflow came within the transient.
            diagram.failed = true;
            return diagram;
        }
        const int column = DiagramColumns - j;
        ColourNumber* const pixels = diagram.colours.data() + column * DiagramRows;
        for (int k = 0; k < PlottedGenerations; ++k) {
            p = (r * p) * (1 - p);
            const double y = member.row(p);
            if (!std::isfinite(p) || !(std::fabs(y) <= CanvasCoordinateLimit)) {
                diagram.failed = true;
                return diagram;
            }
            // Rows are single precision on their way to the canvas, which rounds to the pixel.
            const long row = std::lround(static_cast<float>(y));
            if (row >= 0 && row < DiagramRows) {
                pixels[row] = DiagramColour;
            }
        }
    }
    return diagram;
}

}  // namespace Logistic

#include "EscapeTime.h"

#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <numeric>

#include "EscapeColumns.h"
#include "shell/JuliaStrip.h"
#include "shell/Numbers.h"
#include "shell/RuntimeFailure.h"

namespace EscapeTime {
namespace {

constexpr int JuliaSide = 300;
// Points whose last r stays below 4 are black.
constexpr double ColouredFrom = 4;

// One row of a cycle table: for low <= z <= high the extra cycles are
// z / divisor + add (a divisor of 0 gives add alone).
struct CycleRow {
    double low, high, divisor, add;
};

// The rows leave gaps between them; a z in a gap, or beyond, gets the fallback.
template <std::size_t N>
std::int32_t extraCycles(const CycleRow (&rows)[N], double z, double fallback) {
    for (const CycleRow& row : rows) {
        if (row.low <= z && z <= row.high) {
            return Numbers::toInt32(row.divisor == 0 ? row.add : z / row.divisor + row.add);
        }
    }
    return Numbers::toInt32(fallback);
}

ColourNumber component(double weight, int k, double step) {
    return Numbers::mod(weight * k * step, 255) + 1;
}

// The colour of each cycle count from 0 to limit + 1, worked out once per picture:
// outside the set a pixel's colour depends on its count alone. A count whose colour
// fails keeps its failure for the pixels that use it.
class MandelPalette {
  public:
    MandelPalette(int limit, const Weights& weights) : weights_(weights) {
        const int last = std::max(limit, 0) + 1;
        colours_.resize(static_cast<std::size_t>(last) + 1);
        for (int k = 0; k <= last; ++k) {
            try {
                colours_[k] = mandelColour({k, ColouredFrom}, weights);
            } catch (const RuntimeFailure&) {
                // left empty: the pixels of this count fail
            }
        }
    }

    ColourNumber operator()(const Escape& escape) const {
        if (escape.r < ColouredFrom) {
            return Colour::Black;
        }
        if (escape.k < 0 || static_cast<std::size_t>(escape.k) >= colours_.size()) {
            return mandelColour(escape, weights_);
        }
        const std::optional<ColourNumber>& colour = colours_[escape.k];
        if (!colour) {
            throw RuntimeFailure("colour out of range");
        }
        return *colour;
    }

  private:
    Weights weights_;
    std::vector<std::optional<ColourNumber>> colours_;
};

// Computes a picture column by column on all cores: the escapes of a whole column
// at once, then their colours in drawing order. A failing colour marks the first
// failing pixel in drawing order; everything before it is kept.
template <typename ColumnEscapes, typename EscapeColour>
Picture computeColumns(Picture picture, ColumnEscapes columnEscapes, EscapeColour escapeColour) {
    picture.colours.assign(static_cast<std::size_t>(picture.columns) * picture.rows, 0);
    std::vector<int> columns(picture.columns);
    std::iota(columns.begin(), columns.end(), 0);
    constexpr std::size_t None = SIZE_MAX;
    std::atomic<std::size_t> firstFailure{None};
    QtConcurrent::blockingMap(columns, [&](int column) {
        const std::size_t base = static_cast<std::size_t>(column) * picture.rows;
        if (base >= firstFailure.load(std::memory_order_relaxed)) {
            return;
        }
        std::vector<Escape> escapes(picture.rows);
        columnEscapes(column, escapes.data());
        for (int row = 0; row < picture.rows; ++row) {
            try {
                picture.colours[base + row] = escapeColour(escapes[row]);
            } catch (const RuntimeFailure&) {
                std::size_t seen = firstFailure.load();
                while (base + row < seen && !firstFailure.compare_exchange_weak(seen, base + row)) {
                }
                return;
            }
        }
    });
    if (firstFailure != None) {
        picture.failedAt = firstFailure.load();
    }
    return picture;
}

}  // namespace

std::int32_t mandelExtraCycles(double z, double n) {
    static constexpr CycleRow Rows[] = {{0, 5, 0, 40},
                                        {6, 1000, 30, 80},
                                        {1001, 500000, 2500, 150},
                                        {500001, 50000000, 100000, 350},
                                        {50000001, 25000000000.0, 990000000, 1200}};
    return extraCycles(Rows, z, n);
}

std::int32_t juliaExtraCycles(double z) {
    static constexpr CycleRow Rows[] = {{0, 1000, 3, 60},
                                        {1001, 500000, 1000, 800},
                                        {500001, 50000000, 250000, 1700},
                                        {50000001, 500000000, 1000000, 3700}};
    return extraCycles(Rows, z, 0);
}

std::int16_t mandelCycleLimit(double z, double n) {
    return Numbers::toInt16(n + mandelExtraCycles(z, n));
}

std::int16_t juliaCycleLimit(double z, double n) {
    return Numbers::toInt16(n + juliaExtraCycles(z));
}

View mandelView(double cx, double cy, double z) {
    const double half = Numbers::divide(1.25, z);
    return {Numbers::finite(cx - half), Numbers::finite(cx + half), Numbers::finite(cy - half),
            Numbers::finite(cy + half)};
}

View juliaWindow(double z) {
    const double half = Numbers::divide(1.25, Numbers::divide(z, 1.25));
    return {-half, half, -half, half};
}

ColourNumber mandelColour(const Escape& escape, const Weights& weights) {
    if (escape.r < ColouredFrom) {
        return Colour::Black;
    }
    return component(weights.red, escape.k, weights.step) +
           256 * component(weights.green, escape.k, weights.step) +
           65536 * component(weights.blue, escape.k, weights.step);
}

ColourNumber juliaColour(const Escape& escape, const Weights& weights) {
    if (escape.r < ColouredFrom) {
        return Colour::Black;
    }
    return Numbers::toInt32(weights.red + 256 * weights.green + 65536 * weights.blue +
                            escape.k * weights.step);
}

Picture smallMandel(const View& view, int limit, const Weights& weights, int width, int height) {
    const int top = static_cast<int>(std::nearbyint(height / 2.0)) - 150;
    Picture picture;
    picture.top = top;
    picture.columns = static_cast<int>(std::floor(width / 2.0 + 150)) + 1;
    picture.rows = 301;
    std::vector<double> y0(picture.rows);
    for (int row = 0; row < picture.rows; ++row) {
        y0[row] = (static_cast<double>(top + row) / height) * (view.ymin - view.ymax) + view.ymax;
    }
    return computeColumns(
        std::move(picture),
        [&](int i, Escape* out) {
            const double x0 =
                (static_cast<double>(i) / width) * (view.xmax - view.xmin) + view.xmin;
            mandelColumn(x0, y0.data(), static_cast<int>(y0.size()), limit, out);
        },
        MandelPalette(limit, weights));
}

Picture largeMandel(const View& view, int limit, const Weights& weights, double hf, int first,
                    int count, int rows) {
    Picture picture;
    picture.left = first;
    picture.top = 1;
    picture.columns = count;
    picture.rows = rows;
    std::vector<double> y0(rows);
    for (int j = 1; j <= rows; ++j) {
        y0[j - 1] = (j / hf) * (view.ymin - view.ymax) + view.ymax;
    }
    return computeColumns(
        std::move(picture),
        [&](int column, Escape* out) {
            const double x0 = ((first + column) / hf) * (view.xmax - view.xmin) + view.xmin;
            mirroredColumn(x0, y0.data(), rows, limit, out);
        },
        MandelPalette(limit, weights));
}

Picture julia(const View& window, double cx, double cy, int limit, const Weights& weights) {
    Picture picture;
    picture.left = 1;
    picture.top = 1;
    picture.columns = JuliaSide;
    picture.rows = JuliaSide;
    const double dx = (window.xmax - window.xmin) / JuliaSide;
    const double dy = (window.ymax - window.ymin) / JuliaSide;
    std::vector<double> zy(JuliaSide);
    for (int row = 0; row < JuliaSide; ++row) {
        zy[row] = window.ymin + (row + 1) * dy;
    }
    return computeColumns(
        std::move(picture),
        [&](int column, Escape* out) {
            juliaColumn(window.xmin + (column + 1) * dx, zy.data(), JuliaSide, cx, cy, limit, out);
        },
        [&](const Escape& escape) { return juliaColour(escape, weights); });
}

Film film(double answer) {
    const double n = answer < 10 ? 10 : answer;
    return {std::floor(n), 2.5 / n};
}

Picture filmFrame(double re, double q, double K) {
    const std::vector<int> counts = JuliaStrip::escapeCounts(re, q);
    Picture picture;
    picture.left = 41;
    picture.top = 81;
    picture.columns = JuliaStrip::Columns;
    picture.rows = JuliaStrip::Rows;
    picture.colours.resize(counts.size());
    for (std::size_t i = 0; i < counts.size(); ++i) {
        try {
            picture.colours[i] = counts[i] == 0 ? Colour::Black : Numbers::toInt32(K * counts[i]);
        } catch (const RuntimeFailure&) {
            picture.failedAt = i;
            break;
        }
    }
    return picture;
}

}  // namespace EscapeTime

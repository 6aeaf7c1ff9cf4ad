#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cmath>
#include <iostream>
#include <vector>

#include "PlainEscape.h"
#include "mandel/EscapeColumns.h"

namespace {

using EscapeTime::Escape;

// A column kernel, the plain definition of its points, and for the small picture the
// point function that must agree with both.
struct Picture {
    void (*column)(double x, const double* ys, int count, int limit, Escape* out);
    Escape (*definition)(double x, double y, int limit);
    Escape (*point)(double x, double y, int limit);
};
constexpr double JuliaX = -0.12, JuliaY = 0.75;
const Picture Small{EscapeTime::mandelColumn, plainSmallEscape, EscapeTime::mandelPoint};
const Picture Mirrored{EscapeTime::mirroredColumn, EscapeTime::mirroredMandelPoint, nullptr};
const Picture Julia{[](double x, const double* ys, int count, int limit, Escape* out) {
                        EscapeTime::juliaColumn(x, ys, count, JuliaX, JuliaY, limit, out);
                    },
                    [](double x, double y, int limit) {
                        return EscapeTime::juliaPoint(x, y, JuliaX, JuliaY, limit);
                    },
                    nullptr};

// Columns at xs with the points ys; where `cut`, each column is also run cut to every
// shorter length, so that lanes left idle at a column's end are covered.
struct Columns {
    const char* what;
    const Picture& picture;
    int limit;
    std::vector<double> xs, ys;
    bool cut = false;
};

std::vector<double> steps(double first, double step, int count) {
    std::vector<double> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(first + i * step);
    }
    return values;
}

// A preset's small picture as drawn: every 25th column of its 301, all 301 rows.
Columns preset(const char* name, double x, double y, double z, int limit) {
    const double xmin = x - 1.25 / z, xmax = x + 1.25 / z;
    const double ymin = y - 1.25 / z, ymax = y + 1.25 / z;
    std::vector<double> xs, ys;
    for (int i = 0; i <= 300; ++i) {
        ys.push_back((i / 300.0) * (ymin - ymax) + ymax);
        if (i % 25 == 0) {
            xs.push_back((i / 300.0) * (xmax - xmin) + xmin);
        }
    }
    return {name, Small, limit, xs, ys};
}

// Bit for bit, NaN included.
testing::AssertionResult same(const Escape& got, const Escape& want, double x, double y) {
    if (got.k == want.k && (got.r == want.r || (std::isnan(got.r) && std::isnan(want.r)))) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "at " << x << " " << y << ": k " << got.k << " r "
                                       << got.r << ", not k " << want.k << " r " << want.r;
}

// Back to the best target whatever happens.
struct BestTargetAfterwards {
    ~BestTargetAfterwards() { hwy::SetSupportedTargetsForTest(0); }
};

TEST(EscapeColumns, EveryTargetGivesThePointsOfThePlainDefinitionBitForBit) {
    const std::vector<Columns> table = {
        preset("start", -0.75, 0, 1, 70),
        preset("MiniMandel", -0.166494436, 1.04054054, 10000000, 520),
        preset("Palle", -0.750252702027307, 1.24345324727702E-02, 90000, 1156),
        preset("Pizzo", -0.75030681107, 0.014565363385, 1540000, 435),
        preset("Spirale", -0.74581603327, 0.10509166308, 10000000, 520),
        preset("Fiocco", -0.67033333, -0.45766666, 125, 74),
        preset("Occhio", -1.6744005587, 0.00568563985, 244140625, 1670),
        preset("Stellamarina", -0.817985614202, 0.190171752437, 320000000, 1270),
        preset("Seahorse tail", -1.86105, -0.000535, 125, 114),
        // The whole set and beyond, its edge included where escapes take long.
        {"grid", Small, 300, steps(-3, 4.5 / 240, 241), steps(-2.25, 4.5 / 240, 241)},
        // Orbits ending near r = 10, where the shortcut must fall back on the exact r.
        {"near the bound",
         Small,
         200,
         {-2.0, -1.9, 0.25, 0.26, 0.3, 0.45, -0.7453, 1.0, 2.9},
         steps(-1, 0.1543, 29),
         true},
        // A limit below 1 ends every point at its first step.
        {"no cycles", Small, -5, {0.1, -3}, steps(-1, 0.1543, 8), true},
        {"full screen", Mirrored, 70, {-2.1, -1.4, -0.75, -0.1, 0.3, 0.6}, steps(-1.6, 0.032, 101)},
        {"overflowing", Mirrored, 70, {1e200, -0.75}, {1e300, -1e200, 0}, true},
        {"Julia", Julia, 90, {-2.1, -1.4, -0.75, -0.1, 0.3, 0.6}, steps(-1.6, 0.032, 101)},
        {"overflowing Julia", Julia, 90, {1e200, 0}, {0, 1e300, HUGE_VAL}, true},
    };
    std::vector<std::vector<Escape>> expected;
    for (const Columns& columns : table) {
        expected.emplace_back();
        for (double x : columns.xs) {
            for (double y : columns.ys) {
                const Escape want = columns.picture.definition(x, y, columns.limit);
                expected.back().push_back(want);
                if (columns.picture.point) {
                    ASSERT_TRUE(same(columns.picture.point(x, y, columns.limit), want, x, y))
                        << columns.what;
                }
            }
        }
    }
    const std::vector<std::int64_t> targets = EscapeTime::columnTargets();
    ASSERT_FALSE(targets.empty());
    std::cout << "Columns compared on:";
    for (std::int64_t target : targets) {
        std::cout << ' ' << hwy::TargetName(target);
    }
    std::cout << '\n';
    const BestTargetAfterwards restore;
    for (std::int64_t target : targets) {
        SCOPED_TRACE(hwy::TargetName(target));
        hwy::SetSupportedTargetsForTest(target);
        ASSERT_EQ(EscapeTime::columnTarget(), target);
        for (std::size_t row = 0; row < table.size(); ++row) {
            const Columns& columns = table[row];
            SCOPED_TRACE(columns.what);
            const int rows = static_cast<int>(columns.ys.size());
            std::vector<Escape> got(rows);
            for (std::size_t i = 0; i < columns.xs.size(); ++i) {
                for (int count = columns.cut ? 1 : rows; count <= rows; ++count) {
                    columns.picture.column(columns.xs[i], columns.ys.data(), count, columns.limit,
                                           got.data());
                    for (int j = 0; j < count; ++j) {
                        ASSERT_TRUE(
                            same(got[j], expected[row][i * rows + j], columns.xs[i], columns.ys[j]))
                            << "count " << count;
                    }
                }
            }
        }
    }
}

}  // namespace

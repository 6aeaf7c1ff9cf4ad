#include <gtest/gtest.h>
#include <hwy/targets.h>

#include <cmath>
#include <iostream>
#include <vector>

#include "PlainEscape.h"
#include "mandel/EscapeColumns.h"

namespace {

using EscapeTime::Escape;

enum Kind { Small, Mirrored, Julia };
constexpr double Cx = -0.12, Cy = 0.75;

Escape plain(Kind kind, double x, double y, int limit) {
    return kind == Julia ? plainJuliaEscape(x, y, Cx, Cy, limit)
                         : plainMandelEscape(x, y, limit, kind == Small);
}

void column(Kind kind, double x, const std::vector<double>& ys, int count, int limit, Escape* out) {
    if (kind == Small) {
        EscapeTime::mandelColumn(x, ys.data(), count, limit, out);
    } else if (kind == Mirrored) {
        EscapeTime::mirroredColumn(x, ys.data(), count, limit, out);
    } else {
        EscapeTime::juliaColumn(x, ys.data(), count, Cx, Cy, limit, out);
    }
}

// Columns at xs with the points ys; where `cut`, each column is also run cut to every
// shorter length, so that lanes left idle at a column's end are covered.
struct Columns {
    const char* what;
    Kind kind;
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

// A preset's small picture: 13 of its 301 columns, all its rows.
Columns preset(const char* name, double x, double y, double z, int limit) {
    const double pixel = 2.5 / z / 300;
    return {name, Small, limit, steps(x - 1.25 / z, 25 * pixel, 13),
            steps(y + 1.25 / z, -pixel, 301)};
}

// Bit for bit, NaN included.
bool same(const Escape& got, const Escape& want) {
    return got.k == want.k && (got.r == want.r || (std::isnan(got.r) && std::isnan(want.r)));
}

TEST(EscapeColumns, EveryTargetGivesThePointsOfThePlainDefinitionBitForBit) {
    const std::vector<Columns> table = {
        preset("start", -0.75, 0, 1, 70),
        preset("MiniMandel", -0.166494436, 1.04054054, 10000000, 520),
        preset("Palle", -0.750252702027307, 1.24345324727702E-02, 90000, 1156),
        preset("Pizzo", -0.75030681107, 0.014565363385, 1540000, 435),
        preset("Spirale", -0.74581603327, 0.10509166308, 10000000, 520),
        // Points that leave at the last cycle, and just after it as their cycles run out.
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
    const std::vector<std::int64_t> targets = EscapeTime::columnTargets();
    ASSERT_FALSE(targets.empty());
    for (std::int64_t target : targets) {
        std::cout << "Columns compared on " << hwy::TargetName(target) << '\n';
    }
    for (const Columns& columns : table) {
        SCOPED_TRACE(columns.what);
        const int rows = static_cast<int>(columns.ys.size());
        std::vector<Escape> want, got(rows);
        for (double x : columns.xs) {
            want.clear();
            for (double y : columns.ys) {
                want.push_back(plain(columns.kind, x, y, columns.limit));
            }
            for (std::int64_t target : targets) {
                hwy::SetSupportedTargetsForTest(target);
                ASSERT_EQ(EscapeTime::columnTarget(), target);
                for (int count = columns.cut ? 1 : rows; count <= rows; ++count) {
                    column(columns.kind, x, columns.ys, count, columns.limit, got.data());
                    for (int j = 0; j < count; ++j) {
                        ASSERT_TRUE(same(got[j], want[j]))
                            << hwy::TargetName(target) << " at " << x << ' ' << columns.ys[j]
                            << " (count " << count << "): k " << got[j].k << " r " << got[j].r;
                    }
                }
            }
        }
    }
    hwy::SetSupportedTargetsForTest(0);
}

}  // namespace

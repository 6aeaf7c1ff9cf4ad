#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "PlainEscape.h"
#include "mandel/EscapeColumns.h"
#include "mandel/EscapeTime.h"
#include "shell/RuntimeFailure.h"

namespace {

using EscapeTime::Escape;

struct Place {
    double x, y, z, cycles;
};
const Place Places[] = {
    {-0.75, 0, 1, 30},
    {-0.166494436, 1.04054054, 10000000, 70},
    {-0.750252702027307, 1.24345324727702E-02, 90000, 970},
    {-0.75030681107, 0.014565363385, 1540000, 70},
    {-0.74581603327, 0.10509166308, 10000000, 70},
    {-0.67033333, -0.45766666, 125, -10},
    {-1.6744005587, 0.00568563985, 244140625, 470},
    {-0.817985614202, 0.190171752437, 320000000, 70},
    {-1.86105, -0.000535, 125, 30},
};

void expectSame(const Escape& fast, const Escape& plain, double x0, double y0) {
    ASSERT_EQ(fast.k, plain.k) << x0 << " " << y0;
    // Bit for bit, NaN included.
    ASSERT_TRUE(fast.r == plain.r || (std::isnan(fast.r) && std::isnan(plain.r)))
        << x0 << " " << y0 << ": " << fast.r << " vs " << plain.r;
}

TEST(FastPath, EveryPresetsColumnsAreThePlainDefinitionsBitForBit) {
    for (const Place& place : Places) {
        const EscapeTime::View view = EscapeTime::mandelView(place.x, place.y, place.z);
        const int limit = EscapeTime::mandelCycleLimit(place.z, place.cycles);
        std::vector<double> y0(301);
        for (int j = 0; j <= 300; ++j) {
            y0[j] = (j / 300.0) * (view.ymin - view.ymax) + view.ymax;
        }
        std::vector<Escape> fast(301);
        for (int i = 0; i <= 300; i += 7) {
            const double x0 = (i / 300.0) * (view.xmax - view.xmin) + view.xmin;
            EscapeTime::mandelColumn(x0, y0.data(), 301, limit, fast.data());
            for (int j = 0; j <= 300; ++j) {
                expectSame(fast[j], plainSmallEscape(x0, y0[j], limit), x0, y0[j]);
            }
        }
    }
}

TEST(FastPath, PointsOnTheEscapeBoundaryAndOddColumnLengthsAgree) {
    // Points whose orbit ends near r = 10, where the shortcut must fall back on the
    // exact r; and columns of every length from 1 to 13, so every lane count is used.
    std::vector<double> y0;
    for (int j = 0; j < 13; ++j) {
        y0.push_back(-1.0 + j * 0.1543);
    }
    for (double x0 : {-2.0, -1.9, 0.25, 0.26, 0.3, 0.45, -0.7453, 1.0, 2.9}) {
        for (int count = 1; count <= 13; ++count) {
            std::vector<Escape> fast(count);
            EscapeTime::mandelColumn(x0, y0.data(), count, 200, fast.data());
            for (int j = 0; j < count; ++j) {
                expectSame(fast[j], plainSmallEscape(x0, y0[j], 200), x0, y0[j]);
            }
        }
    }
    // A limit below 1 ends every point at its first step.
    std::vector<Escape> fast(8);
    EscapeTime::mandelColumn(0.1, y0.data(), 8, -5, fast.data());
    for (int j = 0; j < 8; ++j) {
        expectSame(fast[j], plainSmallEscape(0.1, y0[j], -5), 0.1, y0[j]);
    }
}

TEST(FastPath, FullScreenAndJuliaColumnsAreTheirPointFunctions) {
    std::vector<double> ys;
    for (int j = 0; j < 101; ++j) {
        ys.push_back(-1.6 + j * 0.032);
    }
    std::vector<Escape> fast(ys.size());
    for (double x0 : {-2.1, -1.4, -0.75, -0.1, 0.3, 0.6}) {
        EscapeTime::mirroredColumn(x0, ys.data(), static_cast<int>(ys.size()), 70, fast.data());
        for (std::size_t j = 0; j < ys.size(); ++j) {
            expectSame(fast[j], EscapeTime::mirroredMandelPoint(x0, ys[j], 70), x0, ys[j]);
        }
        EscapeTime::juliaColumn(x0, ys.data(), static_cast<int>(ys.size()), -0.12, 0.75, 90,
                                fast.data());
        for (std::size_t j = 0; j < ys.size(); ++j) {
            expectSame(fast[j], EscapeTime::juliaPoint(x0, ys[j], -0.12, 0.75, 90), x0, ys[j]);
        }
    }
}

}  // namespace

namespace {

TEST(FastPath, PicturesColourEveryPixelAsItsOwnEscapeDoes) {
    // Weights that give negative colour numbers, and a step that overflows on long counts.
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0.1, 3);
    for (const EscapeTime::Weights& weights :
         {EscapeTime::Weights{-3, 250, -7, 0.5}, EscapeTime::Weights{200, 125, 125, 2e7}}) {
        const int limit = EscapeTime::mandelCycleLimit(3, 30);
        const EscapeTime::Picture picture = EscapeTime::smallMandel(view, limit, weights, 300, 300);
        std::optional<std::size_t> failure;
        for (int i = 0; i <= 300 && !failure; ++i) {
            const double x0 = (i / 300.0) * (view.xmax - view.xmin) + view.xmin;
            for (int j = 0; j <= 300; ++j) {
                const double y0 = (j / 300.0) * (view.ymin - view.ymax) + view.ymax;
                const std::size_t at = static_cast<std::size_t>(i) * 301 + j;
                try {
                    const ColourNumber colour =
                        EscapeTime::mandelColour(plainSmallEscape(x0, y0, limit), weights);
                    ASSERT_EQ(picture.colours[at], colour) << i << "," << j;
                } catch (const RuntimeFailure&) {
                    failure = at;
                    break;
                }
            }
        }
        EXPECT_EQ(picture.failedAt, failure);
    }
}

}  // namespace

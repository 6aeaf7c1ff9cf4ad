#include <gtest/gtest.h>

#include <cmath>

#include "kernels/PlainEscape.h"
#include "mandel/EscapeTime.h"
#include "shell/RuntimeFailure.h"

namespace {

const EscapeTime::Weights StartColours{200, 125, 125, 1};

ColourNumber expectedSmallPixel(double x0, double y0, int limit, const EscapeTime::Weights& w) {
    const EscapeTime::Escape e = plainSmallEscape(x0, y0, limit);
    if (e.r < 4) {
        return 0;
    }
    auto part = [&e](double weight, double step) {
        const long whole = std::lrint(weight * e.k * step);
        return whole % 255 + 1;
    };
    return part(w.red, w.step) + 256 * part(w.green, w.step) + 65536 * part(w.blue, w.step);
}

}  // namespace

TEST(EscapeTime, CycleLimitGrowsWithTheMagnificationAndTheGapsDoubleTheTypedCycles) {
    EXPECT_EQ(EscapeTime::mandelCycleLimit(1, 30), 70);
    EXPECT_EQ(EscapeTime::mandelCycleLimit(0.001, 30), 70);
    EXPECT_EQ(EscapeTime::mandelCycleLimit(5, 30), 70);
    EXPECT_EQ(EscapeTime::mandelCycleLimit(5.5, 30), 60);
    EXPECT_EQ(EscapeTime::mandelCycleLimit(6, 30), 110);     // 6/30 + 80 = 80.2
    EXPECT_EQ(EscapeTime::mandelCycleLimit(1000, 30), 143);  // 113.33
    EXPECT_EQ(EscapeTime::mandelCycleLimit(1000.5, 30), 60);
    EXPECT_EQ(EscapeTime::mandelCycleLimit(1001, 30), 180);  // 150.4
    EXPECT_EQ(EscapeTime::mandelCycleLimit(500000, 30), 380);
    EXPECT_EQ(EscapeTime::mandelCycleLimit(500001, 30), 385);  // 355.00001
    EXPECT_EQ(EscapeTime::mandelCycleLimit(50000000, 30), 880);
    EXPECT_EQ(EscapeTime::mandelCycleLimit(50000001, 30), 1230);       // 1200.05
    EXPECT_EQ(EscapeTime::mandelCycleLimit(25000000000.0, 30), 1255);  // 1225.25
    EXPECT_EQ(EscapeTime::mandelCycleLimit(1, 32727), 32767);
    EXPECT_THROW(EscapeTime::mandelCycleLimit(1, 32728), RuntimeFailure);
    EXPECT_THROW(EscapeTime::mandelCycleLimit(5.5, 20000), RuntimeFailure);

    EXPECT_EQ(EscapeTime::juliaCycleLimit(1, 30), 90);
    EXPECT_EQ(EscapeTime::juliaCycleLimit(1000, 30), 423);  // 393.33
    EXPECT_EQ(EscapeTime::juliaCycleLimit(1000.5, 30), 30);
    EXPECT_EQ(EscapeTime::juliaCycleLimit(1001, 30), 831);
    EXPECT_EQ(EscapeTime::juliaCycleLimit(500000000, 30), 4230);
    EXPECT_EQ(EscapeTime::juliaCycleLimit(600000000, 30), 30);
    EXPECT_EQ(EscapeTime::juliaCycleLimit(-1, 30), 30);
}

TEST(EscapeTime, ViewsAreSquaresAroundTheCentre) {
    const EscapeTime::View start = EscapeTime::mandelView(-0.75, 0, 1);
    EXPECT_DOUBLE_EQ(start.xmin, -2);
    EXPECT_DOUBLE_EQ(start.xmax, 0.5);
    EXPECT_DOUBLE_EQ(start.ymin, -1.25);
    EXPECT_DOUBLE_EQ(start.ymax, 1.25);
    const EscapeTime::View deep = EscapeTime::mandelView(0.25, -0.5, 5);
    EXPECT_DOUBLE_EQ(deep.xmax - deep.xmin, 0.5);
    EXPECT_DOUBLE_EQ(deep.ymin, -0.75);

    const EscapeTime::View window = EscapeTime::juliaWindow(2);
    EXPECT_DOUBLE_EQ(window.xmin, -0.78125);
    EXPECT_DOUBLE_EQ(window.ymax, 0.78125);
    EXPECT_THROW(EscapeTime::juliaWindow(0), RuntimeFailure);
    EXPECT_THROW(EscapeTime::juliaWindow(1e-320), RuntimeFailure);
}

TEST(EscapeTime, SmallPicturesColourEveryPixelFromTheIteration) {
    struct Case {
        double x, y, z;
        EscapeTime::Weights weights;
    };
    // The start view, and weights that give negative colour numbers.
    for (const Case& c :
         {Case{-0.75, 0, 1, StartColours}, Case{-0.75, 0.1, 3, {-3, 250, -7, 0.5}}}) {
        const EscapeTime::View view = EscapeTime::mandelView(c.x, c.y, c.z);
        const int limit = EscapeTime::mandelCycleLimit(c.z, 30);
        const EscapeTime::Picture picture =
            EscapeTime::smallMandel(view, limit, c.weights, 300, 300);
        ASSERT_EQ(picture.columns, 301);
        ASSERT_EQ(picture.rows, 301);
        EXPECT_EQ(picture.left, 0);
        EXPECT_EQ(picture.top, 0);
        EXPECT_FALSE(picture.failedAt);
        for (int i = 0; i <= 300; ++i) {
            const double x0 = (i / 300.0) * (view.xmax - view.xmin) + view.xmin;
            for (int j = 0; j <= 300; ++j) {
                const double y0 = (j / 300.0) * (view.ymin - view.ymax) + view.ymax;
                ASSERT_EQ(picture.colours[static_cast<std::size_t>(i) * 301 + j],
                          expectedSmallPixel(x0, y0, limit, c.weights))
                    << i << "," << j;
            }
        }
    }
    const EscapeTime::Picture start =
        EscapeTime::smallMandel(EscapeTime::mandelView(-0.75, 0, 1), 70, StartColours, 300, 300);
    auto at = [&](int i, int j) { return start.colours[static_cast<std::size_t>(i) * 301 + j]; };
    // The main cardioid is black, the far corner is coloured.
    EXPECT_EQ(at(150, 150), 0);
    EXPECT_NE(at(0, 0), 0);
    // The set is symmetric about the real axis (row 150).
    EXPECT_EQ(at(120, 100), at(120, 200));
}

TEST(EscapeTime, ColoursSpreadWithTheWeightsAndFailBeyondThirtyTwoBits) {
    // k = 3: components (200*3 Mod 255)+1 = 91, (375 Mod 255)+1 = 121.
    EXPECT_EQ(EscapeTime::mandelColour({3, 12}, StartColours), 91 + 256 * 121 + 65536 * 121);
    EXPECT_EQ(EscapeTime::mandelColour({71, 3.9}, StartColours), 0);
    EXPECT_EQ(EscapeTime::mandelColour({71, 4}, {0, 0, 0, 1}), 1 + 256 + 65536);
    EXPECT_THROW(EscapeTime::mandelColour({3, 12}, {200, 125, 125, 1e7}), RuntimeFailure);
    EXPECT_EQ(EscapeTime::juliaColour({5, 4}, {200, 125, 125, 2}),
              200 + 256 * 125 + 65536 * 125 + 10);
    EXPECT_EQ(EscapeTime::juliaColour({5, 3.99}, StartColours), 0);
    EXPECT_THROW(EscapeTime::juliaColour({5, 4}, {0, 0, 0, 1e9}), RuntimeFailure);
}

TEST(EscapeTime, AFailingColourKeepsThePixelsBeforeItInDrawingOrder) {
    // With step 1e7 a pixel that escapes after one cycle is fine (2e9) and any
    // longer escape overflows.
    const EscapeTime::Weights risky{200, 125, 125, 1e7};
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0, 0.5);
    const EscapeTime::Picture picture = EscapeTime::smallMandel(view, 70, risky, 300, 300);
    ASSERT_TRUE(picture.failedAt);
    std::size_t expected = 0;
    bool found = false;
    for (int i = 0; i <= 300 && !found; ++i) {
        for (int j = 0; j <= 300 && !found; ++j) {
            const EscapeTime::Escape e =
                EscapeTime::mandelPoint((i / 300.0) * 5 - 3.25, (j / 300.0) * -5 + 2.5, 70);
            if (e.r >= 4 && e.k >= 2) {
                found = true;
            } else {
                EXPECT_EQ(picture.colours[expected], EscapeTime::mandelColour(e, risky));
                ++expected;
            }
        }
    }
    EXPECT_GT(expected, 300u);
    EXPECT_EQ(*picture.failedAt, expected);
}

TEST(EscapeTime, JuliaPictureStartsAtPixelOneWithTheSmallestImaginaryPartOnTop) {
    const EscapeTime::View window = EscapeTime::juliaWindow(1);
    const double cx = -0.12, cy = 0.75;
    const EscapeTime::Picture picture = EscapeTime::julia(window, cx, cy, 90, StartColours);
    EXPECT_EQ(picture.left, 1);
    EXPECT_EQ(picture.top, 1);
    ASSERT_EQ(picture.columns, 300);
    const double d = 3.125 / 300;
    for (auto [a, b] : {std::pair{1, 1}, {150, 150}, {300, 300}, {40, 200}, {220, 110}}) {
        double zx = -1.5625 + a * d, zy = -1.5625 + b * d, r = 0;
        double k = 0;
        do {
            k = k + 1;
            const double sx = zx * zx, sy = zy * zy;
            const double nzx = sx - sy + cx, nzy = 2 * zx * zy + cy;
            r = sx + sy;
            zx = nzx;
            zy = nzy;
        } while (r < 4 && k <= 90);
        const ColourNumber expected = r < 4 ? 0 : std::lrint(200 + 256 * 125 + 65536 * 125 + k);
        EXPECT_EQ(picture.colours[static_cast<std::size_t>(a - 1) * 300 + (b - 1)], expected)
            << a << "," << b;
    }
}

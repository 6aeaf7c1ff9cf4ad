#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "kernels/PlainEscape.h"
#include "mandel/EscapeTime.h"
#include "shell/RuntimeFailure.h"

namespace {

// The small picture's colour as defined: each weight times the count and the step,
// rounded half to even, modulo 255, plus 1; black below r = 4.
ColourNumber plainSmallColour(double x0, double y0, int limit, const EscapeTime::Weights& w) {
    const EscapeTime::Escape e = plainMandelEscape(x0, y0, limit, true);
    auto part = [&e, &w](double weight) { return std::lrint(weight * e.k * w.step) % 255 + 1; };
    return e.r < 4 ? 0 : part(w.red) + 256 * part(w.green) + 65536 * part(w.blue);
}

// A picture's place and size, and every pixel, column by column, against its plain
// definition.
void expectPixels(const EscapeTime::Picture& picture, std::tuple<int, int, int, int> place,
                  const std::function<ColourNumber(int, int)>& pixel) {
    ASSERT_EQ(std::tuple(picture.left, picture.top, picture.columns, picture.rows), place);
    ASSERT_FALSE(picture.failedAt);
    for (int i = 0; i < picture.columns; ++i) {
        for (int j = 0; j < picture.rows; ++j) {
            ASSERT_EQ(picture.colours[static_cast<std::size_t>(i) * picture.rows + j], pixel(i, j))
                << i << "," << j;
        }
    }
}

}  // namespace

TEST(EscapeTime, CycleLimitGrowsWithTheMagnificationAndTheGapsDoubleTheTypedCycles) {
    const auto M = EscapeTime::mandelCycleLimit;
    const auto J = EscapeTime::juliaCycleLimit;
    // The limit, or 0 where it does not fit in 16 bits.
    const struct {
        std::int16_t (*limit)(double, double);
        double z, n;
        int want;
    } table[] = {{M, 1, 30, 70},         {M, 0.001, 30, 70},     {M, 5, 30, 70},
                 {M, 5.5, 30, 60},       {M, 6, 30, 110},        {M, 1000, 30, 143},
                 {M, 1000.5, 30, 60},    {M, 1001, 30, 180},     {M, 500000, 30, 380},
                 {M, 500001, 30, 385},   {M, 50000000, 30, 880}, {M, 50000001, 30, 1230},
                 {M, 25e9, 30, 1255},    {M, 1, 32727, 32767},   {M, 1, 32728, 0},
                 {M, 5.5, 20000, 0},     {J, 1, 30, 90},         {J, 1000, 30, 423},
                 {J, 1000.5, 30, 30},    {J, 1001, 30, 831},     {J, 500000000, 30, 4230},
                 {J, 600000000, 30, 30}, {J, -1, 30, 30}};
    for (const auto& row : table) {
        SCOPED_TRACE(testing::Message() << "row " << &row - table);
        if (row.want == 0) {
            EXPECT_THROW(row.limit(row.z, row.n), RuntimeFailure);
        } else {
            EXPECT_EQ(row.limit(row.z, row.n), row.want);
        }
    }
}

TEST(EscapeTime, ViewsAreSquaresAroundTheCentre) {
    const EscapeTime::View start = EscapeTime::mandelView(-0.75, 0, 1);
    EXPECT_EQ(std::tuple(start.xmin, start.xmax, start.ymin, start.ymax),
              std::tuple(-2.0, 0.5, -1.25, 1.25));
    const EscapeTime::View deep = EscapeTime::mandelView(0.25, -0.5, 5);
    EXPECT_EQ(std::tuple(deep.xmin, deep.xmax, deep.ymin, deep.ymax),
              std::tuple(0.0, 0.5, -0.75, -0.25));
    const EscapeTime::View window = EscapeTime::juliaWindow(2);
    EXPECT_DOUBLE_EQ(window.xmin, -0.78125);
    EXPECT_DOUBLE_EQ(window.ymax, 0.78125);
    EXPECT_THROW(EscapeTime::juliaWindow(0), RuntimeFailure);
    EXPECT_THROW(EscapeTime::juliaWindow(1e-320), RuntimeFailure);
}

TEST(EscapeTime, PicturesColourEveryPixelFromThePlainIteration) {
    // A view off the axis, and weights that give negative colour numbers and halves to
    // round.
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0.1, 3);
    const EscapeTime::Weights weights{-3, 250, -7, 0.5};
    const int limit = EscapeTime::mandelCycleLimit(3, 30);
    const EscapeTime::Picture small = EscapeTime::smallMandel(view, limit, weights, 300, 300);
    expectPixels(small, {0, 0, 301, 301}, [&](int i, int j) {
        return plainSmallColour((i / 300.0) * (view.xmax - view.xmin) + view.xmin,
                                (j / 300.0) * (view.ymin - view.ymax) + view.ymax, limit, weights);
    });
    // The Julia set of -0.12 + 0.75 i from pixel (1, 1), the smallest imaginary part on
    // top; black inside, else the weights plus the count times the step, rounded half to
    // even; a step too large for 32 bits fails.
    const EscapeTime::Picture julia =
        EscapeTime::julia(EscapeTime::juliaWindow(1), -0.12, 0.75, 90, {200, 125, 125, 2.5});
    const double d = 3.125 / 300;
    expectPixels(julia, {1, 1, 300, 300}, [&](int i, int j) {
        const EscapeTime::Escape e =
            plainJuliaEscape(-1.5625 + (i + 1) * d, -1.5625 + (j + 1) * d, -0.12, 0.75, 90);
        return e.r < 4 ? 0 : std::lrint(200 + 256 * 125 + 65536 * 125 + e.k * 2.5);
    });
    EXPECT_TRUE(
        EscapeTime::julia(EscapeTime::juliaWindow(1), -0.12, 0.75, 90, {0, 0, 0, 1e9}).failedAt);
}

TEST(EscapeTime, AFailingColourKeepsThePixelsBeforeItInDrawingOrder) {
    // With step 1e7 a pixel that escapes after one cycle is fine (2e9) and any
    // longer escape overflows.
    const EscapeTime::Weights risky{200, 125, 125, 1e7};
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0, 0.5);
    const EscapeTime::Picture picture = EscapeTime::smallMandel(view, 70, risky, 300, 300);
    ASSERT_TRUE(picture.failedAt);
    std::size_t pixel = 0;
    for (; pixel < 301 * 301; ++pixel) {
        const EscapeTime::Escape e =
            plainMandelEscape(static_cast<double>(pixel / 301) / 300 * 5 - 3.25,
                              static_cast<double>(pixel % 301) / 300 * -5 + 2.5, 70, true);
        if (e.r >= 4 && e.k >= 2) {
            break;
        }
        EXPECT_EQ(picture.colours[pixel], EscapeTime::mandelColour(e, risky));
    }
    EXPECT_GT(pixel, 300u);
    EXPECT_EQ(*picture.failedAt, pixel);
}

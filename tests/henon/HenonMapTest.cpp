#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "henon/HenonMap.h"

TEST(HenonMap, StepTakesBothPartsFromTheOldPoint) {
    const HenonMap::Point first = HenonMap::next(HenonMap::Start);
    EXPECT_EQ(first.x, (1 + 1.1) - 1.4 * 1.35 * 1.35);
    EXPECT_EQ(first.y, 0.3 * 1.35);
    EXPECT_NEAR(first.x, -0.4515, 1e-12);
    EXPECT_NEAR(first.y, 0.405, 1e-12);
    const HenonMap::Point second = HenonMap::next(first);
    EXPECT_EQ(second.x, (1 + first.y) - 1.4 * first.x * first.x);
    EXPECT_EQ(second.y, 0.3 * first.x);
}

TEST(HenonMap, PointCountGrowsByTwoThousandPerMagnification) {
    EXPECT_EQ(HenonMap::pointCount(1), 32000);
    EXPECT_EQ(HenonMap::pointCount(0), 30000);
    EXPECT_EQ(HenonMap::pointCount(2.5), 35000);
    EXPECT_EQ(HenonMap::pointCount(1000), 2030000);
    EXPECT_EQ(HenonMap::pointCount(-15), 0);
    EXPECT_LT(HenonMap::pointCount(-20), 0);
}

TEST(HenonMap, FirstPointAtMagnificationOneFallsOnColumnHundredSixAndAHalfRow329) {
    const auto pixel = HenonMap::pixel(HenonMap::next(HenonMap::Start), 1);
    ASSERT_TRUE(pixel.has_value());
    EXPECT_EQ(pixel->x, 106.5f);
    EXPECT_EQ(pixel->y, 329.0f);
}

TEST(HenonMap, MagnificationKeepsItsCentreAtPixel450By250) {
    for (const double z : {0.5, 1.0, 2.0, 37.0, 1000.0}) {
        const auto centre = HenonMap::pixel({1.266, 0.01}, z);
        ASSERT_TRUE(centre.has_value());
        EXPECT_NEAR(centre->x, 450, 1e-3) << z;
        EXPECT_NEAR(centre->y, 250, 1e-3) << z;
    }
    // A unit is 200 * z pixels, rows growing with y.
    const auto shifted = HenonMap::pixel({1.266 + 0.1, 0.01 + 0.1}, 2);
    EXPECT_NEAR(shifted->x, 490, 1e-3);
    EXPECT_NEAR(shifted->y, 290, 1e-3);
    // Without magnification every point collapses onto the centre.
    for (const HenonMap::Point p : {HenonMap::Start, HenonMap::Point{-1.2, 0.3}}) {
        const auto pixel = HenonMap::pixel(p, 0);
        EXPECT_EQ(pixel->x, 450.0f);
        EXPECT_EQ(pixel->y, 250.0f);
    }
}

TEST(HenonMap, AtMagnificationOneTheAttractorSpansColumnsMinus60To451AndRows171To329) {
    HenonMap::Point p = HenonMap::Start;
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    for (int i = 0; i < 32000; ++i) {
        p = HenonMap::next(p);
        const auto pixel = HenonMap::pixel(p, 1);
        ASSERT_TRUE(pixel.has_value());
        left = std::min(left, pixel->x);
        right = std::max(right, pixel->x);
        top = std::min(top, pixel->y);
        bottom = std::max(bottom, pixel->y);
    }
    EXPECT_NEAR(left, -60, 2);
    EXPECT_NEAR(right, 451, 2);
    EXPECT_NEAR(top, 171, 2);
    EXPECT_NEAR(bottom, 329, 1);
}

TEST(HenonMap, PointsTooFarForAnyPictureHaveNoPixel) {
    EXPECT_FALSE(HenonMap::pixel(HenonMap::Start, 1e9).has_value());
    EXPECT_FALSE(HenonMap::pixel(HenonMap::Start, std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(HenonMap::pixel(HenonMap::Start, 1e300).has_value());
    EXPECT_TRUE(HenonMap::pixel({1.266, 0.01}, 1e9).has_value());
}

TEST(HenonMap, ColourIsTheNearestWholeNumberToRTimesTheCount) {
    EXPECT_EQ(HenonMap::colour(0, 32000), 0);
    EXPECT_EQ(HenonMap::colour(0.5, 32000), 16000);
    EXPECT_EQ(HenonMap::colour(0.1234, 32000), 3949);
    // Halves go to the even neighbour.
    EXPECT_EQ(HenonMap::colour(0.25, 10), 2);
    EXPECT_EQ(HenonMap::colour(0.75, 10), 8);
    // A colour beyond any colour number keeps its low 24 bits: 10^19 = 2^19 * 5^19.
    EXPECT_EQ(HenonMap::colour(0.5, 2e19), 15204352);
    EXPECT_EQ(HenonMap::colour(0.5, std::numeric_limits<double>::infinity()), Colour::Black);
}

#include <gtest/gtest.h>

#include <cmath>

#include "koch/KochIsland.h"

namespace {

using KochIsland::HalfTurn;
using KochIsland::Point;
using KochIsland::Segment;

double distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

}  // namespace

TEST(KochIsland, HalfTurnIsTheSinglePrecisionValueOfThreePointOneFourOneFive) {
    EXPECT_EQ(HalfTurn, static_cast<double>(3.1415f));
    EXPECT_NE(HalfTurn, 3.1415);
    // The single nearest to 3.1415.
    EXPECT_EQ(HalfTurn, 3.1414999961853027);
}

TEST(KochIsland, TriangleHasItsCornersAtTheStartTheRightAndTheApex) {
    const std::vector<Segment> triangle = KochIsland::stage(0, {45, 371}, 410);
    ASSERT_EQ(triangle.size(), 3u);
    EXPECT_EQ(triangle[0].from.x, 45);
    EXPECT_EQ(triangle[0].from.y, 371);
    EXPECT_EQ(triangle[0].to.x, 455);
    EXPECT_EQ(triangle[0].to.y, 371);
    // The apex, up and to the left of the right corner by 60 degrees of the
    // slightly short half turn.
    const double apexHeading = -HalfTurn + HalfTurn / 3;
    EXPECT_EQ(triangle[1].to.x, 455 + std::cos(apexHeading) * 410);
    EXPECT_EQ(triangle[1].to.y, 371 + std::sin(apexHeading) * 410);
    EXPECT_NEAR(triangle[1].to.x, 250, 0.05);
    EXPECT_NEAR(triangle[1].to.y, 15.9, 0.05);
    EXPECT_NEAR(triangle[2].to.x, 45, 0.1);
    EXPECT_NEAR(triangle[2].to.y, 371, 0.1);
}

TEST(KochIsland, FirstTransformationStartsAlongTheBaseThenTurnsDownByAThirdOfAHalfTurn) {
    const std::vector<Segment> star = KochIsland::stage(1, {45, 371}, 136.5);
    ASSERT_EQ(star.size(), 12u);
    EXPECT_EQ(star[0].from.x, 45);
    EXPECT_EQ(star[0].from.y, 371);
    EXPECT_EQ(star[0].to.x, 181.5);
    EXPECT_EQ(star[0].to.y, 371);
    EXPECT_EQ(star[1].from.x, 181.5);
    EXPECT_EQ(star[1].from.y, 371);
    EXPECT_EQ(star[1].to.x, 181.5 + std::cos(HalfTurn / 3) * 136.5);
    EXPECT_EQ(star[1].to.y, 371 + std::sin(HalfTurn / 3) * 136.5);
    // Down and to the right at 60 degrees: the outward point under the base.
    EXPECT_NEAR(star[1].to.x, 249.75, 0.01);
    EXPECT_NEAR(star[1].to.y, 489.21, 0.01);
    // Back up to the base, then along it to the right corner.
    EXPECT_NEAR(star[2].to.x, 318, 0.05);
    EXPECT_NEAR(star[2].to.y, 371, 0.05);
    EXPECT_NEAR(star[3].to.x, 454.5, 0.05);
    EXPECT_NEAR(star[3].to.y, 371, 0.05);
}

TEST(KochIsland, StageNHasThreeTimesFourToTheNSegmentsInPenOrderClosingOnTheStart) {
    const double lengths[] = {410, 136.5, 45, 15, 5};
    std::size_t expected = 3;
    for (int n = 0; n <= 4; ++n, expected *= 4) {
        const std::vector<Segment> outline = KochIsland::stage(n, {45, 371}, lengths[n]);
        ASSERT_EQ(outline.size(), expected) << "stage " << n;
        for (std::size_t i = 1; i < outline.size(); ++i) {
            ASSERT_EQ(outline[i].from.x, outline[i - 1].to.x) << "stage " << n << " segment " << i;
            ASSERT_EQ(outline[i].from.y, outline[i - 1].to.y) << "stage " << n << " segment " << i;
        }
        for (const Segment& segment : outline) {
            ASSERT_NEAR(distance(segment.from, segment.to), lengths[n], 1e-9);
        }
        // Only the short half turn keeps it from closing exactly.
        EXPECT_LT(distance(outline.back().to, {45, 371}), 0.2) << "stage " << n;
    }
}

TEST(KochIsland, EveryStageStaysInsideTheCircleAroundTheTriangle) {
    const double lengths[] = {410, 136.5, 45, 15, 5};
    for (int n = 0; n <= 4; ++n) {
        double farthest = 0;
        for (const Segment& segment : KochIsland::stage(n, {45, 371}, lengths[n])) {
            farthest = std::max(farthest, distance(segment.to, {250, 250}));
        }
        EXPECT_LT(farthest, 240) << "stage " << n;
    }
}

TEST(KochIsland, ANegativeStageHasNoSegments) {
    EXPECT_TRUE(KochIsland::stage(-1, {0, 0}, 10).empty());
}

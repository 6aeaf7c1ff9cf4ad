#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "shell/RuntimeFailure.h"
#include "verhulst/Logistic.h"

namespace {

constexpr ColourNumber Background = 0;

// The rows painted in one column of a diagram.
std::set<int> paintedRows(const Logistic::Diagram& diagram, int column) {
    std::set<int> rows;
    for (int row = 0; row < Logistic::DiagramRows; ++row) {
        if (diagram.colours[column * Logistic::DiagramRows + row] == Logistic::DiagramColour) {
            rows.insert(row);
        }
    }
    return rows;
}

bool blank(const Logistic::Diagram& diagram) {
    return std::all_of(diagram.colours.begin(), diagram.colours.end(),
                       [](ColourNumber c) { return c == Background; });
}

}  // namespace

TEST(Logistic, GenerationsAreHeldInSinglePrecision) {
    // From 0,18 with r = 3,99; the third differs from the double sequence
    // (0,131236593718...) by four units of the last single digit.
    const float first = Logistic::nextGeneration(0.18f, 3.99);
    const float second = Logistic::nextGeneration(first, 3.99);
    const float third = Logistic::nextGeneration(second, 3.99);
    EXPECT_EQ(first, 0.588923991f);
    EXPECT_EQ(second, 0.965949178f);
    EXPECT_EQ(third, 0.131236538f);
    EXPECT_NE(third, static_cast<float>(0.13123659371817706));
}

TEST(Logistic, PopulationLeavingTheSingleRangeFails) {
    EXPECT_THROW(Logistic::nextGeneration(-1e20f, 4), RuntimeFailure);
    EXPECT_NO_THROW(Logistic::nextGeneration(-1e18f, 4));  // -4e36 still fits
}

TEST(Logistic, GraphsHaveTheirGenerationsAndSettleOnPointSixForTwoAndAHalf) {
    const Logistic::Graph upper = Logistic::upperGraph(2.5, 0.12f);
    ASSERT_EQ(upper.points.size(), 60u);
    EXPECT_FALSE(upper.overflowed);
    EXPECT_EQ(upper.points.front().i, 1);
    EXPECT_EQ(upper.points[20].i, Logistic::MarkedColumn);
    EXPECT_EQ(upper.points.back().i, 591);
    EXPECT_NEAR(upper.points.back().population, 0.6, 1e-6);
    EXPECT_NEAR(upper.points.back().y, 72.4, 1e-4);

    const Logistic::Graph lower = Logistic::lowerGraph(2.5, 0.12f);
    ASSERT_EQ(lower.points.size(), 31u);
    EXPECT_FALSE(lower.overflowed);
    EXPECT_EQ(lower.points.front().i, 0);
    EXPECT_EQ(lower.points[1].i, 25);
    EXPECT_EQ(lower.points.back().i, 750);
    EXPECT_NEAR(lower.points.back().y, 262, 1e-4);
    // Both graphs start from the same population: the same first generation.
    EXPECT_EQ(upper.points.front().population, lower.points.front().population);
    EXPECT_NEAR(upper.points.front().y, 100 - 46 * 0.264, 1e-5);
    EXPECT_NEAR(lower.points.front().y, 400 - 230 * 0.264, 1e-4);
}

TEST(Logistic, RunawayPopulationEndsTheGraphAtTheOverflow) {
    // 1,5 with 4,5: -3,375, -66,4, about -2e4, -1,9e9, -1,6e19, then beyond single.
    const Logistic::Graph upper = Logistic::upperGraph(4.5, 1.5f);
    EXPECT_TRUE(upper.overflowed);
    ASSERT_EQ(upper.points.size(), 5u);
    EXPECT_EQ(upper.points[0].population, -3.375f);
    EXPECT_LT(upper.points[4].population, -1e19f);

    const Logistic::Graph five = Logistic::upperGraph(5, 0.18f);
    EXPECT_TRUE(five.overflowed);
    EXPECT_GT(five.points.size(), 5u);
    EXPECT_LT(five.points.size(), 60u);
}

TEST(Logistic, LabelsAlternateAboveAndBelowTheLowerGraph) {
    EXPECT_EQ(Logistic::labelOffset(0), -20);
    EXPECT_EQ(Logistic::labelOffset(25), 20);
    EXPECT_EQ(Logistic::labelOffset(50), -20);
    EXPECT_EQ(Logistic::labelOffset(475), 20);
    EXPECT_EQ(Logistic::labelOffset(750), -20);
}

TEST(Logistic, PopulationsPrintWithSevenDigitsAndTheComma) {
    EXPECT_EQ(Logistic::printedPopulation(0.6f), " 0,6");
    EXPECT_EQ(Logistic::printedPopulation(0.965949178f), " 0,9659492");
    EXPECT_EQ(Logistic::printedPopulation(0.123456789f), " 0,1234568");
    EXPECT_EQ(Logistic::printedPopulation(-3.375f), "-3,375");
    EXPECT_EQ(Logistic::printedPopulation(12345678.f), " 12345680");
    EXPECT_EQ(Logistic::printedPopulation(1e-5f), " 1E-05");
}

TEST(Logistic, DiagramShowsOneLevelThenTwoAcrossThePeriodTwoRange) {
    // Periodo 2: column x shows 3,2 - (480 - x) / 480.
    const Logistic::Diagram diagram =
        Logistic::bifurcation(Logistic::Periodo2, 1, 0.18, Background);
    EXPECT_FALSE(diagram.failed);
    ASSERT_EQ(diagram.colours.size(), 480u * 500u);
    EXPECT_EQ(paintedRows(diagram, 100).size(), 1u);  // 2,408
    EXPECT_EQ(paintedRows(diagram, 360).size(), 1u);  // 2,95
    EXPECT_EQ(paintedRows(diagram, 450).size(), 2u);  // 3,1375
    EXPECT_EQ(paintedRows(diagram, 479).size(), 2u);  // 3,1979
    // 2,408 settles on 1 - 1/r = 0,5847: row 500 - (480 p + 20) = 199,3.
    EXPECT_EQ(paintedRows(diagram, 100), std::set<int>{199});
}

TEST(Logistic, DiagramOfTheTypedRangeRunsFromTwoPointSixSixToNearlyFour) {
    const Logistic::Diagram diagram =
        Logistic::bifurcation(Logistic::cambiamento(3.99, 2), 1, 0.18, Background);
    EXPECT_FALSE(diagram.failed);
    // Column 0: 3,99 - 480 x 1,99 / 720 = 2,66333, settled at 0,62453: row 197.
    EXPECT_EQ(paintedRows(diagram, 0), std::set<int>{197});
    // Column 479 is in chaos: the column fills.
    EXPECT_GT(paintedRows(diagram, 479).size(), 100u);

    // Zoom 2 halves the range: column 0 is 3,3267, already period 2.
    const Logistic::Diagram zoomed =
        Logistic::bifurcation(Logistic::cambiamento(3.99, 2), 2, 0.18, Background);
    EXPECT_EQ(paintedRows(zoomed, 0).size(), 2u);
}

TEST(Logistic, PeriodOneCurveFallsToRowTwentyWhereTheIncrementDropsBelowOne) {
    const Logistic::Diagram diagram =
        Logistic::bifurcation(Logistic::Periodo1, 1, 0.18, Background);
    EXPECT_FALSE(diagram.failed);
    // Column 0 is 2,99: 400 x 0,66555 + 20 = 286,2.
    EXPECT_EQ(paintedRows(diagram, 0), std::set<int>{286});
    EXPECT_EQ(paintedRows(diagram, 400), std::set<int>{20});  // 0,5482
    EXPECT_EQ(paintedRows(diagram, 479), std::set<int>{20});  // 0,3056
}

TEST(Logistic, RunawayPopulationStopsTheDiagramWithTheColumnsBeforeIt) {
    EXPECT_TRUE(Logistic::bifurcation(Logistic::Caos, 1, 1.5, Background).failed);
    EXPECT_TRUE(blank(Logistic::bifurcation(Logistic::Caos, 1, 1.5, Background)));
    EXPECT_TRUE(blank(Logistic::bifurcation(Logistic::Periodo1, 1, -0.5, Background)));

    // From 3,5 on the left to 4,3 on the right: past 4 the population escapes.
    const Logistic::Member beyond{4.3, 3.5, false, [](double p) { return 500 - 480 * p; }};
    const Logistic::Diagram partial = Logistic::bifurcation(beyond, 1, 0.18, Background);
    EXPECT_TRUE(partial.failed);
    EXPECT_FALSE(paintedRows(partial, 0).empty());
    EXPECT_TRUE(paintedRows(partial, 479).empty());
}

TEST(Logistic, ZeroZoomDrawsNothing) {
    const Logistic::Diagram diagram = Logistic::bifurcation(Logistic::Caos, 0, 0.18, Background);
    EXPECT_TRUE(diagram.failed);
    EXPECT_TRUE(blank(diagram));
}

TEST(Logistic, UnpaintedPixelsKeepTheBackground) {
    constexpr ColourNumber Grey = 12345;
    const Logistic::Diagram diagram = Logistic::bifurcation(Logistic::Periodo2, 1, 0.18, Grey);
    EXPECT_EQ(diagram.colours[0], Grey);
    EXPECT_EQ(std::count(diagram.colours.begin(), diagram.colours.end(), Logistic::DiagramColour) +
                  std::count(diagram.colours.begin(), diagram.colours.end(), Grey),
              static_cast<long>(diagram.colours.size()));
}

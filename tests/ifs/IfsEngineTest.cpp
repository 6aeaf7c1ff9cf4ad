#include <gtest/gtest.h>

#include <QString>
#include <cmath>
#include <deque>
#include <set>
#include <utility>
#include <vector>

#include "ifs/IfsEngine.h"
#include "ifs/IfsPresets.h"
#include "shell/RuntimeFailure.h"

namespace {

using Ifs::IfsMap;
using Ifs::IfsRun;
using Ifs::Sense;

// Random numbers from a list, repeated from its start when used up.
struct ScriptedRandom {
    std::vector<double> values;
    std::size_t next = 0;
    double operator()() {
        const double value = values[next % values.size()];
        ++next;
        return value;
    }
};

struct Plotted {
    float column, row;
    ColourNumber colour;
};

// Steps that record every pixel, colouring map k with colour k.
Ifs::Steps recordingSteps(std::vector<Plotted>& plotted, std::function<double()> random) {
    Ifs::Steps steps;
    steps.random = std::move(random);
    steps.colour = [](int k) { return static_cast<ColourNumber>(k); };
    steps.plot = [&plotted](Ifs::Pixel p, ColourNumber colour) {
        plotted.push_back({p.column, p.row, colour});
    };
    return steps;
}

}  // namespace

TEST(IfsEngine, ChoosesEachOfTheNMapsWithEqualChances) {
    EXPECT_EQ(Ifs::chooseMap(0.0f, 4), 1);
    EXPECT_EQ(Ifs::chooseMap(0.2499f, 4), 1);
    EXPECT_EQ(Ifs::chooseMap(0.25f, 4), 2);
    EXPECT_EQ(Ifs::chooseMap(0.5f, 4), 3);
    EXPECT_EQ(Ifs::chooseMap(0.99f, 4), 4);
    EXPECT_EQ(Ifs::chooseMap(0.66f, 3), 2);
    EXPECT_EQ(Ifs::chooseMap(0.67f, 3), 3);
    EXPECT_EQ(Ifs::chooseMap(0.49f, 2), 1);
    EXPECT_EQ(Ifs::chooseMap(0.51f, 2), 2);
    EXPECT_EQ(Ifs::chooseMap(0.99f, 1), 1);
}

TEST(IfsEngine, ARandomNumberJustBelowOneNeverChoosesAMapPastTheLast) {
    // In single precision this number would round up to exactly 1.
    const double almostOne = 1.0 - 1e-9;
    const float r = Ifs::toSingleRandom(almostOne);
    EXPECT_LT(r, 1.0f);
    EXPECT_EQ(Ifs::chooseMap(r, 4), 4);
    EXPECT_EQ(Ifs::chooseMap(Ifs::toSingleRandom(almostOne), 3), 3);
    EXPECT_EQ(Ifs::toSingleRandom(0.5), 0.5f);

    std::vector<Plotted> plotted;
    const std::vector<IfsMap> maps(4, IfsMap{0, 0, 0, 0, 1, 1});
    const IfsRun run{4, 3, 10, 0, 0, Sense::Up};
    EXPECT_NO_THROW(Ifs::run(run, maps, recordingSteps(plotted, [=] { return almostOne; })));
    EXPECT_EQ(plotted.size(), 3u);
    EXPECT_EQ(plotted[0].colour, 4);
}

TEST(IfsEngine, AppliesTheAffineMapToTheOldPoint) {
    const IfsMap map{0.85, 0.04, -0.04, 0.85, 0, 0.2};
    const Ifs::Point p = Ifs::apply(map, {1, 2});
    EXPECT_DOUBLE_EQ(p.x, 0.85 + 0.08);
    EXPECT_DOUBLE_EQ(p.y, -0.04 + 1.7 + 0.2);
    const Ifs::Point q = Ifs::apply({1, 2, 3, 4, 5, 6}, {10, 100});
    EXPECT_EQ(q.x, 10 + 200 + 5);
    EXPECT_EQ(q.y, 30 + 400 + 6);
    EXPECT_THROW(Ifs::apply({1e300, 1e300, 0, 0, 0, 0}, {1e10, 1e10}), RuntimeFailure);
}

TEST(IfsEngine, PlacesAPointByScaleOriginSenseAndOffsets) {
    // The grid's run at the screen's start scale: the unit square spans columns
    // 220..260 and rows 310..350.
    const IfsRun user{4, 1, 40, 220, 350, Sense::Up};
    Ifs::Pixel p = Ifs::pixelOf(user, {1, 1}, {});
    EXPECT_EQ(p.column, 260);
    EXPECT_EQ(p.row, 310);
    p = Ifs::pixelOf(user, {0, 0}, {});
    EXPECT_EQ(p.column, 220);
    EXPECT_EQ(p.row, 350);
    p = Ifs::pixelOf(user, {0.5, 0.25}, {100, -30});
    EXPECT_EQ(p.column, 220 + 20 + 100);
    EXPECT_EQ(p.row, 350 - 10 - 30);

    const IfsRun down{3, 1, 250, 50, 20, Sense::Down};
    p = Ifs::pixelOf(down, {1, 1}, {});
    EXPECT_EQ(p.column, 300);
    EXPECT_EQ(p.row, 270);
    p = Ifs::pixelOf(down, {1, 1}, {0, 100});
    EXPECT_EQ(p.row, 370);

    // Beyond single precision there is no pixel to hand over.
    EXPECT_THROW(Ifs::pixelOf(user, {1e300, 0}, {}), RuntimeFailure);
    EXPECT_THROW(Ifs::pixelOf(user, {0, 0}, {1e39, 0}), RuntimeFailure);
}

TEST(IfsEngine, EveryIterationLightsOnePixelTheFirstIncluded) {
    // Map 1 halves towards the origin, map 2 moves to (1, 1) then halves.
    const std::vector<IfsMap> maps{{0.5, 0, 0, 0.5, 0, 0}, {0.5, 0, 0, 0.5, 0.5, 0.5}};
    ScriptedRandom random{{0.7, 0.1, 0.9, 0.6}};
    std::vector<Plotted> plotted;
    const IfsRun run{2, 4, 100, 10, 200, Sense::Up};
    EXPECT_EQ(Ifs::run(run, maps, recordingSteps(plotted, std::ref(random))), Ifs::End::Finished);
    ASSERT_EQ(plotted.size(), 4u);
    // (0,0) -> map 2 (0.5, 0.5) -> map 1 (0.25, 0.25) -> map 2 (0.625, 0.625) -> map 2.
    const double expected[4] = {0.5, 0.25, 0.625, 0.8125};
    const ColourNumber colours[4] = {2, 1, 2, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(plotted[i].column, 10 + 100 * expected[i]) << i;
        EXPECT_FLOAT_EQ(plotted[i].row, 200 - 100 * expected[i]) << i;
        EXPECT_EQ(plotted[i].colour, colours[i]) << i;
    }
}

TEST(IfsEngine, RunsTheStepsOfEachPointInOrder) {
    std::vector<QString> trace;
    Ifs::Steps steps;
    steps.random = [&] {
        trace.push_back(QStringLiteral("random"));
        return 0.0;
    };
    steps.colour = [&](int) {
        trace.push_back(QStringLiteral("colour"));
        return ColourNumber{0};
    };
    steps.stop = [&] {
        trace.push_back(QStringLiteral("stop"));
        return false;
    };
    steps.offsets = [&] {
        trace.push_back(QStringLiteral("offsets"));
        return Ifs::Offsets{};
    };
    steps.plot = [&](Ifs::Pixel, ColourNumber) { trace.push_back(QStringLiteral("plot")); };
    Ifs::run({1, 2, 1, 0, 0, Sense::Up}, {{0, 0, 0, 0, 0, 0}}, steps);
    const std::vector<QString> once{"random", "colour", "stop", "offsets", "plot"};
    std::vector<QString> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(trace, twice);
}

TEST(IfsEngine, AStopEndsTheRunBeforeThePointIsLit) {
    int checks = 0;
    std::vector<Plotted> plotted;
    Ifs::Steps steps = recordingSteps(plotted, [] { return 0.0; });
    steps.stop = [&] { return ++checks == 3; };
    const Ifs::End end = Ifs::run({1, 1000, 1, 0, 0, Sense::Up}, {{0.5, 0, 0, 0.5, 1, 1}}, steps);
    EXPECT_EQ(end, Ifs::End::Stopped);
    EXPECT_EQ(checks, 3);
    EXPECT_EQ(plotted.size(), 2u);
}

TEST(IfsEngine, RunsNoPointWhenNIsBelowOneAndTheWholePartOfAFractionalN) {
    std::vector<Plotted> plotted;
    const std::vector<IfsMap> maps{{0, 0, 0, 0, 1, 1}};
    for (double N : {0.0, -5.0, 0.99}) {
        EXPECT_EQ(
            Ifs::run({1, N, 1, 0, 0, Sense::Up}, maps, recordingSteps(plotted, [] { return 0.0; })),
            Ifs::End::Finished);
    }
    EXPECT_TRUE(plotted.empty());
    Ifs::run({1, 2.5, 1, 0, 0, Sense::Up}, maps, recordingSteps(plotted, [] { return 0.0; }));
    EXPECT_EQ(plotted.size(), 2u);
}

TEST(IfsEngine, FailsOnAMapNumberWithNoMapAndOnAPointThatRunsAway) {
    std::vector<Plotted> plotted;
    const std::vector<IfsMap> two{{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}};
    EXPECT_THROW(
        Ifs::run({3, 10, 1, 0, 0, Sense::Up}, two, recordingSteps(plotted, [] { return 0.9; })),
        RuntimeFailure);
    EXPECT_TRUE(plotted.empty());

    // Doubling at every step: the pixel leaves single precision long before the
    // point leaves the double range, and the run fails there.
    const std::vector<IfsMap> growing{{2, 0, 0, 2, 1, 1}};
    plotted.clear();
    EXPECT_THROW(Ifs::run({1, 5000, 1, 0, 0, Sense::Up}, growing,
                          recordingSteps(plotted, [] { return 0.0; })),
                 RuntimeFailure);
    EXPECT_GT(plotted.size(), 100u);
    EXPECT_LT(plotted.size(), 1100u);
}

TEST(IfsPresets, HoldTheFiguresMapsCountsAndPlacement) {
    EXPECT_EQ(Ifs::albero().maps.size(), 4u);
    EXPECT_EQ(Ifs::albero().maps[1].b, -0.66);
    EXPECT_EQ(Ifs::albero().colours[2].fixed, 65535);
    EXPECT_EQ(Ifs::felce().run.Y0, 490);
    EXPECT_EQ(Ifs::felce().loadedCount, 280000);
    EXPECT_EQ(Ifs::felce().run.N, 180000);
    EXPECT_EQ(Ifs::pino().run.N, 250000);
    EXPECT_EQ(Ifs::pino().loadedCount, 22000);
    EXPECT_EQ(Ifs::pino().maps[0].a, 0.043);
    EXPECT_EQ(Ifs::falchi().run.s, 385);
    EXPECT_EQ(Ifs::falchi().run.X0, 250);
    EXPECT_EQ(Ifs::falchi().loadedScale, 400);
    EXPECT_EQ(Ifs::triangolo().maps.size(), 3u);
    EXPECT_EQ(Ifs::triangolo().run.sense, Sense::Down);
    EXPECT_EQ(Ifs::triangolo().colours[1].colourBox, 2);
    EXPECT_EQ(Ifs::triangolo().loadedCount, 50000);
    EXPECT_EQ(Ifs::scarabocchi().maps.size(), 2u);
    EXPECT_EQ(Ifs::scarabocchi().maps[1].f, 9.330552);
    EXPECT_TRUE(Ifs::scarabocchi().offsets);
    for (const Ifs::Preset* preset :
         {&Ifs::albero(), &Ifs::felce(), &Ifs::pino(), &Ifs::falchi(), &Ifs::triangolo()}) {
        EXPECT_FALSE(preset->offsets);
        EXPECT_EQ(preset->maps.size(), preset->colours.size());
        EXPECT_EQ(preset->run.n, static_cast<double>(preset->maps.size()));
    }
}

TEST(IfsPresets, TheFernStandsOnItsOriginRowAndTheTriangleHangsFromIts) {
    std::uint32_t state = 12345;
    auto random = [&state] {
        state = state * 1664525u + 1013904223u;
        return state / 4294967296.0;
    };
    std::vector<Plotted> fern;
    Ifs::run(Ifs::felce().run, Ifs::felce().maps, recordingSteps(fern, random));
    ASSERT_EQ(fern.size(), 180000u);
    float lowest = 0, highest = 1000, left = 1000, right = 0;
    for (const Plotted& p : fern) {
        lowest = std::max(lowest, p.row);
        highest = std::min(highest, p.row);
        left = std::min(left, p.column);
        right = std::max(right, p.column);
    }
    // About 430 pixels high and 200 wide, standing on row 490 around column 220.
    EXPECT_NEAR(lowest, 490, 0.5);
    EXPECT_NEAR(lowest - highest, 430, 20);
    EXPECT_NEAR(right - left, 200, 30);
    EXPECT_LT(left, 220);
    EXPECT_GT(right, 220);

    std::vector<Plotted> triangle;
    Ifs::run(Ifs::triangolo().run, Ifs::triangolo().maps, recordingSteps(triangle, random));
    float top = 1000, bottom = 0;
    for (const Plotted& p : triangle) {
        top = std::min(top, p.row);
        bottom = std::max(bottom, p.row);
        EXPECT_GE(p.column, 50 - 0.5);
    }
    // y grows downwards: from row 20 to 20 + 250 * 1,5.
    EXPECT_NEAR(top, 20, 1);
    EXPECT_NEAR(bottom, 395, 2);
}

#include <cmath>

#include "TestSupport.h"
#include "shell/RuntimeFailure.h"

namespace {

constexpr ColourNumber R = Colour::Red, G = Colour::Green, B = Colour::Blue, W = Colour::White;
// The surface's range: twips in 32 bits, 15 to a pixel.
constexpr double Limit = 2147483647.0 / 15;
// Column c, row r holds 3c + r + 1.
const ColourNumber Block[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};

struct Pixel {
    int x, y;
    ColourNumber colour;
};

struct Drawing {
    std::function<void(Canvas&)> draw;
    std::vector<Pixel> pixels;
    int ink;           // pixels not white afterwards; -1 unchecked
    QPointF position;  // print position afterwards
    bool fails = false;
};

// clang-format off
const Drawing Drawings[] = {
    {[](Canvas& c) { c.PSet(30.4, 40.6, R); }, {{30, 41, R}}, 1, {30.4, 40.6}},
    {[](Canvas& c) { c.PSet(5, 5, -256); c.PSet(6, 5, 16777216 + 255); },
     {{5, 5, Colour::rgb(0, 255, 255)}, {6, 5, R}}, 2, {6, 5}},
    {[](Canvas& c) { c.Line(10, 10, 50, 30, R); },
     {{10, 10, R}, {11, 11, R}, {11, 10, W}, {50, 30, R}, {10, 30, W}, {51, 30, W}}, 41, {50, 30}},
    {[](Canvas& c) { c.Line(100, 5, 102, 9, B); },
     {{100, 4, W}, {100, 5, B}, {101, 7, B}, {102, 9, B}, {102, 10, W}}, 5, {102, 9}},
    {[](Canvas& c) { c.Line(150, 50, 150, 50, G); c.Circle(20, 20, 0, B); },
     {{150, 50, G}, {20, 20, B}}, 2, {20, 20}},
    {[](Canvas& c) { c.setDrawWidth(2); c.Line(10, 20, 40, 20, R); },
     {{25, 19, W}, {25, 20, R}, {25, 21, R}, {25, 22, W}, {41, 20, R}}, 64, {40, 20}},
    {[](Canvas& c) { c.setDrawWidth(3); c.Line(10, 50, 40, 50, B); c.PSet(100, 80, G); },
     {{25, 48, W}, {25, 49, B}, {25, 51, B}, {25, 52, W}, {9, 50, B}, {41, 50, B}, {8, 50, W},
      {99, 79, G}, {101, 81, G}}, 99 + 9, {100, 80}},
    {[](Canvas& c) { c.setDrawWidth(5); c.PSet(-1, 50, B); },
     {{0, 48, B}, {1, 52, B}, {2, 50, W}}, 10, {-1, 50}},
    {[](Canvas& c) { c.Line(-50, -50, 150, 150, R); c.Line(150, -1e8, 150, 1e8, B); },
     {{0, 0, R}, {99, 99, R}, {150, 0, B}, {150, 99, B}}, 200, {150, 1e8}},
    {[](Canvas& c) { c.PSet(-5, 500, R); c.Box(-10, -10, 1000, 1000, R); c.Circle(1e8, 1e8, 9, R); },
     {}, 0, {1e8, 1e8}},
    {[](Canvas& c) { c.Box(20, 10, 60, 40, R); },
     {{20, 10, R}, {60, 10, R}, {20, 40, R}, {60, 40, R}, {40, 25, W}, {61, 40, W}},
     2 * 41 + 2 * 29, {60, 40}},
    // The exact points 16, 12 from the centre in all eight octants, and a circle cut by the edge.
    {[](Canvas& c) { c.Circle(199, 50, 30, G); c.Circle(50, 50, 20, R); },
     {{70, 50, R}, {50, 30, R}, {66, 62, R}, {34, 62, R}, {66, 38, R}, {34, 38, R}, {62, 66, R},
      {38, 66, R}, {62, 34, R}, {38, 34, R}, {50, 50, W}, {71, 50, W}, {69, 50, W},
      {169, 50, G}, {199, 20, G}}, -1, {50, 50}},
    {[](Canvas& c) {
         const ColourNumber colours[] = {R, G, B, 0, 16777216 + 255, -16777216};
         c.blitColumns(10, 20, 3, 2, colours); },
     {{10, 20, R}, {10, 21, G}, {11, 20, B}, {11, 21, 0}, {12, 20, R}, {12, 21, 0}}, 6, {}},
    {[](Canvas& c) {
         c.blitColumns(-1, -1, 3, 3, Block);  c.blitColumns(199, 99, 3, 3, Block);
         c.blitColumns(-100, 50, 3, 3, Block); c.blitColumns(1000, 0, 3, 3, Block); },
     {{0, 0, 5}, {0, 1, 6}, {1, 0, 8}, {1, 1, 9}, {199, 99, 1}}, 5, {}},
    {[](Canvas& c) { c.PSet(Limit, -Limit, R); }, {}, 0, {Limit, -Limit}},
    {[](Canvas& c) { c.PSet(Limit + 1, 0, R); }, {}, 0, {}, true},
    {[](Canvas& c) { c.PSet(0, -Limit - 1, R); }, {}, 0, {}, true},
    {[](Canvas& c) { c.PSet(NAN, 0, R); }, {}, 0, {}, true},
    {[](Canvas& c) { c.Line(0, 0, HUGE_VAL, 0, R); }, {}, 0, {}, true},
    {[](Canvas& c) { c.Box(0, 0, 10, 1e10, R); }, {}, 0, {}, true},
    {[](Canvas& c) { c.Circle(10, 10, 1e10, R); }, {}, 0, {}, true},
    {[](Canvas& c) { c.setCurrentY(1e10); c.Print("x"); }, {}, 0, {0, 1e10}, true},
};
// clang-format on

}  // namespace

TEST(Canvas, DrawsExactlyThePixelsOfEachOperationClippedToTheSurface) {
    for (const Drawing& row : Drawings) {
        SCOPED_TRACE(&row - Drawings);
        auto canvas = std::make_unique<Canvas>();  // white
        canvas->resize(200, 100);
        if (row.fails) {
            EXPECT_THROW(row.draw(*canvas), RuntimeFailure);
        } else {
            row.draw(*canvas);
        }
        for (const Pixel& p : row.pixels) {
            EXPECT_EQ(canvas->Point(p.x, p.y), p.colour) << p.x << "," << p.y;
        }
        if (row.ink >= 0) {
            EXPECT_EQ(inkIn(canvas.get(), QRect(0, 0, 200, 100), W), row.ink);
        }
        EXPECT_EQ(QPointF(canvas->CurrentX(), canvas->CurrentY()), row.position);
    }
}

TEST(Canvas, StartsInItsBackColourAndKeepsItsPictureWhenResized) {
    Canvas canvas;
    canvas.setBackColor(B);  // before it has a size
    canvas.resize(100, 50);
    canvas.PSet(99, 49, R);
    canvas.resize(200, 100);  // hidden: it takes the size when drawn on
    canvas.PSet(150, 20, R);
    EXPECT_EQ(countIn(&canvas, QRect(0, 0, 200, 100), B), 200 * 100 - 2);
    EXPECT_EQ(canvas.Point(99, 49), R);
}

TEST(Colour, QBColorIsTheSixteenColourPaletteAndFailsOutsideIt) {
    for (int i = 0; i < 16; ++i) {
        // Bits 1, 2, 4 are blue, green, red: half bright below 8, full above; 7 and 8 grey.
        const int on = i == 7 ? 192 : i < 9 ? 128 : 255;
        auto level = [&](int bit) { return (i & bit) || i == 7 || i == 8 ? on : 0; };
        EXPECT_EQ(Colour::QBColor(i), Colour::rgb(level(4), level(2), level(1))) << i;
    }
    EXPECT_THROW(Colour::QBColor(-1), RuntimeFailure);
    EXPECT_THROW(Colour::QBColor(16), RuntimeFailure);
}

#pragma once

#include <functional>
#include <vector>

#include "shell/Colour.h"

// Mandelbrot-like sets from slightly changed formulas, the set of z^3 + c, and the
// coarse preview of the plain set in random colours. Every picture is 200 x 200
// pixels over a square view; columns run left to right with growing x, rows top to
// bottom with falling y.
//
// The variants keep one escape value m for the whole drawing: a pixel starts with
// the m the pixel before it ended with. Three formulas read that old m, so the
// picture depends on the scan order (columns outer, rows inner) and is computed in
// that order.
namespace VariantSets {

constexpr int Size = 200;
constexpr int FirstVariant = 1;
constexpr int LastVariant = 10;
// Variants and the cube iterate while n <= IterationLimit.
constexpr int IterationLimit = 60;

struct View {
    double xmin, xmax, ymin, ymax;
};

// The square of half-width h around (cx, cy).
View squareView(double cx, double cy, double h);
View variantView();
View cubeView();
View previewView();

// The point of pixel (i, j): i / 200 of the way across, j / 200 of the way down.
double pointX(const View& view, int i);
double pointY(const View& view, int j);

// The formula a typed number selects: 2 to 10 themselves, any other number 1.
int formulaFor(double typed);

struct Escape {
    int n;      // iterations made
    double m;   // the escape value at the end, carried on to the next pixel
    bool lost;  // a value left the double range or a divisor was zero
};

// One pixel of a variant, starting from the m the pixel before it left. A pixel
// whose values overflow (or whose divisor in variant 6 is zero) stops there, counts
// as escaped and hands on the last m that was still a number.
Escape variantPoint(int formula, double x0, double y0, double m);
// Blue inside (m < 4), otherwise (n + 10000) * n.
ColourNumber variantColour(const Escape& escape);

Escape cubePoint(double x0, double y0);
// Black inside (m < 4), otherwise n * 100000.
ColourNumber cubeColour(const Escape& escape);

// Pixels (1..200, 1..200), column by column, top to bottom.
std::vector<ColourNumber> variant(int formula);
std::vector<ColourNumber> cube();

// Every second pixel of (0..200, 0..200), column by column; the pixels between
// stay black. uniform() gives one number in [0, 1) per drawn pixel, in scan order.
constexpr int PreviewSize = Size + 1;
std::vector<ColourNumber> preview(const std::function<double()>& uniform);

}  // namespace VariantSets

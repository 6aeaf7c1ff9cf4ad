#pragma once

#include <vector>

#include "Colour.h"
#include "JuliaStrip.h"

// The splash screen's pictures: 220 x 140 pixels, stored column by column, for
// columns and rows 1 to 220 and 1 to 140.
namespace SplashPicture {

constexpr int Columns = JuliaStrip::Columns;
constexpr int Rows = JuliaStrip::Rows;

// The two random numbers of one splash drawing: R from 1 to 1000 tints the Julia
// sets, S from 1 to 10 chooses the branch (Julia up to 7) and tints the Mandelbrot set.
struct Choice {
    int R;
    int S;
};
// Draws R, then S, from the shared generator.
Choice choose();
bool showsJulia(const Choice& choice);

// The k-th Julia set (k from 1 to 5), with constant 0.1 + k/20 - 0.5i.
std::vector<ColourNumber> julia(int k, int R);
// The Mandelbrot set, its grid stepping by the single-precision 0.015 and 0.0175.
std::vector<ColourNumber> mandelbrot(int S);

}  // namespace SplashPicture

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "variants/VariantSets.h"

namespace {

using namespace VariantSets;

// Pixel (i, j) of a 200 x 200 picture whose first pixel is (1, 1).
ColourNumber at(const std::vector<ColourNumber>& picture, int i, int j) {
    return picture[(i - 1) * Size + (j - 1)];
}

ColourNumber escaped(int n) {
    return (n + ColourNumber{10000}) * n;
}

}  // namespace

TEST(VariantSets, ViewsAreTheSquaresAroundTheirCentres) {
    const View variants = variantView();
    EXPECT_NEAR(variants.xmin, -2.0689, 1e-4);
    EXPECT_NEAR(variants.xmax, 0.7089, 1e-4);
    EXPECT_NEAR(variants.ymax, 1.2889, 1e-4);
    EXPECT_NEAR(variants.ymin, -1.4889, 1e-4);
    const View cubic = cubeView();
    EXPECT_NEAR(cubic.xmin, -1.4389, 1e-4);
    EXPECT_NEAR(cubic.xmax, 1.3389, 1e-4);
    EXPECT_NEAR(cubic.ymax, 1.3789, 1e-4);
    EXPECT_NEAR(cubic.ymin, -1.3989, 1e-4);
    const View coarse = previewView();
    EXPECT_NEAR(coarse.xmin, -2.4657, 1e-4);
    EXPECT_NEAR(coarse.xmax, 1.1057, 1e-4);
    EXPECT_NEAR(coarse.ymax, 1.6857, 1e-4);
    EXPECT_NEAR(coarse.ymin, -1.8857, 1e-4);
    // Columns grow to the right, rows fall downwards; pixel 200 is the far edge.
    EXPECT_DOUBLE_EQ(pointX(variants, 0), variants.xmin);
    EXPECT_DOUBLE_EQ(pointX(variants, 200), variants.xmax);
    EXPECT_DOUBLE_EQ(pointY(variants, 0), variants.ymax);
    EXPECT_DOUBLE_EQ(pointY(variants, 200), variants.ymin);
}

TEST(VariantSets, NumbersOtherThanTwoToTenSelectTheFirstFormula) {
    for (int formula = 2; formula <= 10; ++formula) {
        EXPECT_EQ(formulaFor(formula), formula);
    }
    for (double other : {1.0, 11.0, 0.0, -3.0, 2.5, 10.0001, 1e9}) {
        EXPECT_EQ(formulaFor(other), 1) << other;
    }
}

TEST(VariantSets, FirstPixelStartsFromZeroAndTheNextCarriesItsM) {
    const std::vector<ColourNumber> picture = variant(1);
    const View view = variantView();
    const Escape first = variantPoint(1, pointX(view, 1), pointY(view, 1), 0);
    EXPECT_EQ(at(picture, 1, 1), variantColour(first));
    EXPECT_EQ(at(picture, 1, 1), escaped(2));
    // With the m the first pixel left, the second escapes at once; started afresh
    // it would take two steps like the first.
    EXPECT_EQ(at(picture, 1, 2), escaped(1));
    EXPECT_EQ(variantColour(variantPoint(1, pointX(view, 1), pointY(view, 2), 0)), escaped(2));
    EXPECT_EQ(at(picture, 1, 2),
              variantColour(variantPoint(1, pointX(view, 1), pointY(view, 2), first.m)));
}

TEST(VariantSets, VariantPicturesHaveTheirExactColours) {
    const std::vector<ColourNumber> meadow = variant(1);
    EXPECT_EQ(at(meadow, 2, 1), escaped(2));
    EXPECT_EQ(at(meadow, 100, 100), escaped(6));
    EXPECT_EQ(at(meadow, 200, 200), escaped(2));
    const std::vector<ColourNumber> fourth = variant(4);
    EXPECT_EQ(at(fourth, 1, 1), escaped(2));
    EXPECT_EQ(at(fourth, 100, 100), Colour::Blue);
    EXPECT_EQ(at(fourth, 150, 60), Colour::Blue);
    int blue = 0;
    for (ColourNumber colour : fourth) {
        blue += colour == Colour::Blue ? 1 : 0;
    }
    EXPECT_EQ(blue, 8192);
}

TEST(VariantSets, RedrawingGivesTheSamePicture) {
    for (int formula : {1, 2, 3, 6, 10}) {
        EXPECT_EQ(variant(formula), variant(formula)) << formula;
    }
    EXPECT_EQ(cube(), cube());
}

TEST(VariantSets, EveryFormulaGivesItsOwnPicture) {
    std::vector<std::vector<ColourNumber>> pictures;
    for (int formula = 1; formula <= 10; ++formula) {
        pictures.push_back(variant(formula));
        for (int other = 1; other < formula; ++other) {
            EXPECT_NE(pictures[formula - 1], pictures[other - 1]) << formula << " " << other;
        }
    }
}

TEST(VariantSets, ZeroDivisorOrOverflowEndsThePixelAsEscaped) {
    // Variant 6 divides by p' cos(n^2): at the origin p' is 0 in the first step.
    const Escape divided = variantPoint(6, 0, 0, 0.5);
    EXPECT_EQ(divided.n, 1);
    EXPECT_TRUE(divided.lost);
    EXPECT_EQ(divided.m, 0.5);  // the last m that was a number goes on
    EXPECT_EQ(variantColour(divided), escaped(1));

    const Escape overflowed = variantPoint(4, 1e200, 0, 3);
    EXPECT_TRUE(overflowed.lost);
    EXPECT_EQ(overflowed.n, 1);
    EXPECT_EQ(overflowed.m, 3);
    EXPECT_EQ(variantColour(overflowed), escaped(1));

    // The whole pictures hold only the colours the rules give.
    for (int formula = 4; formula <= 10; ++formula) {
        for (ColourNumber colour : variant(formula)) {
            const bool rule =
                colour == Colour::Blue || (colour >= escaped(1) && colour <= escaped(61));
            ASSERT_TRUE(rule) << formula << ": " << colour;
        }
    }
}

TEST(VariantSets, InsideIsBlueForVariantsAndBlackForTheCube) {
    EXPECT_EQ(variantColour({61, 1.0, false}), Colour::Blue);
    // m far below |z|^2 keeps a pixel going to the end: it is painted blue too.
    EXPECT_EQ(variantColour({61, -250.0, false}), Colour::Blue);
    EXPECT_EQ(variantColour({61, 4.0, false}), escaped(61));
    EXPECT_EQ(cubeColour({61, 1.0, false}), Colour::Black);
    EXPECT_EQ(cubeColour({61, 5.0, false}), 6100000);
    EXPECT_EQ(cubeColour({3, 12.0, false}), 300000);
}

TEST(VariantSets, CubeHasItsExactColours) {
    const std::vector<ColourNumber> picture = cube();
    EXPECT_EQ(at(picture, 1, 1), 200000);
    EXPECT_EQ(at(picture, 100, 100), Colour::Black);
    EXPECT_EQ(at(picture, 200, 200), 200000);
    EXPECT_EQ(at(picture, 150, 60), 800000);
    EXPECT_EQ(at(picture, 50, 100), 400000);
    const Escape centre = cubePoint(0, 0);
    EXPECT_EQ(centre.n, 61);
    EXPECT_EQ(centre.m, 0);
}

TEST(VariantSets, PreviewDrawsEverySecondPixelWithOneRandomNumberEach) {
    int draws = 0;
    const std::vector<ColourNumber> picture = preview([&draws] {
        ++draws;
        return 0.75;
    });
    EXPECT_EQ(draws, 101 * 101);
    ASSERT_EQ(picture.size(), std::size_t{201 * 201});
    auto pixel = [&picture](int i, int j) { return picture[i * PreviewSize + j]; };
    // Int(Rnd * n) * (n + 10000): n = 13 gives 9 * 10013.
    EXPECT_EQ(pixel(38, 94), 90117);
    EXPECT_EQ(pixel(34, 94), 70070);
    EXPECT_EQ(pixel(40, 60), 20006);
    // Inside the set, and a pixel that escapes at once (Int(0.75) = 0), are black.
    EXPECT_EQ(pixel(100, 100), Colour::Black);
    EXPECT_EQ(pixel(0, 0), Colour::Black);
    // The pixels between the drawn ones stay black.
    for (int i = 1; i <= 200; i += 2) {
        for (int j = 0; j <= 200; ++j) {
            ASSERT_EQ(pixel(i, j), Colour::Black) << i << "," << j;
            ASSERT_EQ(pixel(j, i), Colour::Black) << j << "," << i;
        }
    }
}

TEST(VariantSets, PreviewColoursFollowTheRandomSequenceInScanOrder) {
    // A sequence that rises with each draw colours later pixels more strongly.
    int draws = 0;
    const std::vector<ColourNumber> rising = preview([&draws] { return (draws++ % 100) / 100.0; });
    const std::vector<ColourNumber> low = preview([] { return 0.0; });
    for (ColourNumber colour : low) {
        ASSERT_EQ(colour, Colour::Black);
    }
    // The pixel (38, 94) is draw number 19 * 101 + 47.
    const int index = 19 * 101 + 47;
    EXPECT_EQ(rising[38 * PreviewSize + 94],
              static_cast<ColourNumber>(std::floor((index % 100) / 100.0 * 13)) * 10013);
}

#include <gtest/gtest.h>

#include "variants/Relief.h"

namespace {

ColourNumber at(const std::vector<ColourNumber>& picture, int i, int j) {
    return picture[(i - 1) * Relief::Rows + (j - 1)];
}

}  // namespace

TEST(Relief, CoversTheFirstThirdOfItsInterval) {
    EXPECT_NEAR(Relief::pointU(1), -0.06417, 1e-5);
    EXPECT_NEAR(Relief::pointU(300), 0.185, 1e-12);
    EXPECT_NEAR(Relief::pointV(1), 0.40467, 1e-5);
    EXPECT_NEAR(Relief::pointV(200), 1.33333, 1e-5);
}

TEST(Relief, EscapesAtTenWithTheConstantMinusUMinusIV) {
    // c = -u - i v: u = -0.1, v = 0 is c = 0.1, inside the set.
    EXPECT_EQ(Relief::cycles(-0.1, 0), 71);
    // c = -0.3 is inside, c = 0.3 is not: the sign of u is turned.
    EXPECT_EQ(Relief::cycles(0.3, 0), 71);
    EXPECT_LT(Relief::cycles(-0.3, 0), 71);
    // c = -2.5: |z|^2 = 6.25 after one step is over 4 but not over 10.
    EXPECT_EQ(Relief::cycles(2.5, 0), 2);
    EXPECT_EQ(Relief::cycles(0, 3.5), 1);
}

TEST(Relief, BandsColourByIterationCount) {
    EXPECT_EQ(Relief::bandColour(1), Colour::Blue);
    EXPECT_EQ(Relief::bandColour(2), Colour::Blue);
    EXPECT_EQ(Relief::bandColour(3), 554);
    EXPECT_EQ(Relief::bandColour(15), 770);
    EXPECT_EQ(Relief::bandColour(16), 400000);
    EXPECT_EQ(Relief::bandColour(55), 1375000);
    EXPECT_EQ(Relief::bandColour(56), 3300);
    EXPECT_EQ(Relief::bandColour(69), 3950);
    EXPECT_FALSE(Relief::bandColour(70).has_value());
    EXPECT_FALSE(Relief::bandColour(71).has_value());
}

TEST(Relief, InsidePixelsTakeTheColourDrawnJustBeforeThem) {
    const std::vector<ColourNumber> picture = Relief::relief();
    ASSERT_EQ(picture.size(), std::size_t{300 * 200});
    // The first pixel lies inside the set: nothing was drawn before it, so black.
    EXPECT_EQ(Relief::cycles(Relief::pointU(1), Relief::pointV(1)), 71);
    EXPECT_EQ(at(picture, 1, 1), Colour::Black);
    EXPECT_EQ(at(picture, 150, 100), 770);
    EXPECT_EQ(at(picture, 300, 200), 554);
    // The top of the last column is inside: it repeats the foot of the column before.
    EXPECT_EQ(Relief::cycles(Relief::pointU(300), Relief::pointV(1)), 71);
    EXPECT_EQ(at(picture, 300, 1), at(picture, 299, 200));
    // Everywhere: a pixel without a band of its own repeats its predecessor.
    int inside = 0;
    for (int i = 1; i <= 300; ++i) {
        for (int j = 1; j <= 200; ++j) {
            const auto band =
                Relief::bandColour(Relief::cycles(Relief::pointU(i), Relief::pointV(j)));
            if (band) {
                ASSERT_EQ(at(picture, i, j), *band);
            } else {
                ++inside;
                const ColourNumber before = j > 1   ? at(picture, i, j - 1)
                                            : i > 1 ? at(picture, i - 1, 200)
                                                    : Colour::Black;
                ASSERT_EQ(at(picture, i, j), before) << i << "," << j;
            }
        }
    }
    EXPECT_EQ(inside, 23457 + 12);
}

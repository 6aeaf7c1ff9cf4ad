#include <gtest/gtest.h>

#include "shell/Colour.h"
#include "shell/RuntimeFailure.h"

TEST(Colour, ConvertsToAndFromOpaqueQtColours) {
    EXPECT_EQ(Colour::toQRgb(Colour::rgb(10, 20, 30)), qRgb(10, 20, 30));
    EXPECT_EQ(qAlpha(Colour::toQRgb(Colour::Black)), 255);
    EXPECT_EQ(Colour::toQColor(Colour::Blue), QColor(0, 0, 255));
    EXPECT_EQ(Colour::fromQRgb(qRgb(10, 20, 30)), Colour::rgb(10, 20, 30));
    // Transparency is not part of a colour number.
    EXPECT_EQ(Colour::fromQRgb(qRgba(10, 20, 30, 0)), Colour::rgb(10, 20, 30));
    for (ColourNumber colour : {Colour::Black, Colour::Red, Colour::rgb(1, 128, 254)}) {
        EXPECT_EQ(Colour::fromQRgb(Colour::toQRgb(colour)), colour);
    }
}

TEST(Colour, OnlyTheLow24BitsCount) {
    EXPECT_EQ(Colour::toQRgb(16777216 + 255), qRgb(255, 0, 0));
    EXPECT_EQ(Colour::toQRgb(-1), qRgb(255, 255, 255));
    EXPECT_EQ(Colour::toQRgb(-16777216), qRgb(0, 0, 0));
    EXPECT_EQ(Colour::toQRgb(-256), qRgb(0, 255, 255));
    EXPECT_EQ(Colour::toQColor(0x7F000000 + Colour::Green), QColor(0, 255, 0));
}

TEST(Colour, QBColorGivesTheSixteenColourPalette) {
    const ColourNumber expected[16] = {
        Colour::rgb(0, 0, 0),       Colour::rgb(0, 0, 128),     Colour::rgb(0, 128, 0),
        Colour::rgb(0, 128, 128),   Colour::rgb(128, 0, 0),     Colour::rgb(128, 0, 128),
        Colour::rgb(128, 128, 0),   Colour::rgb(192, 192, 192), Colour::rgb(128, 128, 128),
        Colour::rgb(0, 0, 255),     Colour::rgb(0, 255, 0),     Colour::rgb(0, 255, 255),
        Colour::rgb(255, 0, 0),     Colour::rgb(255, 0, 255),   Colour::rgb(255, 255, 0),
        Colour::rgb(255, 255, 255),
    };
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(Colour::QBColor(i), expected[i]) << "index " << i;
    }
    EXPECT_EQ(Colour::QBColor(12), Colour::Red);
    EXPECT_EQ(Colour::QBColor(15), Colour::White);
}

TEST(Colour, QBColorOutsideThePaletteIsARuntimeFailure) {
    EXPECT_THROW(Colour::QBColor(-1), RuntimeFailure);
    EXPECT_THROW(Colour::QBColor(16), RuntimeFailure);
}

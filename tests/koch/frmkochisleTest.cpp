#include <QPushButton>

#include "TestSupport.h"
#include "koch/frmkochisle.h"

using KochScreen = ScreenTest<frmkochisle>;

// The buttons one after the other: each stage over the last in its colour, the series
// and the page on a cleared picture, the texts in the colour the page leaves.
TEST_F(KochScreen, EachButtonDrawsItsStageInItsColour) {
    using K = frmkochisle;
    const ColourNumber W = Colour::White, B = Colour::Blue, R = Colour::Red, G = Colour::Green;
    const ColourNumber Y = 65535, Bk = Colour::Black, Cyan = Colour::rgb(192, 255, 255);
    const QRect hint(10, 478, 140, 20), page(0, 8, 500, 108), pageEnd(0, 122, 500, 10);
    const struct {
        QPushButton* K::*button;
        ColourNumber pen;                  // the colour texts are printed in
        std::vector<QRect> texts;          // where text stands
        std::vector<ColourNumber> pixels;  // x, y, colour
    } steps[] = {
        {&K::Cmd5, Cyan, {hint}, {46, 371, Y, 250, 371, Bk, 10, 250, Bk}},
        {&K::Cmd1, Cyan, {hint}, {454, 371, W, 250, 16, W, 10, 250, B, 46, 371, W, 227, 470, Bk}},
        {&K::Cmd2, Cyan, {}, {449, 371, B, 250, 371, W, 250, 489, B}},
        {&K::Cmd3, Cyan, {}, {60, 371, R, 449, 371, R, 452, 371, B}},
        {&K::Cmd4, Cyan, {}, {52, 371, G, 65, 371, R, 449, 371, G}},
        {&K::Cmd5, Cyan, {hint}, {47, 371, Y, 52, 371, G, 449, 371, Y}},
        {&K::cmddisegna,
         Cyan,
         {hint},
         {250, 371, Bk, 237, 275, W, 40, 180, B, 310, 180, R, 33, 425, G, 286, 425, Y}},
        {&K::Cmdcompleta, W, {page, pageEnd}, {250, 371, Bk, 10, 250, Bk}},
        {&K::Cmd1, W, {hint}, {46, 371, W}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE((form.get()->*step.button)->objectName().toStdString());
        RealInput::click(form.get()->*step.button);
        for (std::size_t k = 0; k < step.pixels.size(); k += 3) {
            const QPoint at(step.pixels[k], step.pixels[k + 1]);
            EXPECT_EQ(form->Picture1->Point(at.x(), at.y()), step.pixels[k + 2]) << k;
        }
        for (const QRect& area : step.texts) {
            EXPECT_GT(inkIn(form->Picture1, area, Colour::Black), 100);
        }
        EXPECT_EQ(form->Picture1->ForeColor(), step.pen);
    }
}

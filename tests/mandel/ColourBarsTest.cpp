#include <gtest/gtest.h>

#include <QScrollBar>

#include "ExplorerFixture.h"

namespace {

constexpr ColourNumber StartMix = 200 + 256 * 125 + 65536 * 125;

TEST_F(Explorer, ColourBarsStartAsDesigned) {
    struct Bar {
        QScrollBar* bar;
        int min, max, value, largeChange;
    };
    for (const Bar& b : {Bar{form->vscrosso, 0, 250, 200, 1}, Bar{form->vscverde, 0, 250, 125, 1},
                         Bar{form->vscblu, 0, 250, 125, 1}, Bar{form->vsccolori, 1, 900, 1, 30}}) {
        EXPECT_EQ(b.bar->minimum(), b.min);
        EXPECT_EQ(b.bar->maximum(), b.max);
        EXPECT_EQ(b.bar->value(), b.value);
        EXPECT_EQ(b.bar->singleStep(), 1);
        EXPECT_EQ(b.bar->pageStep(), b.largeChange);
    }
    EXPECT_EQ(backColor(form->Txtcolore), 255);
    EXPECT_EQ(backColor(form->txtverde), 49152);
    EXPECT_EQ(backColor(form->txtblu), 12582912);
    EXPECT_EQ(backColor(form->txtpasso), Colour::White);
}

TEST_F(Explorer, AStepOfABarOnlyWritesItsBox) {
    form->vscrosso->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form->Txtcolore->text(), "201");
    form->vsccolori->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(form->txtpasso->text(), "31");
    EXPECT_EQ(backColor(form->Txtcolore), 255);
    EXPECT_EQ(backColor(form->lblcolore), StartMix);
}

TEST_F(Explorer, DraggingAColourBarPaintsItsBoxAndTheSwatch) {
    form->vscrosso->setSliderDown(true);
    form->vscrosso->setValue(0);
    EXPECT_EQ(form->Txtcolore->text(), "0");
    EXPECT_EQ(backColor(form->Txtcolore), Colour::Black);
    EXPECT_EQ(backColor(form->lblcolore), 256 * 125 + 65536 * 125);
    form->vscrosso->setSliderDown(false);
    EXPECT_EQ(form->Txtcolore->text(), "0");

    form->vscblu->setValue(250);
    form->vscblu_Scroll();
    EXPECT_EQ(backColor(form->txtblu), 16384000);

    // Two weights at 0: the swatch shows the one hue left.
    form->vscverde->setValue(0);
    form->vscblu->setValue(0);
    form->vscrosso->setValue(250);
    form->vscrosso_Scroll();
    EXPECT_EQ(backColor(form->lblcolore), 250);
}

TEST_F(Explorer, DraggingTheRangeBarRepaintsOnlyTheSwatch) {
    form->txtverde->setText("0");
    form->vsccolori->setValue(40);
    form->vsccolori_Scroll();
    EXPECT_EQ(form->txtpasso->text(), "40");
    EXPECT_EQ(backColor(form->txtpasso), Colour::White);
    EXPECT_EQ(backColor(form->txtverde), 49152);
    EXPECT_EQ(backColor(form->lblcolore), 200 + 65536 * 125);
}

TEST_F(Explorer, AWeightTypedByHandStaysUntilItsBarMoves) {
    form->txtverde->setText("180");
    form->vscrosso->setValue(100);
    form->vscrosso_Scroll();
    EXPECT_EQ(form->txtverde->text(), "180");
    EXPECT_EQ(backColor(form->lblcolore), 100 + 256 * 180 + 65536 * 125);
    form->cmddisegna_Click();
    EXPECT_EQ(form->txtverde->text(), "180");
    form->vscverde->setValue(10);
    EXPECT_EQ(form->txtverde->text(), "10");
}

TEST_F(Explorer, ANonNumberOrAMixBeyondTheColoursLeavesTheSwatchUnchanged) {
    for (const char* typed : {"verde", "", "-40000", "99999"}) {
        form->txtverde->setText(typed);
        form->vscrosso->setValue(form->vscrosso->value() == 7 ? 8 : 7);
        form->vscrosso_Scroll();
        EXPECT_EQ(backColor(form->lblcolore), StartMix) << typed;
        EXPECT_EQ(form->txtverde->text(), typed);
        form->vsccolori_Scroll();
        EXPECT_EQ(backColor(form->lblcolore), StartMix) << typed;
    }
    EXPECT_TRUE(dialogs->shown.empty());
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "ExplorerFixture.h"
#include "mandel/EscapeTime.h"
#include "shell/DecimalEntry.h"

namespace {

TEST_F(Explorer, EveryPlaceWritesItsViewAsStoredAndDrawsIt) {
    struct Place {
        QAction* item;
        const char* x;
        const char* y;
        const char* zoom;
        const char* cycles;
    };
    const Place places[] = {
        {form->mnuMandel, "-0,166494436", "1,04054054", "10000000", "70"},
        {form->mnuPalle, "-0,750252702027307", "1,24345324727702E-02", "90000", "970"},
        {form->mnuPizzo, "-0,75030681107", "0,014565363385", "1540000", "70"},
        {form->mnuSpirale, "-0,74581603327", "0,10509166308", "10000000", "70"},
        {form->mnuraggi, "-0,67033333", "-0,45766666", "125", "-10"},
        {form->mnuocchio, "-1,6744005587", "0,00568563985", "244140625", "470"},
        {form->mnuStellamarina, "-0,817985614202", "0,190171752437", "320000000", "70"},
        {form->mnucode, "-1,86105", "-0,000535", "125", "30"},
        {form->mnuMandiniz, "-0,75", "0", "1", "30"},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.item->text().toStdString());
        form->Txtnx->setText("scritto a mano");
        form->txtcicli->hide();
        form->pictmandel->Cls();
        p.item->trigger();
        EXPECT_TRUE(dialogs->shown.empty());
        // The renderer writes the centre back as it read it: the same number.
        EXPECT_EQ(DecimalEntry::read(form->Txtnx->text()), DecimalEntry::read(p.x));
        EXPECT_EQ(DecimalEntry::read(form->txtny->text()), DecimalEntry::read(p.y));
        EXPECT_EQ(form->txtingr->text(), p.zoom);
        EXPECT_EQ(form->txtcicli->text(), p.cycles);
        EXPECT_EQ(form->Textb->text(), p.zoom);
        EXPECT_FALSE(form->txtcicli->isHidden());
        EXPECT_FALSE(form->lblistruzione->isHidden());
        EXPECT_FALSE(pictureIsBlank());
        expectIdle("DISEGNA");
    }
}

TEST_F(Explorer, PlacesDrawExactlyTheirStoredView) {
    // "Palle" keeps its y in exponent notation; the picture is that of 0,0124345324727702.
    form->mnuPalle->trigger();
    EXPECT_EQ(form->txtny->text(), "0,0124345324727702");
    const EscapeTime::View palle =
        EscapeTime::mandelView(-0.750252702027307, 0.0124345324727702, 90000);
    const int palleLimit = EscapeTime::mandelCycleLimit(90000, 970);
    const EscapeTime::Picture expected =
        EscapeTime::smallMandel(palle, palleLimit, {200, 125, 125, 1}, 300, 300);
    for (auto [x, y] : {std::pair{0, 0}, {150, 150}, {299, 17}, {42, 250}}) {
        EXPECT_EQ(form->pictmandel->Point(x, y), expected.colours[x * 301 + y]) << x << "," << y;
    }

    // "Fiocco" takes its cycles of -10 to the renderer unchanged.
    form->mnuraggi->trigger();
    const EscapeTime::Picture fiocco = EscapeTime::smallMandel(
        EscapeTime::mandelView(-0.67033333, -0.45766666, 125),
        EscapeTime::mandelCycleLimit(125, -10), {200, 125, 125, 1}, 300, 300);
    EXPECT_EQ(form->pictmandel->Point(77, 123), fiocco.colours[77 * 301 + 123]);
    EXPECT_EQ(form->pictmandel->Point(250, 9), fiocco.colours[250 * 301 + 9]);
}

TEST_F(Explorer, OpeningTheZonesShowsTheHintAndDrawsNothing) {
    const ColourNumber corner = form->pictmandel->Point(0, 0);
    form->Txtnx->hide();
    form->txtny->hide();
    emit form->mnuzone->aboutToShow();
    EXPECT_FALSE(form->Txtnx->isHidden());
    EXPECT_FALSE(form->txtny->isHidden());
    EXPECT_FALSE(form->lblistruzione->isHidden());
    // The report line printed on the screen is gone; the picture stays.
    EXPECT_EQ(inkIn(form->surface(), QRect(0, 670, 600, 40), Navy), 0);
    EXPECT_EQ(form->pictmandel->Point(0, 0), corner);
    EXPECT_EQ(form->Txtnx->text(), "-0,75");
}

}  // namespace

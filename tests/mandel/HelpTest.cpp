#include <gtest/gtest.h>

#include <QAction>

#include "ExplorerFixture.h"

namespace {

TEST_F(Explorer, ARightClickOnTheCyclesLabelShowsItsPageAndALeftClickTakesItAway) {
    form->lblcicli_MouseDown(2, 0, 3, 3);
    EXPECT_FALSE(form->lblistruzione->isHidden());
    EXPECT_TRUE(form->Txtnx->isHidden());
    EXPECT_TRUE(form->txtny->isHidden());
    EXPECT_EQ(form->lblistruzione->font().pointSizeF(), 8);
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        " Il programma aumenta automaticamente il numero dei cicli in base all'ingrandimento "
        "tuttavia"));
    EXPECT_TRUE(
        form->lblistruzione->text().endsWith(" Naturalmente più dettagli, uguale  più tempo per "
                                             "realizzarli. "));
    // The report line printed on the screen is cleared; the picture stays.
    EXPECT_EQ(inkIn(form->surface(), QRect(0, 670, 600, 40), Navy), 0);
    EXPECT_FALSE(pictureIsBlank());

    // The page is on top of the yellow label it covers.
    const QPoint inside = form->Lblmand->geometry().center();
    EXPECT_EQ(form->surface()->childAt(inside), form->lblistruzione);

    form->lblcicli_MouseDown(1, 0, 3, 3);
    EXPECT_FALSE(form->Txtnx->isHidden());
    EXPECT_FALSE(form->txtny->isHidden());
    EXPECT_TRUE(form->lblistruzione->isHidden());
}

TEST_F(Explorer, ALeftClickOnTheColourLabelLeavesItsPageUp) {
    form->lblcolore_MouseDown(2, 0, 3, 3);
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        " Agendo sulla sbarra sopra la  casella bianca potrai variare i colori del disegno  "
        "agendo"));
    form->lblcolore_MouseDown(1, 0, 3, 3);
    EXPECT_FALSE(form->Txtnx->isHidden());
    EXPECT_FALSE(form->txtny->isHidden());
    EXPECT_FALSE(form->lblistruzione->isHidden());

    form->lblistruzione_MouseDown(2, 0, 3, 3);
    EXPECT_TRUE(form->lblistruzione->text().endsWith(
        "< DISEGNA > .Clicca qui con il tasto sinistro per nascondere queste istruzioni."));
    form->lblistruzione_MouseDown(1, 0, 3, 3);
    EXPECT_TRUE(form->lblistruzione->isHidden());
    EXPECT_FALSE(form->Txtnx->isHidden());
}

TEST_F(Explorer, TheTopLabelsPageIsPrintedInItsThreeColours) {
    const auto countColour = [this](const QRect& area, ColourNumber colour) {
        int count = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                const QColor c = Colour::toQColor(form->pictmandel->Point(x, y));
                const QColor want = Colour::toQColor(colour);
                // Smoothed text: count the pixels clearly of the ink's hue.
                const bool redInk =
                    c.red() > 100 && c.red() > 2 * c.green() && c.red() > 2 * c.blue();
                const bool greenInk =
                    c.green() > 100 && c.green() > 2 * c.red() && c.green() > 2 * c.blue();
                count += (want.red() == 255 ? redInk : greenInk) ? 1 : 0;
            }
        }
        return count;
    };
    form->Lblmand_MouseDown(1, 0, 3, 3);
    EXPECT_FALSE(pictureIsBlank());  // the left button does nothing

    form->Lblmand_MouseDown(2, 0, 3, 3);
    const QRect all(0, 0, 300, 300);
    EXPECT_GT(countColour(all, Colour::Red), 100);
    EXPECT_GT(countColour(all, Colour::Green), 100);
    // Story first, then the red steps, then the green places.
    EXPECT_EQ(countColour(QRect(0, 0, 300, 60), Colour::Red), 0);
    EXPECT_EQ(countColour(QRect(0, 0, 300, 150), Colour::Green), 0);
    EXPECT_EQ(countColour(QRect(0, 240, 300, 60), Colour::Red), 0);
    EXPECT_GT(inkIn(form->pictmandel, QRect(0, 5, 300, 20), Colour::Black), 50);
    EXPECT_EQ(form->pictmandel->ForeColor(), Colour::Green);
}

TEST_F(Explorer, MenuPagesShowTheirTextsAndControls) {
    form->txtcicli->hide();
    form->lblcicli->hide();
    form->mnucicli->trigger();
    EXPECT_FALSE(form->txtcicli->isHidden());
    EXPECT_FALSE(form->lblcicli->isHidden());
    EXPECT_TRUE(form->lblistruzione->text().endsWith(
        "  Per ulteriori informazioni clicca con il tasto sinistro sull' etichetta in basso "
        "<<cicli>>."));

    form->txtblu->hide();
    form->mnucolore->trigger();
    EXPECT_FALSE(form->txtblu->isHidden());
    EXPECT_EQ(form->surface()->FontSize(), 12);
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        " Agendo sulle tre sbarre di scorrimento potrai regolare il colore  dominante"));

    form->Cmdschermo->hide();
    form->mnuistrufile->trigger();
    EXPECT_FALSE(form->Cmdschermo->isHidden());
    EXPECT_TRUE(form->Txtnx->isHidden());
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        "1)Clicca sul punto del disegno che vuoi ingrandire,      2)Aumenta"));

    form->mnujulia->trigger();
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        " Cliccando sul tasto (Mandelbrot) apparirà (Julia)   Se adesso"));
    form->mnubiblio->trigger();
    EXPECT_EQ(form->lblistruzione->text().count("***"), 4);
    EXPECT_TRUE(form->lblistruzione->text().contains("162"));
    form->mnuautore->trigger();
    EXPECT_FALSE(form->lblistruzione->text().isEmpty());
    EXPECT_FALSE(form->lblistruzione->isHidden());
}

}  // namespace

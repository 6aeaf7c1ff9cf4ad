#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ExplorerFixture.h"
#include "mandel/EscapeTime.h"
#include "mandel/frmMandel.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"

namespace {

TEST_F(Explorer, OpensWithTheWholeSetTheChartAndTheReport) {
    EXPECT_TRUE(dialogs->shown.empty());
    expectIdle("DISEGNA");
    EXPECT_EQ(form->CMDINGR->text(), "ingrandimenti X 5");
    EXPECT_EQ(form->Txtnx->text(), "-0,75");
    EXPECT_EQ(form->txtny->text(), "0");
    EXPECT_EQ(form->Txtxini->text(), "0");
    EXPECT_EQ(form->Txtyini->text(), "0");
    EXPECT_EQ(form->Textb->text(), "1");
    EXPECT_EQ(backColor(form->lblcolore), 200 + 256 * 125 + 65536 * 125);

    // The picture spans x -2 .. 0,5 and y 1,25 (top) .. -1,25 with 70 cycles.
    const EscapeTime::Picture expected = EscapeTime::smallMandel(
        EscapeTime::mandelView(-0.75, 0, 1), 70, {200, 125, 125, 1}, 300, 300);
    for (auto [x, y] : {std::pair{0, 0}, {150, 150}, {299, 0}, {60, 150}, {220, 40}}) {
        EXPECT_EQ(form->pictmandel->Point(x, y), expected.colours[x * 301 + y]) << x << "," << y;
    }
    EXPECT_EQ(form->pictmandel->Point(150, 150), Colour::Black);

    // Chart: a green tick right of the picture, a red one below it, the axes 2 wide.
    Canvas* screen = form->surface();
    const double cxs = form->Width() / 15 / 2, cys = form->Height() / 15 / 2;
    EXPECT_EQ(screen->Point(cxs + 160, cys - 152), Colour::Green);
    EXPECT_EQ(screen->Point(cxs - 152, cys + 160), Colour::Red);
    EXPECT_EQ(screen->Point(cxs, cys + 158), Colour::Red);
    EXPECT_EQ(screen->Point(cxs + 158, cys), Colour::Green);
    // The report line at (10, 680) and the closing note below it.
    EXPECT_GT(inkIn(screen, QRect(10, 680, 300, 10), Navy), 50);
    EXPECT_GT(inkIn(screen, QRect(0, 694, 300, 10), Navy), 50);
    EXPECT_EQ(inkIn(screen, QRect(0, 0, 200, 100), Navy), 0);
}

TEST_F(Explorer, PlacesItsControlsAroundTheCentreOfA1024By768Display) {
    EXPECT_EQ(form->frameGeometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(form->pictmandel->geometry(), QRect(362, 234, 300, 300));
    EXPECT_EQ(form->Cmdao->geometry(), QRect(242, 204, 120, 30));
    EXPECT_EQ(form->Txtnx->geometry(), QRect(362, 214, 148, 20));
    EXPECT_EQ(form->txtny->geometry(), QRect(513, 214, 148, 20));
    EXPECT_EQ(form->cmddisegna->geometry(), QRect(242, 284, 120, 60));
    EXPECT_EQ(form->vsccolori->geometry(), QRect(332, 376, 29, 60));
    EXPECT_EQ(form->lblcicli->geometry(), QRect(242, 499, 30, 29));
    EXPECT_EQ(form->CMDINGR->geometry(), QRect(242, 585, 120, 39));
    EXPECT_EQ(form->Cmdschermo->geometry(), QRect(553, 585, 99, 31));
    EXPECT_EQ(form->Cmdsave->geometry(), QRect(662, 582, 99, 34));
    for (QWidget* shown : std::initializer_list<QWidget*>{
             form->pictmandel, form->cmddisegna, form->CMDINGR,   form->Cmdmandel, form->Cmdschermo,
             form->Cmdsave,    form->Cmdao,      form->Cmdpagini, form->Txtnx,     form->txtny,
             form->txtingr,    form->txtcicli,   form->txtpasso,  form->Txtcolore, form->txtverde,
             form->txtblu,     form->vscrosso,   form->vscverde,  form->vscblu,    form->vsccolori,
             form->lblcolore,  form->lblcicli,   form->Lblmand}) {
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    }
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             form->lblistruzione, form->Txtxini, form->Txtyini, form->Textb, form->Text3}) {
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    }
}

TEST_F(Explorer, APendingMoveShiftsTheCentreOnceAndIsCleared) {
    form->Txtxini->setText("0,25");
    form->Txtyini->setText("0,5");
    form->cmddisegna_Click();
    EXPECT_EQ(form->Txtnx->text(), "-0,5");
    EXPECT_EQ(form->txtny->text(), "-0,5");
    EXPECT_EQ(form->Txtxini->text(), "0");
    EXPECT_EQ(form->Txtyini->text(), "0");
    const QImage first = form->pictmandel->image().copy();
    form->cmddisegna_Click();
    EXPECT_EQ(form->Txtnx->text(), "-0,5");
    EXPECT_EQ(form->pictmandel->image(), first);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(Explorer, RefusesMagnificationsOutsideTheRangeAndKeepsTheCentre) {
    for (const char* magnification : {"0,0005", "30000000000", "-1", "1e400", "-1e400"}) {
        dialogs->shown.clear();
        form->txtingr->setText(QString::fromLatin1(magnification));
        form->Txtxini->setText("0,5");
        form->cmddisegna_Click();
        EXPECT_EQ(dialogs->messages(), std::vector<QString>{ZoomRefused}) << magnification;
        EXPECT_EQ(dialogs->shown[0].title, "frattalia");
        EXPECT_EQ(form->Txtnx->text(), "-0,75");
        EXPECT_EQ(form->txtny->text(), "0");
        EXPECT_EQ(form->Txtxini->text(), "0");
        EXPECT_TRUE(pictureIsBlank());
        EXPECT_EQ(form->MousePointer(), 2);
        EXPECT_EQ(form->cmddisegna->text(), "ATTENDERE PREGO");
    }
    // The closing note is still printed.
    EXPECT_GT(inkIn(form->surface(), QRect(0, 694, 300, 40), Navy), 50);
}

TEST_F(Explorer, ChecksTheCentreAsTyped) {
    struct Case {
        const char* x;
        const char* y;
        QString message;
    };
    for (const Case& c :
         {Case{"-4,5", "0", XRefused}, Case{"3,01", "0", XRefused}, Case{"0.5", "0", XRefused},
          Case{"-1e400", "0", XRefused}, Case{"0", "3,6", YRefused}, Case{"0", "-3,51", YRefused},
          Case{"0", "1e400", YRefused}}) {
        dialogs->shown.clear();
        form->Txtnx->setText(c.x);
        form->txtny->setText(c.y);
        form->Txtxini->setText("0,1");
        form->cmddisegna_Click();
        EXPECT_EQ(dialogs->messages(), std::vector<QString>{c.message}) << c.x << " " << c.y;
        EXPECT_EQ(form->Txtnx->text(), c.x);
        EXPECT_EQ(form->txtny->text(), c.y);
        EXPECT_EQ(form->Txtxini->text(), "0");
        EXPECT_TRUE(pictureIsBlank());
    }
    for (const Case& c : {Case{"3", "0", {}}, Case{"-4,49", "3,5", {}}, Case{"0", "-3,5", {}}}) {
        dialogs->shown.clear();
        form->Txtnx->setText(c.x);
        form->txtny->setText(c.y);
        form->cmddisegna_Click();
        EXPECT_TRUE(dialogs->shown.empty()) << c.x << " " << c.y;
        expectIdle("DISEGNA");
    }
}

TEST_F(Explorer, ANonNumberInAnyBoxGivesTheInputErrorAndLosesNothing) {
    for (QLineEdit* box : {form->txtcicli, form->txtingr, form->Txtnx, form->txtny, form->txtpasso,
                           form->Txtcolore, form->txtverde, form->txtblu, form->Txtxini}) {
        SCOPED_TRACE(box->objectName().toStdString());
        dialogs->shown.clear();
        const QString before = box->text();
        for (const char* bad : {"abc", ""}) {
            dialogs->shown.clear();
            box->setText(QString::fromLatin1(bad));
            form->cmddisegna_Click();
            EXPECT_EQ(dialogs->messages(), std::vector<QString>{InputError});
            expectIdle("Disegna");
            EXPECT_EQ(box->text(), bad);
            EXPECT_EQ(form->Txtnx->text(), box == form->Txtnx ? QString(bad) : "-0,75");
        }
        box->setText(before);
        form->cmddisegna_Click();
        expectIdle("DISEGNA");
    }
}

TEST_F(Explorer, OverflowingCyclesAndColoursGoToTheErrorExit) {
    // No message of its own for too many cycles: the letter message answers a count
    // that overflows once the zoom's extra cycles are added.
    struct Cycles {
        const char* zoom;
        const char* cycles;
        bool refused;
    };
    form->Txtnx->setText("2");  // a view where every point escapes at once
    form->txtny->setText("2");
    for (const Cycles& c :
         {Cycles{"1", "32727", false}, Cycles{"1", "32728", true}, Cycles{"5,5", "16383", false},
          Cycles{"5,5", "16384", true}, Cycles{"1", "1e400", true}}) {
        SCOPED_TRACE(std::string(c.zoom) + " " + c.cycles);
        dialogs->shown.clear();
        form->txtingr->setText(c.zoom);
        form->txtcicli->setText(c.cycles);
        form->cmddisegna_Click();
        EXPECT_EQ(dialogs->messages(),
                  c.refused ? std::vector<QString>{InputError} : std::vector<QString>{});
        expectIdle(c.refused ? "Disegna" : "DISEGNA");
    }

    // A colour step so large that longer escapes overflow: the pixels before the
    // first failing one stay drawn.
    dialogs->shown.clear();
    form->Txtnx->setText("-0,75");
    form->txtny->setText("0");
    form->txtcicli->setText("30");
    form->txtpasso->setText("10000000");
    form->txtingr->setText("0,5");
    form->Txtxini->setText("0,25");
    form->cmddisegna_Click();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{InputError});
    const EscapeTime::Picture expected = EscapeTime::smallMandel(
        EscapeTime::mandelView(-0.5, 0, 0.5), 70, {200, 125, 125, 1e7}, 300, 300);
    ASSERT_TRUE(expected.failedAt);
    const int failed = static_cast<int>(*expected.failedAt);
    ASSERT_GT(failed, 0);
    EXPECT_EQ(form->pictmandel->Point(0, 0), expected.colours[0]);
    EXPECT_NE(form->pictmandel->Point(0, 0), Colour::Black);
    EXPECT_EQ(form->pictmandel->Point((failed - 1) / 301, (failed - 1) % 301),
              expected.colours[failed - 1]);
    EXPECT_EQ(form->pictmandel->Point(299, 299), Colour::Black);
    // The move was made once and is not pending any more.
    EXPECT_EQ(form->Txtnx->text(), "-0,5");
    EXPECT_EQ(form->Txtxini->text(), "0");
}

TEST_F(Explorer, JuliaOnTheLargeScreenDrawsNothingButTheNote) {
    form->Cmdmandel->setText("Julia");
    form->Cmdschermo->setText("Schermo grande");
    form->cmddisegna_Click();
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_TRUE(pictureIsBlank());
    Canvas* screen = form->surface();
    EXPECT_GT(inkIn(screen, QRect(0, 0, 300, 12), Navy), 50);
    EXPECT_EQ(inkIn(screen, QRect(0, 20, screen->width(), screen->height() - 20), Navy), 0);
}

TEST_F(Explorer, JuliaDrawsTheSetOfTheCentreAndRestoresARefusedCentre) {
    form->Cmdmandel->setText("Julia");
    form->Txtnx->setText("-0,12");
    form->txtny->setText("0,75");
    form->cmddisegna_Click();
    EXPECT_TRUE(dialogs->shown.empty());
    expectIdle("Disegna");
    EXPECT_EQ(form->CMDINGR->text(), "ingrandimenti X 5");
    const EscapeTime::Picture expected =
        EscapeTime::julia(EscapeTime::juliaWindow(1), -0.12, 0.75, 90, {200, 125, 125, 1});
    for (auto [a, b] : {std::pair{1, 1}, {150, 150}, {299, 299}, {80, 210}}) {
        EXPECT_EQ(form->pictmandel->Point(a, b), expected.colours[(a - 1) * 300 + b - 1]);
    }
    EXPECT_EQ(form->pictmandel->Point(0, 0), Colour::Black);

    // A move that takes c out of range is refused and leaves c as it was.
    form->Txtxini->setText("-10");
    form->cmddisegna_Click();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{XRefused});
    EXPECT_EQ(form->Txtnx->text(), "-0,12");
    EXPECT_EQ(form->txtny->text(), "0,75");
    EXPECT_EQ(form->Txtxini->text(), "0");

    // Magnification 0 has no window.
    dialogs->shown.clear();
    form->txtingr->setText("0");
    form->cmddisegna_Click();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{InputError});
}

TEST_F(Explorer, FullScreenDrawingFillsAllButTheBottomTenth) {
    form->stopRequested = true;  // a key pressed before the drawing does not stop it
    form->Cmdschermo->setText("Schermo grande");
    form->cmddisegna_Click();
    expectIdle("DISEGNA");
    EXPECT_EQ(form->Cmdschermo->text(), "Schermo piccolo");
    Canvas* screen = form->surface();
    const double hf = form->Height() / 15;
    const int lastRow = static_cast<int>(hf * 0.9);
    // The view is square in the plane: pixel j stands for y = 1,25 - j * 2,5 / Hf.
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0, 1);
    for (auto [i, j] : {std::pair{1, 1}, {300, 345}, {500, 400}, {1000, lastRow}}) {
        const double x0 = (i / hf) * 2.5 + view.xmin;
        const double y0 = (j / hf) * -2.5 + view.ymax;
        EXPECT_EQ(screen->Point(i, j),
                  EscapeTime::mandelColour(EscapeTime::mirroredMandelPoint(x0, y0, 70),
                                           {200, 125, 125, 1}))
            << i << "," << j;
    }
    EXPECT_EQ(screen->Point(0, 100), Navy);
    EXPECT_EQ(inkIn(screen, QRect(0, lastRow + 14, screen->width(), 20), Navy), 0);
}

TEST_F(Explorer, AnOverflowingColourOnTheFullScreenKeepsThePointsDrawnBeforeIt) {
    // With this step a point escaping after one cycle is fine and a longer escape overflows.
    const EscapeTime::Weights risky{200, 125, 125, 1e7};
    form->txtpasso->setText("10000000");
    form->txtingr->setText("0,5");
    form->Cmdschermo->setText("Schermo grande");
    form->cmddisegna_Click();
    EXPECT_EQ(dialogs->messages(), std::vector<QString>{InputError});
    expectIdle("Disegna");

    Canvas* screen = form->surface();
    const double hf = form->Height() / 15;
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0, 0.5);
    // Find the first point, in drawing order, whose colour overflows.
    int failI = 0, failJ = 0;
    for (int i = 1; i <= 1024 && failI == 0; ++i) {
        for (int j = 1; j <= static_cast<int>(hf * 0.9); ++j) {
            const EscapeTime::Escape e = EscapeTime::mirroredMandelPoint(
                (i / hf) * 5 + view.xmin, (j / hf) * -5 + view.ymax, 70);
            if (e.r >= 4 && e.k >= 2) {
                failI = i;
                failJ = j;
                break;
            }
        }
    }
    ASSERT_GT(failJ, 1);
    const EscapeTime::Escape before = EscapeTime::mirroredMandelPoint(
        (failI / hf) * 5 + view.xmin, ((failJ - 1) / hf) * -5 + view.ymax, 70);
    EXPECT_EQ(screen->Point(failI, failJ - 1), EscapeTime::mandelColour(before, risky));
    EXPECT_EQ(screen->Point(failI, failJ), Navy);
    EXPECT_EQ(screen->Point(failI + 1, 1), Navy);
}

}  // namespace

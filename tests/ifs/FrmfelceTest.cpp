#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "ifs/Frmfelce.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"
#include "shell/Random.h"

namespace {

constexpr ColourNumber Black = 0;
constexpr ColourNumber Red = 255;
constexpr ColourNumber Green = 65280;
constexpr ColourNumber Yellow = 65535;
constexpr ColourNumber Blue = 16711680;
constexpr ColourNumber Pink = 16761087;
// Where "FINITO" is printed in red at the end of a run of the grid.
const QRect FinitoArea(190, 460, 80, 25);
// The first line of the error page, from (40, 300).
const QRect ErrorTitle(40, 300, 300, 18);

class IfsScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        Dialogs::install(std::make_unique<ScriptedDialogs>());
        form = std::make_unique<Frmfelce>();
        form->showScreen();
    }

    Canvas* picture() const { return form->Picture1; }

    // Pixels of the drawing area in the rectangle that are not black, or that hold
    // the given colour.
    int ink(const QRect& area) const {
        return count(area, [](ColourNumber c) { return c != 0; });
    }
    int pixels(const QRect& area, ColourNumber colour) const {
        return count(area, [colour](ColourNumber c) { return c == colour; });
    }
    int count(const QRect& area, const std::function<bool(ColourNumber)>& test) const {
        int n = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                n += test(picture()->Point(x, y)) ? 1 : 0;
            }
        }
        return n;
    }

    // Every column the same map, which sends every point to (x, y).
    void gridToPoint(const QString& x, const QString& y) {
        for (int k = 0; k < 4; ++k) {
            for (QLineEdit* cell : {form->Txta[k], form->txtb[k], form->txtc[k], form->txtd[k]}) {
                cell->setText(QStringLiteral("0"));
            }
            form->txte[k]->setText(x);
            form->txtf[k]->setText(y);
        }
    }

    void setColours(const QString& colour) {
        for (QLineEdit* box : form->txtcol) {
            box->setText(colour);
        }
    }

    void expectIdle() const {
        EXPECT_EQ(form->Cmd4->text(), "Nuovo disegno");
        for (QPushButton* preset : {form->Cmdalbero, form->cmdfelce, form->Cmdpino, form->cmdfalchi,
                                    form->cmdpolvere, form->cmdzig}) {
            EXPECT_TRUE(preset->isEnabled()) << preset->objectName().toStdString();
        }
        EXPECT_EQ(picture()->MousePointer(), 0);
    }

    bool showsErrorPage() const { return ink(ErrorTitle) > 100; }

    // Runs the grid with a timer that fires at each yield of the run; the step
    // function gets the tick number and returns.
    void runWithTicks(const std::function<void(int)>& onTick) {
        QTimer timer;
        timer.setInterval(0);
        int ticks = 0;
        QObject::connect(&timer, &QTimer::timeout, [&] { onTick(++ticks); });
        timer.start();
        Frmfelce* running = form.get();
        running->Cmd4_Click();
        timer.stop();
    }

    static void click(QWidget* control, Qt::MouseButton button) {
        const QPointF inside(5, 5);
        QMouseEvent press(QEvent::MouseButtonPress, inside, control->mapToGlobal(inside), button,
                          button, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, control->mapToGlobal(inside),
                            button, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(control, &press);
        QApplication::sendEvent(control, &release);
    }

    std::unique_ptr<Frmfelce> form;
};

TEST_F(IfsScreen, OpensWithTheFernInTheGridAndItsStartTexts) {
    EXPECT_EQ(form->windowTitle(), "Form1");
    EXPECT_EQ(form->surface()->BackColor(), 8388608);
    const char* const fern[6][4] = {
        {"0", "0,2", "-0,15", "0,85"},  {"0", "-0,26", "0,28", "0,04"},
        {"0", "0,23", "0,26", "-0,04"}, {"0,16", "0,22", "0,24", "0,85"},
        {"0", "0", "0", "0"},           {"0", "0,2", "0,2", "0,2"}};
    const std::array<QLineEdit*, 4>* rows[6] = {&form->Txta, &form->txtb, &form->txtc,
                                                &form->txtd, &form->txte, &form->txtf};
    for (int row = 0; row < 6; ++row) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ((*rows[row])[i]->text(), fern[row][i]) << row << "," << i;
            EXPECT_EQ(backColor((*rows[row])[i]), 16777215);
        }
    }
    const char* const colours[4] = {"2", "3", "4", "4"};
    const ColourNumber colourBacks[4] = {12640511, 12648447, 12648384, 16777152};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(form->txtcol[i]->text(), colours[i]);
        EXPECT_EQ(backColor(form->txtcol[i]), colourBacks[i]);
        EXPECT_EQ(form->Lblcolonna[i]->text(), QStringLiteral("    %1").arg(i + 1));
        EXPECT_EQ(backColor(form->Lblcolonna[i]), Pink);
    }
    EXPECT_EQ(form->Lblcolonna[0]->toolTip(), "Clicca qui per saperne di più");
    EXPECT_EQ(form->lblriga[0]->toolTip(), "Clicca qui oer ulteriori informazioni");
    EXPECT_EQ(form->lblriga[5]->text(), "f");
    EXPECT_EQ(backColor(form->lblriga[3]), 16761024);
    EXPECT_EQ(form->Lblcol->text(), "colori");
    EXPECT_EQ(backColor(form->Lblcol), 16776960);
    EXPECT_TRUE(form->Lblcol->font().bold());
    EXPECT_EQ(form->Lblor->text(), "orrizontale");
    EXPECT_EQ(form->lblver->toolTip(), "Clicca qui per saperne di più");
    EXPECT_EQ(form->lblcicli->toolTip(), "clicca qui per saperne di più");
    EXPECT_EQ(backColor(form->lblcicli), 12632319);
    EXPECT_EQ(form->Txtvx->text(), "0");
    EXPECT_EQ(form->txtvy->text(), "0");
    EXPECT_EQ(form->txtcicli->text(), "200");
    EXPECT_EQ(form->txtgr->text(), "40");
    EXPECT_EQ(form->txtnumcol->text(), "4");
    EXPECT_EQ(form->Cmd4->text(), "Nuovo disegno");
    EXPECT_EQ(backColor(form->Cmd4), 16777152);
    EXPECT_EQ(form->cmdpolvere->text(), "triangolo");
    EXPECT_EQ(form->cmdzig->text(), "scarabocchi");
    EXPECT_EQ(backColor(form->Cmdpino), 12648384);
    EXPECT_EQ(form->Cmdfine->text(), "Pagina iniziale");
    EXPECT_EQ(form->lblistruz->text(), "     Istruzioni    clicca qui");
    EXPECT_EQ(backColor(form->lblistruz), 32768);
    EXPECT_EQ(picture()->ForeColor(), Colour::White);
    EXPECT_EQ(ink(QRect(0, 0, 500, 500)), 0);
    expectIdle();
}

TEST_F(IfsScreen, PlacesItsControlsAroundTheCentreOfA1024By768Display) {
    EXPECT_EQ(form->Picture1->geometry(), QRect(362, 134, 500, 500));
    EXPECT_EQ(form->Cmdfine->geometry(), QRect(182, 574, 100, 60));
    EXPECT_EQ(form->Cmdalbero->geometry(), QRect(372, 94, 80, 40));
    EXPECT_EQ(form->cmdzig->geometry(), QRect(772, 94, 80, 40));
    // Columns 38 pixels apart; the row labels a to d 38 / 1,35 apart.
    for (int i = 0; i < 4; ++i) {
        const int left = 170 + 38 * i;
        EXPECT_EQ(form->Lblcolonna[i]->geometry(), QRect(left, 94, 33, 25));
        EXPECT_EQ(form->Txta[i]->geometry(), QRect(left, 124, 33, 25));
        EXPECT_EQ(form->txtf[i]->geometry(), QRect(left, 274, 33, 25));
        EXPECT_EQ(form->txtcol[i]->geometry(), QRect(left, 301, 33, 12));
    }
    EXPECT_EQ(form->lblriga[0]->geometry(), QRect(132, 132, 33, 14));
    EXPECT_EQ(form->lblriga[1]->geometry(), QRect(132, 160, 33, 14));
    EXPECT_EQ(form->lblriga[2]->geometry(), QRect(132, 188, 33, 14));
    EXPECT_EQ(form->lblriga[3]->geometry(), QRect(132, 217, 33, 14));
    EXPECT_EQ(form->lblriga[4]->geometry(), QRect(132, 249, 33, 14));
    EXPECT_EQ(form->lblriga[5]->geometry(), QRect(132, 279, 33, 14));
    EXPECT_EQ(form->Lblcol->geometry(), QRect(132, 304, 33, 17));
    EXPECT_EQ(form->Lblor->geometry(), QRect(170, 329, 50, 14));
    EXPECT_EQ(form->lblcicli->geometry(), QRect(274, 329, 50, 14));
    EXPECT_EQ(form->Txtvx->geometry(), QRect(170, 345, 50, 25));
    EXPECT_EQ(form->txtvy->geometry(), QRect(222, 345, 50, 25));
    EXPECT_EQ(form->Cmd4->geometry(), QRect(170, 379, 155, 25));
    EXPECT_EQ(form->lblistruz->geometry(), QRect(182, 464, 150, 70));
    EXPECT_TRUE(form->txtgr->isHidden());
    EXPECT_TRUE(form->txtnumcol->isHidden());
    EXPECT_FALSE(form->Txta[3]->isHidden());
}

TEST_F(IfsScreen, NuovoDisegnoLightsEachPointWhereScaleAndOffsetsSayAndEndsWithFinito) {
    gridToPoint("1", "1");
    setColours("12");
    form->txtcicli->setText("50");
    form->Cmd4_Click();
    // s = 40 from the origin (220, 350), upwards.
    EXPECT_EQ(picture()->Point(260, 310), Red);
    EXPECT_GT(pixels(FinitoArea, Red), 30);
    // The instructions stay in green; the waiting line is gone.
    EXPECT_GT(ink(QRect(10, 400, 250, 14)), 50);
    EXPECT_EQ(ink(QRect(0, 448, 185, 32)), 0);
    EXPECT_EQ(picture()->ForeColor(), Red);
    EXPECT_EQ(picture()->FontSize(), 8);
    expectIdle();

    form->Txtvx->setText("10");
    form->txtvy->setText("-20,4");
    form->Cmd4_Click();
    EXPECT_EQ(picture()->Point(260, 310), Black);
    EXPECT_EQ(picture()->Point(270, 290), Red);

    // The scale the presets set is the one the grid is drawn at.
    form->txtgr->setText("100");
    form->Txtvx->setText("0");
    form->txtvy->setText("0");
    form->Cmd4_Click();
    EXPECT_EQ(picture()->Point(320, 250), Red);
}

TEST_F(IfsScreen, WithNoCyclesFinitoComesAtOnce) {
    form->txtcicli->setText("0");
    form->Cmd4_Click();
    EXPECT_GT(pixels(FinitoArea, Red), 30);
    EXPECT_EQ(ink(QRect(150, 250, 150, 110)), 0);
    expectIdle();
}

TEST_F(IfsScreen, AColourOfSixteenEndsWithTheErrorPageAndZeroDrawsBlack) {
    gridToPoint("1", "1");
    setColours("12");
    form->txtcol[1]->setText("16");
    form->txtcicli->setText("1000");
    form->Cmd4_Click();
    EXPECT_TRUE(showsErrorPage());
    EXPECT_EQ(pixels(FinitoArea, Red), 0);
    EXPECT_EQ(picture()->Point(260, 310), Black);
    EXPECT_EQ(picture()->ForeColor(), Green);
    EXPECT_EQ(picture()->FontSize(), 10);
    expectIdle();

    // A colour box is read only when its map is drawn.
    form->txtnumcol->setText("1");
    form->Cmd4_Click();
    EXPECT_FALSE(showsErrorPage());
    EXPECT_EQ(picture()->Point(260, 310), Red);

    form->txtnumcol->setText("4");
    setColours("0");
    form->Cmd4_Click();
    EXPECT_FALSE(showsErrorPage());
    EXPECT_GT(pixels(FinitoArea, Red), 30);
    EXPECT_EQ(picture()->Point(260, 310), Black);
}

TEST_F(IfsScreen, EveryBadEntryEndsWithTheErrorPageAndTheButtonsBack) {
    struct Case {
        QLineEdit* box;
        const char* text;
    };
    const Case cases[] = {
        {form->Txta[3], "x"},     {form->txtf[0], ""},        {form->txtcicli, "cento"},
        {form->txtcicli, ""},     {form->Txtvx, "a"},         {form->txtvy, "1,2,3"},
        {form->txtd[2], "1E400"}, {form->txtcol[0], "rosso"}, {form->txtcol[0], "40000"},
        {form->Txta[1], "1E300"}, {form->txtcol[0], "-1"},    {form->Txtvx, "1E300"},
    };
    for (const Case& c : cases) {
        const QString before = c.box->text();
        c.box->setText(QLatin1String(c.text));
        form->Cmd4_Click();
        EXPECT_TRUE(showsErrorPage()) << c.box->objectName().toStdString() << " " << c.text;
        expectIdle();
        EXPECT_EQ(c.box->text(), c.text);
        c.box->setText(before);
    }
    // A letter in a column the drawing leaves out still stops it.
    form->txtnumcol->setText("3");
    form->Txta[3]->setText("x");
    form->Cmd4_Click();
    EXPECT_TRUE(showsErrorPage());
    EXPECT_EQ(backColor(form->Lblcolonna[3]), Black);
    EXPECT_EQ(backColor(form->Lblcolonna[2]), Pink);

    // A point instead of the comma is read as digit grouping: a wrong figure, no error.
    form->Txta[3]->setText("0.85");
    form->Cmd4_Click();
    EXPECT_FALSE(showsErrorPage());
    EXPECT_GT(pixels(FinitoArea, Red), 30);
}

TEST_F(IfsScreen, StopDuringTheDrawingLeavesTheInstructionsAndTheButtonsBack) {
    gridToPoint("1", "1");
    setColours("12");
    form->txtnumcol->setText("2");
    form->txtcicli->setText("5000000");
    QString captionWhileDrawing;
    bool presetsWhileDrawing = true;
    int pointerWhileDrawing = 0;
    Qt::CursorShape cursorWhileDrawing = Qt::ArrowCursor;
    bool stopped = false;
    runWithTicks([&](int) {
        // Stop once the drawing has lit its point.
        if (!stopped && picture()->Point(260, 310) == Red) {
            captionWhileDrawing = form->Cmd4->text();
            presetsWhileDrawing = form->cmdfelce->isEnabled() || form->Cmdpino->isEnabled();
            pointerWhileDrawing = picture()->MousePointer();
            cursorWhileDrawing = picture()->cursor().shape();
            stopped = true;
            form->Cmd4->click();
        }
    });
    ASSERT_TRUE(stopped);
    EXPECT_EQ(captionWhileDrawing, "Stop");
    EXPECT_FALSE(presetsWhileDrawing);
    EXPECT_EQ(pointerWhileDrawing, 13);
    EXPECT_EQ(cursorWhileDrawing, Qt::BusyCursor);
    EXPECT_EQ(backColor(form->Lblcolonna[2]), Black);
    EXPECT_EQ(backColor(form->Lblcolonna[3]), Black);

    expectIdle();
    EXPECT_GT(ink(QRect(10, 400, 250, 14)), 50);
    EXPECT_EQ(pixels(FinitoArea, Red), 0);
    // Not even a stray point of the stopped drawing.
    EXPECT_EQ(picture()->Point(260, 310), Black);

    // The next click starts afresh.
    form->txtcicli->setText("20");
    form->Cmd4_Click();
    EXPECT_EQ(picture()->Point(260, 310), Red);
    EXPECT_GT(pixels(FinitoArea, Red), 30);
}

TEST_F(IfsScreen, OffsetsTypedAndPagesAskedForDuringTheDrawingTakeEffectAtOnce) {
    gridToPoint("1", "1");
    setColours("12");
    form->txtcicli->setText("5000000");
    bool lowerPointAfterPage = false;
    bool upperPointAfterPage = true;
    int pageInk = 0;
    runWithTicks([&](int tick) {
        if (tick == 1) {
            form->txtvy->setText("100");
        } else if (tick == 2) {
            form->lblcicli_Click();
        } else if (tick == 3) {
            lowerPointAfterPage = picture()->Point(260, 410) == Red;
            upperPointAfterPage = picture()->Point(260, 310) == Red;
            pageInk = ink(QRect(40, 250, 300, 14));
            form->Cmd4->click();
        }
    });
    EXPECT_TRUE(lowerPointAfterPage);
    EXPECT_FALSE(upperPointAfterPage);
    EXPECT_GT(pageInk, 50);
    expectIdle();
}

TEST_F(IfsScreen, ClosingTheScreenStopsTheDrawing) {
    form->txtcicli->setText("5000000");
    runWithTicks([&](int tick) {
        if (tick == 1) {
            form->close();
        }
    });
    EXPECT_EQ(pixels(FinitoArea, Red), 0);
    expectIdle();
}

TEST_F(IfsScreen, UnloadingTheScreenDuringTheDrawingEndsItQuietly) {
    form->txtcicli->setText("5000000");
    int ticks = 0;
    runWithTicks([&](int tick) {
        ticks = tick;
        if (tick == 1) {
            form.reset();
        }
    });
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(form, nullptr);
}

TEST_F(IfsScreen, ALeftClickOnAlberoDrawsTheTreeAndSetsItsCountsButNotTheGrid) {
    form->txtcicli->setText("77");
    click(form->Cmdalbero, Qt::LeftButton);
    EXPECT_EQ(form->txtnumcol->text(), "4");
    EXPECT_EQ(form->txtgr->text(), "400");
    EXPECT_EQ(form->txtcicli->text(), "180000");
    EXPECT_EQ(form->Txta[1]->text(), "0,2");
    EXPECT_EQ(form->txtf[0]->text(), "0");
    const QRect whole(0, 0, 500, 500);
    EXPECT_GT(pixels(whole, Red), 1000);
    EXPECT_GT(pixels(whole, Yellow), 1000);
    EXPECT_GT(pixels(whole, Blue), 1000);
    // "finito" in green where the waiting line was.
    EXPECT_GT(count(QRect(10, 420, 40, 14),
                    [](ColourNumber c) { return ((c >> 8) & 255) > 100 && (c & 255) < 100; }),
              10);
    EXPECT_EQ(picture()->ForeColor(), Green);
}

TEST_F(IfsScreen, ARightClickOnAlberoLoadsTheTreeAndTheGridDrawsItInTheBoxesColours) {
    // Blackened headers come back pink.
    form->cmdzig_MouseDown(2, 0, 0, 0);
    click(form->Cmdalbero, Qt::RightButton);
    EXPECT_EQ(ink(QRect(0, 0, 500, 500)), 0);
    EXPECT_EQ(form->txtcicli->text(), "180000");
    EXPECT_EQ(form->txtgr->text(), "400");
    EXPECT_EQ(form->Txta[0]->text(), "-0,01");
    EXPECT_EQ(form->txtb[1]->text(), "-0,66");
    EXPECT_EQ(form->txtd[0]->text(), "0,26");
    EXPECT_EQ(form->txte[0]->text(), "0");
    EXPECT_EQ(form->txte[1]->text(), "-0,09");
    EXPECT_EQ(form->txtf[3]->text(), "0,3");
    for (QLabel* header : form->Lblcolonna) {
        EXPECT_EQ(backColor(header), Pink);
    }
    EXPECT_EQ(form->txtcol[0]->text(), "2");
    EXPECT_EQ(form->Txtvx->text(), "0");

    form->txtcicli->setText("30000");
    form->Cmd4_Click();
    const QRect aboveFinito(0, 0, 500, 440);
    EXPECT_GT(pixels(aboveFinito, Colour::QBColor(2)), 100);
    EXPECT_GT(pixels(aboveFinito, Colour::QBColor(3)), 100);
    EXPECT_GT(pixels(aboveFinito, Colour::QBColor(4)), 100);
    EXPECT_EQ(pixels(aboveFinito, Red), 0);
    EXPECT_EQ(pixels(aboveFinito, Yellow), 0);
}

TEST_F(IfsScreen, TheOtherFourMapFiguresLoadTheirOwnCounts) {
    form->cmdfelce_MouseDown(1, 0, 0, 0);
    EXPECT_EQ(form->txtcicli->text(), "280000");
    form->Cmdpino_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(form->txtcicli->text(), "22000");
    EXPECT_EQ(form->Txta[0]->text(), "0,043");
    EXPECT_EQ(form->txte[2]->text(), "-0,3");
    form->cmdfalchi_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(form->txtcicli->text(), "180000");
    EXPECT_EQ(form->txtc[3]->text(), "-0,48");
    EXPECT_EQ(form->txte[3]->text(), "-0,06");
    EXPECT_EQ(form->txtgr->text(), "400");
}

TEST_F(IfsScreen, ARightClickOnTriangoloFillsThreeColumnsAndBlackensTheFourthHeader) {
    click(form->cmdpolvere, Qt::LeftButton);
    EXPECT_EQ(form->txtgr->text(), "40");
    EXPECT_EQ(form->txtcicli->text(), "200");
    EXPECT_EQ(form->txtnumcol->text(), "3");
    EXPECT_EQ(form->Txta[0]->text(), "0");

    click(form->cmdpolvere, Qt::RightButton);
    EXPECT_EQ(form->txtnumcol->text(), "3");
    EXPECT_EQ(form->txtgr->text(), "250");
    EXPECT_EQ(form->txtcicli->text(), "50000");
    EXPECT_EQ(form->Txta[0]->text(), "0,333");
    EXPECT_EQ(form->txtd[1]->text(), "0,333");
    EXPECT_EQ(form->txtf[1]->text(), "1");
    EXPECT_EQ(form->Txta[2]->text(), "0,667");
    EXPECT_EQ(form->txte[2]->text(), "0,5");
    EXPECT_EQ(form->txtb[2]->text(), "0");
    // Column 4 keeps the fern.
    EXPECT_EQ(form->Txta[3]->text(), "0,85");
    EXPECT_EQ(form->txtf[3]->text(), "0,2");
    EXPECT_EQ(backColor(form->Lblcolonna[3]), Black);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(backColor(form->Lblcolonna[i]), Pink);
    }
}

TEST_F(IfsScreen, ARightClickOnScarabocchiFillsTwoColumns) {
    form->txtcicli->setText("123");
    form->cmdzig_MouseDown(1, 0, 0, 0);
    EXPECT_EQ(form->txtcicli->text(), "123");
    form->cmdzig_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(form->txtgr->text(), "35");
    EXPECT_EQ(form->txtnumcol->text(), "2");
    EXPECT_EQ(form->txtcicli->text(), "80000");
    EXPECT_EQ(form->Txta[0]->text(), "-0,632407");
    EXPECT_EQ(form->txte[0]->text(), "3,840822");
    EXPECT_EQ(form->txtd[1]->text(), "-0,037037");
    EXPECT_EQ(form->txtf[1]->text(), "9,330552");
    EXPECT_EQ(form->Txta[2]->text(), "-0,15");
    EXPECT_EQ(form->Txta[3]->text(), "0,85");
    EXPECT_EQ(backColor(form->Lblcolonna[3]), Black);
    EXPECT_EQ(backColor(form->Lblcolonna[2]), Black);
    EXPECT_EQ(backColor(form->Lblcolonna[1]), Pink);
}

TEST_F(IfsScreen, ADisabledPresetTakesNoMouseDown) {
    form->cmdpolvere->setEnabled(false);
    click(form->cmdpolvere, Qt::RightButton);
    EXPECT_EQ(form->txtgr->text(), "40");
    EXPECT_EQ(form->Txta[0]->text(), "0");
}

TEST_F(IfsScreen, TheFernStandsOnRow490) {
    form->Cmd4->setText(QStringLiteral("Stop"));
    form->cmdfelce_Click();
    EXPECT_EQ(form->Cmd4->text(), "Nuovo disegno");
    EXPECT_GT(pixels(QRect(200, 486, 40, 5), Green), 0);
    EXPECT_EQ(pixels(QRect(0, 491, 500, 9), Green), 0);
    // The tip is sparse: look over the upper fronds, not the last few rows.
    EXPECT_GT(pixels(QRect(150, 60, 200, 90), Green), 0);
    EXPECT_EQ(pixels(QRect(0, 0, 500, 55), Green), 0);
}

TEST_F(IfsScreen, TheTriangleGrowsDownwardsFromRow20) {
    form->cmdpolvere_Click();
    EXPECT_EQ(ink(QRect(0, 0, 500, 20)), 0);
    EXPECT_GT(pixels(QRect(50, 20, 20, 6), Red), 0);
    EXPECT_EQ(ink(QRect(0, 0, 49, 400)), 0);
    EXPECT_EQ(ink(QRect(0, 397, 500, 20)), 0);
    // Maps 2 and 3 take the colours of boxes 2 and 3.
    EXPECT_GT(pixels(QRect(0, 0, 500, 400), Colour::QBColor(3)), 100);
    EXPECT_GT(pixels(QRect(0, 0, 500, 400), Colour::QBColor(4)), 100);
}

TEST_F(IfsScreen, ScarabocchiFollowTheOffsetsTheOtherFiguresDoNot) {
    auto draw = [&](const QString& dy, void (Frmfelce::*preset)()) {
        form->txtvy->setText(dy);
        Random::seed(7);
        (form.get()->*preset)();
        return picture()->image().copy();
    };
    const QImage still = draw(QStringLiteral("0"), &Frmfelce::cmdzig_Click);
    const QImage lower = draw(QStringLiteral("100"), &Frmfelce::cmdzig_Click);
    int lit = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 500; ++x) {
            ASSERT_EQ(still.pixel(x, y), lower.pixel(x, y + 100)) << x << "," << y;
            lit += still.pixel(x, y) != qRgb(0, 0, 0) ? 1 : 0;
        }
    }
    EXPECT_GT(lit, 1000);
    EXPECT_EQ(ink(QRect(0, 0, 500, 100)), 0);

    const QImage triangle = draw(QStringLiteral("0"), &Frmfelce::cmdpolvere_Click);
    EXPECT_EQ(draw(QStringLiteral("100"), &Frmfelce::cmdpolvere_Click), triangle);
}

TEST_F(IfsScreen, AFigureWithABadColourOrOffsetBoxShowsTheErrorPage) {
    form->txtcol[1]->setText("16");
    form->cmdpolvere_Click();
    EXPECT_TRUE(showsErrorPage());
    form->txtcol[1]->setText("3");
    form->Txtvx->setText("a");
    form->cmdzig_Click();
    EXPECT_TRUE(showsErrorPage());
    form->Txtvx->setText("0");
    form->cmdzig_Click();
    EXPECT_FALSE(showsErrorPage());
    expectIdle();
}

TEST_F(IfsScreen, EveryLabelPrintsItsPageWhereItBegins) {
    struct Page {
        std::function<void()> show;
        QRect firstLine;
    };
    const Page pages[] = {
        {[&] { form->lblcicli_Click(); }, QRect(40, 250, 300, 14)},
        {[&] { form->Lblcol_Click(); }, QRect(40, 250, 300, 14)},
        {[&] { form->Lblcolonna_Click(2); }, QRect(5, 150, 300, 14)},
        {[&] { form->lblistruz_Click(); }, QRect(0, 0, 300, 14)},
        {[&] { form->Lblor_Click(); }, QRect(40, 250, 300, 14)},
        {[&] { form->lblriga_Click(4); }, QRect(2, 250, 300, 14)},
        {[&] { form->lblver_Click(); }, QRect(40, 250, 300, 14)},
    };
    const QRect whole(0, 0, 500, 500);
    for (const Page& page : pages) {
        form->cmdpolvere_Click();
        page.show();
        EXPECT_GT(ink(page.firstLine), 100) << page.firstLine.x() << "," << page.firstLine.y();
        // The red triangle is gone; the page is in the green of the last text.
        EXPECT_EQ(pixels(whole, Red), 0);
    }
    // The instructions fill the area down to its foot.
    form->lblistruz_Click();
    EXPECT_GT(ink(QRect(0, 460, 300, 40)), 100);

    // A left click on a label shows its page; the right button does not.
    form->cmdpolvere_Click();
    click(form->Lblcolonna[3], Qt::RightButton);
    EXPECT_GT(pixels(whole, Red), 1000);
    click(form->Lblcolonna[3], Qt::LeftButton);
    EXPECT_GT(ink(QRect(5, 150, 300, 14)), 100);
    click(form->lblistruz, Qt::LeftButton);
    EXPECT_GT(ink(QRect(0, 0, 300, 14)), 100);
}

}  // namespace

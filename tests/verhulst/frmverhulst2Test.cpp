#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"
#include "verhulst/Logistic.h"
#include "verhulst/frmverhulst2.h"

namespace {

constexpr ColourNumber DarkGreen = Colour::rgb(0, 64, 0);
constexpr ColourNumber Orange = Colour::rgb(255, 128, 0);
constexpr ColourNumber LabelMark = 200;
const QString RangeRefused = QStringLiteral(
    "Numero inferiore a 0,1 oppure superiore a 9,8  oppure hai messo il punto invece della "
    "virgola. ");

class Verhulst : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
        form = std::make_unique<frmverhulst2>();
        form->showScreen();
        picture = form->Picture1;
    }

    // Pixels of the picture in the area that are not black.
    int inkIn(const QRect& area) const {
        return countIn(area, [](ColourNumber c) { return c != 0; });
    }
    int colourIn(const QRect& area, ColourNumber colour) const {
        return countIn(area, [colour](ColourNumber c) { return c == colour; });
    }
    template <typename Test>
    int countIn(const QRect& area, Test test) const {
        int count = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                count += test(picture->Point(x, y)) ? 1 : 0;
            }
        }
        return count;
    }
    // Pixels in the shades of a colour: text in that colour, smoothed over the black.
    int shadeIn(const QRect& area, ColourNumber colour) const {
        return countIn(area, [colour](ColourNumber c) {
            for (int shift : {0, 8, 16}) {
                if (((colour >> shift) & 0xFF) == 0 && ((c >> shift) & 0xFF) != 0) {
                    return false;
                }
            }
            return c > 0;
        });
    }
    bool blank() const { return inkIn(Whole) == 0; }

    // The two error lines of the graphs at (10, 10) and nothing else.
    void expectGraphErrorLinesOnly() const {
        EXPECT_GT(inkIn(QRect(10, 10, 250, 28)), 100);
        EXPECT_EQ(inkIn(QRect(0, 50, 500, 450)), 0);
        EXPECT_FALSE(form->lblistruzioni->isHidden());
    }

    // The diagram's five red lines at (5, 380) and no diagram.
    void expectDiagramErrorLines() const {
        EXPECT_GT(shadeIn(QRect(5, 380, 300, 75), Colour::Red), 500);
        EXPECT_EQ(inkIn(QRect(0, 0, 500, 378)), 0);
        EXPECT_EQ(picture->ForeColor(), Colour::Red);
        EXPECT_EQ(picture->FontSize(), 10);
    }

    // The diagram on the picture is the kernel's, rows 0 .. lastRow of every column.
    void expectDiagram(const Logistic::Member& member, double zoom, int lastRow) const {
        const Logistic::Diagram expected = Logistic::bifurcation(member, zoom, 0.18, 0);
        int differences = 0;
        for (int x = 0; x < Logistic::DiagramColumns; ++x) {
            for (int y = 0; y <= lastRow; ++y) {
                differences += picture->Point(x, y) != expected.colours[x * 500 + y] ? 1 : 0;
            }
        }
        EXPECT_EQ(differences, 0);
        EXPECT_GT(colourIn(QRect(0, 0, 480, lastRow + 1), LabelMark), 400);
    }

    static inline const QRect Whole{0, 0, 500, 500};
    std::unique_ptr<frmverhulst2> form;
    Canvas* picture = nullptr;
    ScriptedDialogs* dialogs = nullptr;
};

}  // namespace

TEST_F(Verhulst, OpensWithItsControlsAroundTheCentreOfA1024By768Display) {
    EXPECT_EQ(form->windowTitle(), "Verhulst, il raddoppio del periodo");
    EXPECT_EQ(form->frameGeometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(form->surface()->Point(0, 0), DarkGreen);
    EXPECT_EQ(form->surface()->Point(1000, 700), DarkGreen);
    EXPECT_EQ(picture->geometry(), QRect(262, 134, 500, 500));
    EXPECT_EQ(form->cmdInizio->geometry(), QRect(181, 574, 80, 60));
    EXPECT_EQ(form->Cmdper1->geometry(), QRect(763, 184, 80, 60));
    EXPECT_EQ(form->Cmdper2->geometry(), QRect(763, 249, 80, 60));
    EXPECT_EQ(form->Cmdper4->geometry(), QRect(763, 314, 80, 60));
    EXPECT_EQ(form->Cmdcaos->geometry(), QRect(763, 379, 80, 60));
    EXPECT_EQ(form->Cmdgrafico->geometry(), QRect(763, 134, 80, 45));
    EXPECT_EQ(form->cmddisegna->geometry(), QRect(763, 444, 80, 125));
    EXPECT_EQ(form->lblistruzioni->geometry(), QRect(262, 94, 500, 50));
    EXPECT_EQ(form->Lblincr->geometry(), QRect(182, 134, 79, 50));
    EXPECT_EQ(form->lblpop->geometry(), QRect(182, 429, 79, 40));
    EXPECT_EQ(form->Lblpopini->geometry(), QRect(182, 244, 79, 40));
    EXPECT_EQ(form->txtx->geometry(), QRect(222, 185, 40, 40));
    EXPECT_EQ(form->Txty->geometry(), QRect(222, 284, 40, 40));
    EXPECT_EQ(form->Txtu->geometry(), QRect(222, 474, 40, 40));
    EXPECT_EQ(form->Txting->geometry(), QRect(8, 56, 25, 49));
    for (QWidget* control : std::initializer_list<QWidget*>{
             picture, form->lblistruzioni, form->Lblincr, form->txtx, form->Lblpopini, form->Txty,
             form->lblpop, form->Txtu, form->Txting, form->Cmdgrafico, form->Cmdper1, form->Cmdper2,
             form->Cmdper4, form->Cmdcaos, form->cmddisegna, form->cmdInizio}) {
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    }

    EXPECT_EQ(form->txtx->text(), "3,99");
    EXPECT_EQ(form->Txty->text(), "2");
    EXPECT_EQ(form->Txtu->text(), "0,18");
    EXPECT_EQ(form->Txting->text(), "1");
    EXPECT_EQ(form->lblistruzioni->text(),
              " VERHULST . IL RADDOPPIO DEL PERIODO.   Clicca qui con il tasto destro del mouse "
              "per le istruzioni.");
    EXPECT_EQ(form->lblistruzioni->toolTip(),
              "Clicca sulle etichette colorate con il tasto destro del mouse per ulteriori "
              "informazioni");
    EXPECT_EQ(backColor(form->lblistruzioni), Colour::rgb(255, 255, 0));
    EXPECT_EQ(form->lblistruzioni->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(form->lblistruzioni->font().pointSizeF(), 12);
    EXPECT_EQ(form->Lblincr->text(), "incremento generazionale finale");
    EXPECT_EQ(form->Lblincr->toolTip(), "Qui sotto inserisci un numero compreso tra 0,6  e  3,99");
    EXPECT_EQ(form->Lblpopini->text(), "Inizio incremento generazionale");
    EXPECT_EQ(form->lblpop->text(), "Popolazione iniziale");
    EXPECT_EQ(form->lblpop->toolTip(), "Inserisci qui sotto un numero tra  0,2  e  0,999 ");
    for (QLabel* label : {form->Lblincr, form->Lblpopini, form->lblpop}) {
        EXPECT_EQ(backColor(label), Orange);
    }
    EXPECT_EQ(form->Cmdgrafico->text(), "Disegna il grafico");
    EXPECT_EQ(form->Cmdgrafico->toolTip(),
              "Clicca qui con il tasto destro del mouse per ulteriori informazioni");
    EXPECT_EQ(backColor(form->Cmdgrafico), Colour::rgb(0, 192, 0));
    EXPECT_EQ(form->Cmdper1->text(), "Periodo 1");
    EXPECT_EQ(form->Cmdper2->text(), "Periodo 2");
    EXPECT_EQ(form->Cmdper4->text(), "Periodo 4");
    EXPECT_EQ(form->Cmdcaos->text(), "Tutti i periodi");
    EXPECT_EQ(form->cmddisegna->text(), "Cambiamento parametrii");
    EXPECT_EQ(form->cmddisegna->toolTip(),
              "Clicca qui con il tasto destro del mouse per saperne di più.");
    EXPECT_EQ(backColor(form->cmddisegna), Colour::rgb(255, 255, 128));
    EXPECT_EQ(form->cmdInizio->text(), " pag. Iniziale");
    EXPECT_EQ(backColor(form->cmdInizio), Colour::Red);

    EXPECT_TRUE(blank());
    EXPECT_EQ(picture->BackColor(), Colour::Black);
    EXPECT_EQ(picture->ForeColor(), Colour::White);
    EXPECT_EQ(picture->FontSize(), 9.75);
}

TEST_F(Verhulst, StartValuesDrawSixtyGenerationsAboveAndThirtyOneLabelledBelow) {
    form->lblistruzioni->hide();
    form->Cmdgrafico_Click();
    EXPECT_TRUE(dialogs->shown.empty());

    const Logistic::Graph upper = Logistic::upperGraph(3.99, 0.18f);
    ASSERT_EQ(upper.points.size(), 60u);
    // The first segment rises from (1, 150); every visible point ends a green segment.
    EXPECT_EQ(picture->Point(1, 140), Colour::Green);
    for (const Logistic::GraphPoint& point : upper.points) {
        EXPECT_EQ(picture->Point(point.i, static_cast<int>(std::lround(point.y))),
                  point.i < 500 ? Colour::Green : -1)
            << point.i;
    }
    // The red circle around (198, y + 3) at the 21st point.
    const int circleY = static_cast<int>(std::lround(upper.points[20].y + 3));
    EXPECT_GT(colourIn(QRect(192, circleY - 6, 13, 13), Colour::Red), 12);
    EXPECT_EQ(colourIn(QRect(0, 40, 150, 80), Colour::Red), 0);

    // Below, each visible point has its mark 20 pixels above or below and a label.
    const Logistic::Graph lower = Logistic::lowerGraph(3.99, 0.18f);
    ASSERT_EQ(lower.points.size(), 31u);
    int marks = 0;
    for (const Logistic::GraphPoint& point : lower.points) {
        const int y = static_cast<int>(std::lround(point.y));
        if (point.i < 500) {
            EXPECT_EQ(picture->Point(point.i, y), Colour::Green) << point.i;
            marks += picture->Point(point.i, y + Logistic::labelOffset(point.i)) == LabelMark;
            EXPECT_GT(inkIn(QRect(point.i, y + Logistic::labelOffset(point.i), 25, 12)), 10);
        }
    }
    EXPECT_EQ(marks, 20);
    EXPECT_EQ(picture->Point(0, 399), Colour::Green);

    // The notes at (10, 30) and (10, 440), and no comment for the start values.
    EXPECT_GT(inkIn(QRect(10, 30, 300, 12)), 100);
    EXPECT_GT(inkIn(QRect(10, 445, 400, 45)), 300);
    EXPECT_NE(picture->Point(10, 10), 1);
    EXPECT_EQ(inkIn(QRect(0, 0, 500, 25)), 0);
    EXPECT_FALSE(form->lblistruzioni->isHidden());
    EXPECT_EQ(picture->FontSize(), 8);
}

TEST_F(Verhulst, TwoAndAHalfFromPointTwelveSettlesAndGetsTheFirstComment) {
    form->txtx->setText(QStringLiteral("2,5"));
    form->Txtu->setText(QStringLiteral("0,12"));
    form->Cmdgrafico_Click();
    // Settled at 0,6: y = 72,4 above and 262 below.
    EXPECT_EQ(picture->Point(491, 72), Colour::Green);
    EXPECT_EQ(picture->Point(475, 262), Colour::Green);
    EXPECT_EQ(picture->Point(10, 10), 1);
    EXPECT_GT(inkIn(QRect(11, 11, 400, 12)), 100);

    // The same pair written otherwise is not the pair of the comment.
    form->txtx->setText(QStringLiteral("2,50"));
    form->Cmdgrafico_Click();
    EXPECT_EQ(inkIn(QRect(0, 0, 500, 25)), 0);

    // The presets' pairs get no comment; the typed ones of the table do.
    form->Txtu->setText(QStringLiteral("0,4"));
    form->txtx->setText(QStringLiteral("3,5"));
    form->Cmdgrafico_Click();
    EXPECT_EQ(picture->Point(10, 10), 1);
    form->txtx->setText(QStringLiteral("3,2"));
    form->Cmdgrafico_Click();
    EXPECT_NE(picture->Point(10, 10), 1);
}

// An increment out of range, a number too large among them, gets the message; a box
// without a number only the error lines.
TEST_F(Verhulst, BadIncrementsAndPopulationsEndTheGraphsWithTheErrorLines) {
    struct Case {
        const char* increment;
        const char* population;
        bool refused;
    };
    for (const Case& c :
         {Case{"9,9", "0,18", true}, Case{"0,05", "0,18", true}, Case{"3.5", "0,18", true},
          Case{"1e400", "0,18", true}, Case{"-1e400", "0,18", true}, Case{"abc", "0,18", false},
          Case{"", "0,18", false}, Case{"3,99", "x", false}, Case{"3,99", "1E40", false}}) {
        SCOPED_TRACE(std::string(c.increment) + " " + c.population);
        dialogs->shown.clear();
        picture->Cls();
        form->txtx->setText(QLatin1String(c.increment));
        form->Txtu->setText(QLatin1String(c.population));
        form->Cmdgrafico_Click();
        ASSERT_EQ(dialogs->shown.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(dialogs->shown[0].text, RangeRefused);
            EXPECT_EQ(dialogs->shown[0].buttons, Dialogs::Buttons::Ok);
            EXPECT_EQ(dialogs->shown[0].title, "frattalia");
        }
        expectGraphErrorLinesOnly();
        EXPECT_EQ(form->txtx->text(), c.increment);
        EXPECT_EQ(form->Txtu->text(), c.population);
    }
    // The bounds themselves are accepted.
    for (const char* text : {"0,1", "9,8"}) {
        dialogs->shown.clear();
        form->txtx->setText(QLatin1String(text));
        form->Txtu->setText(QStringLiteral("0,18"));
        form->Cmdgrafico_Click();
        EXPECT_TRUE(dialogs->shown.empty()) << text;
    }
}

TEST_F(Verhulst, IncrementFiveDrawsPartOfTheUpperGraphThenTheErrorLines) {
    form->txtx->setText(QStringLiteral("5"));
    form->Cmdgrafico_Click();
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_GT(colourIn(QRect(0, 40, 100, 70), Colour::Green), 50);
    // The ninth generation leaves the canvas's range: nothing beyond the eighth point.
    EXPECT_EQ(colourIn(QRect(82, 0, 418, 500), Colour::Green), 0);
    // No lower graph and none of the notes.
    EXPECT_EQ(colourIn(Whole, LabelMark), 0);
    EXPECT_EQ(countIn(QRect(10, 445, 400, 45),
                      [](ColourNumber c) { return c != 0 && c != Colour::Green; }),
              0);
    EXPECT_GT(inkIn(QRect(10, 10, 250, 28)), 100);
    EXPECT_FALSE(form->lblistruzioni->isHidden());

    // A start population outside 0..1 runs away too.
    form->txtx->setText(QStringLiteral("3,99"));
    form->Txtu->setText(QStringLiteral("1,5"));
    form->Cmdgrafico_Click();
    EXPECT_EQ(colourIn(Whole, LabelMark), 0);
    EXPECT_GT(inkIn(QRect(10, 10, 250, 28)), 100);
}

TEST_F(Verhulst, RightButtonOnTheGraphButtonPrintsItsPageOnACleanPicture) {
    form->Cmdgrafico_Click();
    form->Cmdgrafico_MouseDown(1, 0, 5, 5);
    EXPECT_GT(colourIn(Whole, Colour::Green), 500);  // left button: nothing here

    form->Cmdgrafico_MouseDown(2, 0, 5, 5);
    EXPECT_EQ(colourIn(Whole, Colour::Green), 0);

    EXPECT_GT(inkIn(QRect(10, 10, 480, 160)), 1000);
    EXPECT_GT(inkIn(QRect(10, 182, 400, 70)), 500);
    EXPECT_EQ(inkIn(QRect(0, 300, 500, 200)), 0);
}

TEST_F(Verhulst, TypedRangeDrawsTheDiagramAndTheGreenClosingLine) {
    form->lblistruzioni->hide();
    form->cmddisegna_Click();
    expectDiagram(Logistic::cambiamento(3.99, 2), 1, 465);
    EXPECT_GT(shadeIn(QRect(5, 470, 495, 25), Colour::Green), 300);
    EXPECT_FALSE(form->lblistruzioni->isHidden());
    EXPECT_EQ(form->txtx->text(), "3,99");
    EXPECT_EQ(picture->FontSize(), 10);
    EXPECT_EQ(picture->ForeColor(), Colour::Green);
}

TEST_F(Verhulst, StartIncrementAboveThreeForcesTheFinalIncrementToFour) {
    form->Txty->setText(QStringLiteral("3,4"));
    form->cmddisegna_Click();
    EXPECT_EQ(form->txtx->text(), "4");
    expectDiagram(Logistic::cambiamento(4, 3.4), 1, 465);

    // 4,5 is refused with a start of 2, but a start of 3,5 brings it to 4 first.
    form->txtx->setText(QStringLiteral("4,5"));
    form->Txty->setText(QStringLiteral("2"));
    form->cmddisegna_Click();
    expectDiagramErrorLines();
    EXPECT_EQ(form->txtx->text(), "4,5");
    form->Txty->setText(QStringLiteral("3,5"));
    form->cmddisegna_Click();
    EXPECT_EQ(form->txtx->text(), "4");
    expectDiagram(Logistic::cambiamento(4, 3.5), 1, 465);
}

TEST_F(Verhulst, TypedRangeOutsideItsBoundsGetsTheFiveRedLines) {
    form->lblistruzioni->hide();
    form->Txty->setText(QStringLiteral("0,1"));
    form->cmddisegna_Click();
    expectDiagramErrorLines();
    EXPECT_TRUE(form->lblistruzioni->isHidden());

    form->Txty->setText(QStringLiteral("2"));
    form->txtx->setText(QStringLiteral("1,9"));
    form->cmddisegna_Click();
    expectDiagramErrorLines();
    EXPECT_TRUE(form->lblistruzioni->isHidden());
}

TEST_F(Verhulst, ZoomTwoHalvesTheRangeOfTheTypedDiagram) {
    form->Txting->setText(QStringLiteral("2"));
    form->cmddisegna_Click();
    expectDiagram(Logistic::cambiamento(3.99, 2), 2, 465);
    // The left column is 3,3267, already in period 2.
    EXPECT_EQ(colourIn(QRect(0, 0, 1, 465), LabelMark), 2);
}

TEST_F(Verhulst, TypedDiagramEndsWithTheRedLinesOnABadBoxOrARunawayPopulation) {
    for (QLineEdit* box : {form->Txting, form->txtx, form->Txty, form->Txtu}) {
        const QString before = box->text();
        box->setText(QStringLiteral("a"));
        form->cmddisegna_Click();
        expectDiagramErrorLines();
        EXPECT_EQ(box->text(), "a");
        box->setText(before);
    }
    form->Txtu->setText(QStringLiteral("1,5"));
    form->cmddisegna_Click();
    expectDiagramErrorLines();
    form->Txtu->setText(QStringLiteral("0,18"));
    form->Txting->setText(QStringLiteral("0"));
    form->cmddisegna_Click();
    expectDiagramErrorLines();
}

TEST_F(Verhulst, PeriodOneDrawsItsCurveWritesItsValuesAndPrintsItsPage) {
    form->Cmdper1_Click();
    expectDiagram(Logistic::Periodo1, 1, 285);
    // The curve reaches row 20 where the increment is below 1.
    EXPECT_EQ(picture->Point(400, 20), LabelMark);
    EXPECT_EQ(picture->Point(479, 20), LabelMark);
    EXPECT_EQ(form->Txtu->text(), "0,12");
    EXPECT_EQ(form->txtx->text(), "2,9");
    EXPECT_FALSE(form->lblistruzioni->isHidden());
    EXPECT_GT(inkIn(QRect(30, 292, 400, 170)), 1000);
    EXPECT_GT(shadeIn(QRect(0, 440, 500, 60), Colour::Red), 300);
    EXPECT_EQ(picture->FontSize(), 8);
    EXPECT_EQ(picture->ForeColor(), Colour::White);

    // The values it wrote give the population graph of period 1.
    form->Cmdgrafico_Click();
    EXPECT_TRUE(dialogs->shown.empty());
    EXPECT_GT(colourIn(Whole, LabelMark), 15);
}

TEST_F(Verhulst, PeriodTwoAndFourWriteTheirValuesAndLeaveTheirTextSizes) {
    form->Cmdper2_Click();
    expectDiagram(Logistic::Periodo2, 1, 290);
    EXPECT_EQ(form->Txtu->text(), "0,4");
    EXPECT_EQ(form->txtx->text(), "3,2");
    EXPECT_GT(inkIn(QRect(30, 302, 400, 150)), 1000);
    EXPECT_EQ(picture->FontSize(), 14);
    EXPECT_EQ(picture->ForeColor(), Colour::White);

    // Period 4 also shows the start increment on the screen itself, at the top left.
    Canvas* screen = form->surface();
    int screenInk = 0;
    for (int x = 0; x < 30; ++x) {
        for (int y = 0; y < 14; ++y) {
            screenInk += screen->Point(x, y) != DarkGreen ? 1 : 0;
        }
    }
    EXPECT_EQ(screenInk, 0);
    form->Cmdper4_Click();
    for (int x = 0; x < 30; ++x) {
        for (int y = 0; y < 14; ++y) {
            screenInk += screen->Point(x, y) != DarkGreen ? 1 : 0;
        }
    }
    EXPECT_GT(screenInk, 5);
    expectDiagram(Logistic::Periodo4, 1, 340);
    EXPECT_EQ(form->Txtu->text(), "0,2");
    EXPECT_EQ(form->txtx->text(), "3,52");
    EXPECT_FALSE(form->lblistruzioni->isHidden());
    EXPECT_EQ(picture->FontSize(), 8);
    EXPECT_EQ(picture->ForeColor(), Colour::White);
}

TEST_F(Verhulst, AllPeriodsDrawsWritesItsValuesAndKeepsTheTitleHidden) {
    form->Cmdcaos_Click();
    expectDiagram(Logistic::Caos, 1, 370);
    EXPECT_EQ(form->Txtu->text(), "0,2");
    EXPECT_EQ(form->txtx->text(), "3,99");
    EXPECT_TRUE(form->lblistruzioni->isHidden());
    EXPECT_GT(shadeIn(QRect(0, 375, 500, 125), Colour::Red), 300);
    EXPECT_EQ(picture->FontSize(), 8);
    EXPECT_EQ(picture->ForeColor(), Colour::White);
}

TEST_F(Verhulst, RunawayPopulationOrABadBoxOnThePresetsStillGivesTheirPages) {
    using Handler = void (frmverhulst2::*)();
    for (Handler handler : {&frmverhulst2::Cmdper1_Click, &frmverhulst2::Cmdper2_Click,
                            &frmverhulst2::Cmdper4_Click, &frmverhulst2::Cmdcaos_Click}) {
        for (const char* population : {"1,5", "abc"}) {
            form->Txtu->setText(QLatin1String(population));
            (form.get()->*handler)();
            EXPECT_EQ(inkIn(QRect(0, 0, 500, 280)), 0) << population;
            EXPECT_GT(shadeIn(QRect(0, 280, 500, 220), Colour::Red), 300) << population;
            EXPECT_NE(form->Txtu->text(), population);
        }
        form->Txtu->setText(QStringLiteral("0,18"));
        form->Txting->setText(QStringLiteral("x"));
        (form.get()->*handler)();
        EXPECT_EQ(inkIn(QRect(0, 0, 500, 280)), 0);
        form->Txting->setText(QStringLiteral("1"));
    }
    // A start increment without a number is only not shown.
    form->Txty->setText(QStringLiteral("?"));
    form->Txtu->setText(QStringLiteral("0,18"));
    form->Cmdper4_Click();
    EXPECT_GT(colourIn(Whole, LabelMark), 400);
}

TEST_F(Verhulst, HelpPagesLeaveTheirTextSizeAndColour) {
    form->lblistruzioni_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(picture->FontSize(), 10);
    EXPECT_EQ(picture->ForeColor(), Colour::White);
    EXPECT_GT(shadeIn(Whole, Colour::Red), 500);
    EXPECT_GT(shadeIn(Whole, Colour::rgb(255, 255, 0)), 500);

    form->Lblincr_Click();
    EXPECT_EQ(picture->FontSize(), 8);
    EXPECT_EQ(picture->ForeColor(), Colour::White);
    EXPECT_GT(shadeIn(Whole, Colour::Red), 500);
    EXPECT_NE(picture->Point(10, 10), Colour::Red);  // cleared after its mark

    picture->setFontSize(12);
    picture->setForeColor(Colour::Green);
    form->lblpop_Click();
    EXPECT_EQ(picture->FontSize(), 12);
    EXPECT_EQ(picture->ForeColor(), Colour::Green);
    EXPECT_GT(shadeIn(QRect(0, 0, 500, 20), Colour::Green), 300);

    form->Lblpopini_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(picture->FontSize(), 8);
    EXPECT_EQ(picture->ForeColor(), Colour::White);

    picture->setForeColor(Colour::Green);
    form->cmddisegna_MouseDown(2, 0, 0, 0);
    EXPECT_EQ(picture->FontSize(), 8);
    EXPECT_EQ(picture->ForeColor(), Colour::Green);
    EXPECT_EQ(picture->Point(10, 10), Colour::Red);
}


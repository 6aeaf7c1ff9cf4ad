// The Verhulst screen as the pupil drives it: the population graphs and the diagrams
// against the plain recurrence, their error lines, and the pages.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "TestSupport.h"
#include "verhulst/Logistic.h"
#include "verhulst/frmverhulst2.h"

namespace {

constexpr ColourNumber Black = 0, Green = 65280, Mark = 200;
const QRect Whole(0, 0, 500, 500);

// One generation, with 1 - x and the new population held in single precision.
float generation(float x, double r) {
    return static_cast<float>((x * r) * static_cast<float>(1.0 - x));
}

using Verhulst = ScreenTest<frmverhulst2>;

}  // namespace

// Above, 60 generations joined 10 pixels apart, a red circle at the 21st; below, 31
// generations 25 apart and five times taller, each value marked 20 pixels above or
// below for its label; a comment only for the pairs typed exactly so. An increment out
// of 0,1..9,8 gets the message instead, a population that runs away ends the graphs
// where it leaves the range: both then print two lines at the top.
TEST_F(Verhulst, GraphsJoinEveryGenerationOfThePlainRecurrence) {
    Canvas* const picture = form->Picture1;
    enum Outcome { Drawn, Commented, Refused, RunAway };
    struct Case {
        const char *increment, *population;
        Outcome outcome;
    };
    for (const Case& c :
         {Case{"3,99", "0,18", Drawn}, Case{"2,5", "0,12", Commented}, Case{"2,50", "0,12", Drawn},
          Case{"3,5", "0,4", Commented}, Case{"3,2", "0,4", Drawn}, Case{"3,8", "0,2", Commented},
          Case{"0,1", "0,18", Drawn}, Case{"9,9", "0,18", Refused}, Case{"0,05", "0,18", Refused},
          Case{"3.5", "0,18", Refused}, Case{"1e400", "0,18", Refused},
          Case{"9,8", "0,18", RunAway}, Case{"3,99", "1,5", RunAway}}) {
        SCOPED_TRACE(std::string(c.increment) + " " + c.population);
        dialogs->shown.clear();
        form->txtx->setText(QLatin1String(c.increment));
        form->Txtu->setText(QLatin1String(c.population));
        RealInput::click(form->Cmdgrafico);
        ASSERT_EQ(dialogs->shown.size(), c.outcome == Refused ? 1u : 0u);
        if (c.outcome == Refused) {
            EXPECT_EQ(dialogs->shown[0].text,
                      "Numero inferiore a 0,1 oppure superiore a 9,8  oppure hai messo il punto "
                      "invece della virgola. ");
            EXPECT_EQ(dialogs->shown[0].buttons, Dialogs::Buttons::Ok);
        }
        EXPECT_EQ(inkIn(picture, QRect(10, 10, 250, 18), Black) > 100, c.outcome != Drawn);
        EXPECT_EQ(countIn(picture, Whole, Green) > 20, c.outcome != Refused);
        EXPECT_EQ(picture->Point(10, 10) == 1, c.outcome == Commented);
        EXPECT_FALSE(form->lblistruzioni->isHidden());
        if (c.outcome > Commented) {
            EXPECT_EQ(countIn(picture, Whole, Mark), 0);
            continue;
        }
        const double r = QString(c.increment).replace(',', '.').toDouble();
        const auto start = static_cast<float>(QString(c.population).replace(',', '.').toDouble());
        float x = start;
        double marked = 0;
        for (int i = 1; i <= 591; i += 10) {
            x = generation(x, r);
            const double y = 100 - 460.0 * x / 10;
            marked = i == 201 ? y : marked;
            EXPECT_EQ(picture->Point(i, std::lround(y)), i < 500 ? Green : -1) << i;
        }
        EXPECT_GT(countIn(picture, QRect(192, std::lround(marked) - 3, 13, 13), 255), 12);
        x = start;
        int marks = 0;
        for (int i = 0; i <= 750; i += 25) {
            x = generation(x, r);
            const long y = std::lround(400 - 460.0 * x / 2);
            EXPECT_EQ(picture->Point(i, y), i < 500 ? Green : -1) << i;
            marks += i < 500 && picture->Point(i, y + (i % 50 >= 10 ? 20 : -20)) == Mark;
        }
        EXPECT_EQ(marks, 20);
        // The notes at (10, 30) and (10, 440).
        EXPECT_GT(inkIn(picture, QRect(10, 30, 300, 12), Black), 100);
        EXPECT_GT(inkIn(picture, QRect(10, 445, 400, 45), Black), 300);
    }
}

// Column x shows the increment B + (480 - x) (F - B) / D; each column carries the
// population on from the one before, forgets it over 400 generations and marks the
// next 400. Each preset then writes its pair into the boxes and prints its page. Out
// of its range, or with a population that runs away, the typed diagram gives five red
// lines instead, and its title stays hidden.
TEST_F(Verhulst, EachDiagramIsThePlainRecurrenceOverItsRange) {
    Canvas* const picture = form->Picture1;
    struct Case {
        const char *button, *final, *start, *zoom, *population;
        double B, F, D;
        double (*row)(double p);  // none: refused
        int lastRow;              // the page or closing line starts below
        const char *populationAfter, *finalAfter;
        bool title;
    };
    const auto typed = [](double p) { return 500 - 485 * p; };
    const auto periods = [](double p) { return 500 - (480 * p + 20); };
    const char* d = "cmddisegna";
    // clang-format off
    for (const Case& c : {
             Case{d, "3,99", "2", "1", "0,18", 3.99, 2, 720, typed, 465, "0,18", "3,99", true},
             Case{d, "3,99", "3,4", "1", "0,18", 4, 3.4, 720, typed, 465, "0,18", "4", true},
             Case{d, "4,5", "3,5", "1", "0,18", 4, 3.5, 720, typed, 465, "0,18", "4", true},
             Case{d, "3,99", "2", "2", "0,18", 3.99, 2, 1440, typed, 465, "0,18", "3,99", true},
             Case{"Cmdcaos", "", "2", "1", "0,18", 3.99, 2, 720,
                  [](double p) { return 500 - (480 * p + 5); }, 370, "0,2", "3,99", false},
             Case{"Cmdper1", "", "2", "1", "0,18", 0.3, 2.99, 480,
                  [](double p) { return 400 * p + 20; }, 285, "0,12", "2,9", true},
             Case{"Cmdper2", "", "2", "2", "0,18", 3.2, 2.2, 960, periods, 290, "0,4", "3,2", true},
             Case{"Cmdper4", "", "3,3", "1", "0,18", 3.52, 1, 480, periods, 340, "0,2", "3,52", true},
             Case{d, "3,99", "0,1", "1", "0,18", 0, 0, 0, nullptr, 0, "0,18", "3,99", false},
             Case{d, "1,9", "2", "1", "0,18", 0, 0, 0, nullptr, 0, "0,18", "1,9", false},
             Case{d, "4,5", "2", "1", "0,18", 0, 0, 0, nullptr, 0, "0,18", "4,5", false},
             Case{d, "3,99", "2", "1", "1,5", 0, 0, 0, nullptr, 0, "1,5", "3,99", false},
             Case{d, "3,99", "2", "0", "0,18", 0, 0, 0, nullptr, 0, "0,18", "3,99", false},
         }) {
        // clang-format on
        SCOPED_TRACE(std::string(c.button) + " " + c.final + " " + c.start + " " + c.zoom + " " +
                     c.population);
        form->txtx->setText(QLatin1String(c.final));
        form->Txtu->setText(QLatin1String(c.population));
        form->Txty->setText(QLatin1String(c.start));
        form->Txting->setText(QLatin1String(c.zoom));
        RealInput::click(form->findChild<QPushButton*>(QLatin1String(c.button)));
        EXPECT_EQ(form->Txtu->text(), c.populationAfter);
        EXPECT_EQ(form->txtx->text(), c.finalAfter);
        EXPECT_EQ(form->lblistruzioni->isHidden(), !c.title);
        if (!c.row) {
            // Red text: the red channel alone.
            EXPECT_GT(countIf(picture, QRect(5, 380, 300, 75),
                              [](ColourNumber k) { return k > 0 && k <= 255; }),
                      500);
            EXPECT_EQ(inkIn(picture, QRect(0, 0, 500, 378), Black), 0);
            continue;
        }
        std::vector<ColourNumber> expected(500 * 500, Black);
        double p = 0.18;
        for (int j = 480; j >= 1; --j) {
            const double r = c.B + j * ((c.F - c.B) / c.D);
            for (int k = 0; k < 800; ++k) {
                p = (r * p) * (1 - p);
                const long y = std::lround(static_cast<float>(c.row(p)));
                if (k >= 400 && y >= 0 && y < 500) {
                    expected[y * 500 + 480 - j] = Mark;
                }
            }
        }
        int differences = 0;
        for (int i = 0; i < 500 * (c.lastRow + 1); ++i) {
            differences += picture->Point(i % 500, i / 500) != expected[i];
        }
        EXPECT_EQ(differences, 0);
        EXPECT_GT(countIn(picture, Whole, Mark), 400);
        EXPECT_GT(inkIn(picture, QRect(0, c.lastRow + 5, 500, 490 - c.lastRow), Black), 300);
    }
}

// The values beside the lower graph: seven significant digits, the decimal comma.
TEST(Logistic, PopulationsPrintWithSevenDigitsAndTheComma) {
    EXPECT_EQ(Logistic::printedPopulation(0.965949178f), " 0,9659492");
    EXPECT_EQ(Logistic::printedPopulation(-3.375f), "-3,375");
    EXPECT_EQ(Logistic::printedPopulation(12345678.f), " 12345680");
    EXPECT_EQ(Logistic::printedPopulation(1e-5f), " 1E-05");
}

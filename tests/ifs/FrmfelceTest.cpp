// The IFS screen as the pupil drives it: the six figures and the grid's own maps
// against a plain run of the maps, the stop, the error page and the pages.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cmath>
#include <vector>

#include "TestSupport.h"
#include "ifs/Frmfelce.h"
#include "ifs/IfsEngine.h"
#include "shell/Controls.h"
#include "shell/DecimalEntry.h"
#include "shell/Random.h"

namespace {

constexpr ColourNumber Black = 0, Red = 255, Green = 65280, Yellow = 65535, Blue = 16711680;
constexpr ColourNumber Pink = 16761087;
// Above the lines the runs print from row 400 down.
const QRect FigureArea(0, 0, 500, 398);
const QRect FinitoArea(190, 460, 80, 25);
// The first line of the error page, "Hai fatto uno di questi quattro errori.".
const QRect ErrorTitle(40, 300, 300, 18);
// Where the start grid's fern stands at the start scale.
const QRect Fern(200, 300, 50, 52);

// A map and the colour of its points: fixed, or that of colour box `box` (1..4).
struct Map {
    double a, b, c, d, e, f;
    ColourNumber colour;
    int box;
};

struct Figure {
    QPushButton* Frmfelce::*button;
    double N, s, X0, Y0;
    bool down, offsets;     // y grows downwards on screen; follows the offset boxes
    const char* loaded[3];  // txtnumcol, txtgr, txtcicli after a right click
    std::vector<Map> maps;
};

// clang-format off
const Figure Figures[] = {
    {&Frmfelce::Cmdalbero, 180000, 400, 220, 350, false, false, {"4", "400", "180000"},
     {{-0.01, 0.01, -0.01, 0.26, 0, -0.1, Red, 0}, {0.2, -0.66, 0.43, 0.22, -0.09, 0.2, Red, 0},
      {-0.75, 0.48, 0.26, 0.44, 0.09, 0.2, Yellow, 0}, {-0.65, 0.15, -0.15, 0.65, 0, 0.3, Blue, 0}}},
    {&Frmfelce::cmdfelce, 180000, 400, 220, 490, false, false, {"4", "400", "280000"},
     {{0, 0, 0, 0.16, 0, 0, Green, 0}, {0.2, -0.26, 0.23, 0.22, 0, 0.2, Green, 0},
      {-0.15, 0.28, 0.26, 0.24, 0, 0.2, Green, 0}, {0.85, 0.04, -0.04, 0.85, 0, 0.2, Green, 0}}},
    {&Frmfelce::Cmdpino, 250000, 400, 220, 510, false, false, {"4", "400", "22000"},
     {{0.043, 0, 0.2, 0.26, 0, 0.12, Red, 0}, {0.2, -0.2, 0.2, 0.22, 0.3, 0.23, Green, 0},
      {-0.15, 0.28, 0.26, 0.24, -0.3, 0.23, Yellow, 0}, {0.85, 0.04, -0.04, 0.85, 0, 0.2, Blue, 0}}},
    {&Frmfelce::cmdfalchi, 180000, 385, 250, 400, false, false, {"4", "400", "180000"},
     {{-0.5, -0.2, 0, 0.16, 0, -0.1, Red, 0}, {0.5, 0.2, -0.5, 0.12, 0.3, 0.33, Green, 0},
      {0.5, -0.2, 0.5, 0.13, -0.3, 0.33, Yellow, 0}, {-0.05, 0.2, -0.48, 0.12, -0.06, 0.33, Blue, 0}}},
    {&Frmfelce::cmdpolvere, 70000, 250, 50, 20, true, false, {"3", "250", "50000"},
     {{0.333, 0, 0, 0.333, 0, 0, Red, 0}, {0.333, 0, 0, 0.333, 0, 1, 0, 2},
      {0.667, 0, 0, 0.667, 0.5, 0.5, 0, 3}}},
    {&Frmfelce::cmdzig, 80000, 35, 280, 20, true, true, {"2", "35", "80000"},
     {{-0.632407, -0.614815, -0.54537, 0.659259, 3.840822, 1.282321, Red, 0},
      {-0.036111, 0.444444, 0.210185, -0.037037, 2.071081, 9.330552, 0, 2}}},
};
// clang-format on
// The colour boxes as the screen opens.
const int StartColours[4] = {2, 3, 4, 4};

// Pixels of the figure's area that differ from the maps run from (0, 0) with the
// generator from Seed, one pixel a point, as the screen must draw them; with `boxes`
// map k takes the colour of colour box k.
constexpr std::uint32_t Seed = 7;
int differences(const Canvas* picture, const std::vector<Map>& maps, double N, double s,
                QPointF origin, bool down, QPointF offset, bool boxes) {
    Random::seed(Seed);
    std::vector<ColourNumber> pixels(500 * 500, Black);
    double x = 0, y = 0;
    for (double i = 1; i <= N; ++i) {
        const float R = std::min(static_cast<float>(Random::next()), std::nextafter(1.0f, 0.0f));
        const int k = static_cast<int>(std::floor(R * static_cast<double>(maps.size())));
        const Map& m = maps[k];
        const int box = boxes ? k + 1 : m.box;
        const double x1 = m.a * x + m.b * y + m.e;
        y = m.c * x + m.d * y + m.f;
        x = x1;
        const long column = std::lround(static_cast<float>(origin.x() + s * x + offset.x()));
        const long row = std::lround(static_cast<float>(down ? origin.y() + s * y + offset.y()
                                                             : origin.y() - s * y + offset.y()));
        if (column >= 0 && column < 500 && row >= 0 && row <= FigureArea.bottom()) {
            pixels[row * 500 + column] = box ? Colour::QBColor(StartColours[box - 1]) : m.colour;
        }
    }
    EXPECT_GT(
        std::count_if(pixels.begin(), pixels.end(), [](ColourNumber c) { return c != Black; }), 0);
    int differ = 0;
    for (int i = 0; i < 500 * (FigureArea.bottom() + 1); ++i) {
        differ += picture->Point(i % 500, i / 500) != pixels[i];
    }
    return differ;
}

class IfsScreen : public ScreenTest<Frmfelce> {
  protected:
    QPushButton* button(const Figure& figure) const { return form.get()->*figure.button; }

    void expectIdle() const {
        EXPECT_EQ(form->Cmd4->text(), "Nuovo disegno");
        for (const Figure& figure : Figures) {
            EXPECT_TRUE(button(figure)->isEnabled()) << figure.N;
        }
        EXPECT_EQ(form->Picture1->MousePointer(), 0);
    }

    bool finished() const { return countIn(form->Picture1, FinitoArea, Red) > 30; }
};

}  // namespace

// Each figure is drawn at once; only the scribbles follow the offsets.
TEST_F(IfsScreen, ALeftClickDrawsTheFigureAsAPlainRunOfItsMaps) {
    form->Txtvx->setText(QStringLiteral("-30"));
    form->txtvy->setText(QStringLiteral("100"));
    for (const Figure& figure : Figures) {
        SCOPED_TRACE(button(figure)->text().toStdString());
        const bool four = figure.maps.size() == 4;
        const QString scale = form->txtgr->text();
        Random::seed(Seed);
        RealInput::click(button(figure));
        EXPECT_EQ(
            differences(form->Picture1, figure.maps, figure.N, figure.s, {figure.X0, figure.Y0},
                        figure.down, figure.offsets ? QPointF(-30, 100) : QPointF(), false),
            0);
        // "finito" in green where the waiting line was, and the advice under it.
        EXPECT_GT(countIf(form->Picture1, QRect(10, 420, 40, 14),
                          [](ColourNumber c) { return (c >> 8 & 255) > 100 && (c & 255) < 100; }),
                  10);
        EXPECT_GT(inkIn(form->Picture1, QRect(0, 434, 500, 46), Black), 300);
        EXPECT_EQ(form->txtnumcol->text(), figure.loaded[0]);
        EXPECT_EQ(form->txtgr->text(), four ? figure.loaded[1] : scale);
        EXPECT_EQ(backColor(form->Lblcolonna[3]), four ? Pink : Black);
        EXPECT_EQ(backColor(form->Lblcolonna[2]), figure.maps.size() == 2 ? Black : Pink);
        EXPECT_EQ(form->Txta[1]->text(), "0,2");  // only the right button loads the grid
    }
}

// The grid's maps from (220, 350) upwards, each in its colour box's colour, moved by
// the offsets, at the scale, count and cycles a right click on a figure loads; from
// two maps to four, blackened headers come back pink.
TEST_F(IfsScreen, NuovoDisegnoDrawsTheGridAsAPlainRunOfItsMaps) {
    struct Case {
        int loaded;          // the figure right-clicked first, or -1: the grid as it opens
        const char* cycles;  // typed after
        double dx, dy;
    };
    for (const Case& c : {Case{-1, "200", 0, 0}, Case{-1, "1", 0, 0}, Case{5, "5000", 0, 0},
                          Case{4, "5000", -150, 40}, Case{0, "20000", 10, -20.4},
                          Case{2, "22000", 0, 150}, Case{3, "5000", 0, 0}}) {
        const Figure& figure = Figures[c.loaded < 0 ? 1 : c.loaded];
        SCOPED_TRACE(button(figure)->text().toStdString() + " " + c.cycles);
        if (c.loaded >= 0) {
            RealInput::click(button(figure), Qt::RightButton);
            EXPECT_EQ(form->txtcicli->text(), figure.loaded[2]);
            for (std::size_t k = 0; k < 4; ++k) {
                EXPECT_EQ(backColor(form->Lblcolonna[k]), k < figure.maps.size() ? Pink : Black);
            }
        }
        form->txtcicli->setText(QLatin1String(c.cycles));
        DecimalEntry::write(form->Txtvx, c.dx);
        DecimalEntry::write(form->txtvy, c.dy);
        Random::seed(Seed);
        RealInput::click(form->Cmd4);
        const double s = c.loaded < 0 ? 40 : std::atof(figure.loaded[1]);
        EXPECT_EQ(differences(form->Picture1, figure.maps, std::atof(c.cycles), s, {220, 350},
                              false, {c.dx, c.dy}, true),
                  0);
        EXPECT_TRUE(finished());
        expectIdle();
    }
}

TEST_F(IfsScreen, ANumberTheRunCannotUseEndsItWithTheErrorPage) {
    struct Case {
        QLineEdit* box;
        const char *text, *maps;
        bool fails;
    };
    for (const Case& c : {
             Case{form->txtcol[1], "16", "4", true}, Case{form->txtcol[0], "-1", "4", true},
             Case{form->Txta[1], "1E300", "4", true}, Case{form->Txtvx, "1E300", "4", true},
             Case{form->Txta[3], "x", "3", true},      // a column left out is still read
             Case{form->txtcol[3], "16", "3", false},  // but not its colour
             Case{form->txtcol[0], "0", "4", false},   // black points
             Case{form->txtf[3], "0.2", "4", false},   // a point for the comma: a wrong figure
             Case{form->txtcicli, "0", "4", false},    // no point at all
         }) {
        SCOPED_TRACE(c.box->objectName().toStdString() + " " + c.text);
        const QString before = c.box->text();
        c.box->setText(QLatin1String(c.text));
        form->txtnumcol->setText(QLatin1String(c.maps));
        RealInput::click(form->Cmd4);
        EXPECT_EQ(inkIn(form->Picture1, ErrorTitle, Black) > 100, c.fails);
        EXPECT_EQ(finished(), !c.fails);
        expectIdle();
        c.box->setText(before);
    }
}

// "Stop" is the same button clicked while the figure draws. Meanwhile the figure
// buttons are off, a typed offset moves the next points and a label prints its page.
TEST_F(IfsScreen, TheSameButtonStopsTheRunWithoutAStrayPoint) {
    Canvas* picture = form->Picture1;
    form->txtcicli->setText(QStringLiteral("5000000"));
    int step = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (step == 0 && inkIn(picture, Fern, Black) > 0) {
            step = 1;
            EXPECT_EQ(form->Cmd4->text(), "Stop");
            RealInput::click(form->cmdpolvere, Qt::RightButton);
            RealInput::click(form->txtvy);
            RealInput::key(form.get(), Qt::Key_A, Qt::ControlModifier);
            RealInput::type(form.get(), QStringLiteral("100"));
            RealInput::click(form->lblcicli);
        } else if (step == 1 && inkIn(picture, Fern.translated(0, 100), Black) > 0) {
            step = 2;
            EXPECT_EQ(inkIn(picture, Fern, Black), 0);
            EXPECT_GT(inkIn(picture, QRect(40, 250, 300, 14), Black), 50);
            RealInput::click(form->Cmd4);
        }
    });
    timer.start(0);
    RealInput::click(form->Cmd4);
    timer.stop();
    ASSERT_EQ(step, 2);
    expectIdle();
    EXPECT_EQ(form->txtgr->text(), "40");
    EXPECT_EQ(inkIn(picture, FigureArea, Black), 0);
    EXPECT_GT(inkIn(picture, QRect(10, 400, 250, 14), Black), 50);
    EXPECT_FALSE(finished());
}

// The run returns without touching the closed or deleted screen.
TEST_F(IfsScreen, ClosingOrUnloadingTheScreenEndsTheRunQuietly) {
    form->txtcicli->setText(QStringLiteral("5000000"));
    QTimer::singleShot(0, [&] { form->close(); });
    form->Cmd4_Click();
    EXPECT_FALSE(finished());
    expectIdle();
    QTimer::singleShot(0, [&] { form.reset(); });
    form->Cmd4_Click();
}

// Each label prints its page from where it begins, in place of what was drawn.
TEST_F(IfsScreen, EveryLabelPrintsItsPageWhereItBegins) {
    const std::pair<QWidget*, QPoint> pages[] = {
        {form->lblistruz, {0, 0}},   {form->Lblcolonna[2], {5, 150}}, {form->lblcicli, {40, 250}},
        {form->Lblcol, {40, 250}},   {form->Lblor, {40, 250}},        {form->lblver, {40, 250}},
        {form->lblriga[4], {2, 250}}};
    for (const auto& [label, at] : pages) {
        SCOPED_TRACE(label->objectName().toStdString());
        form->Picture1->PSet(499, 499, Red);
        RealInput::click(label);
        EXPECT_EQ(form->Picture1->Point(499, 499), Black);
        EXPECT_GT(inkIn(form->Picture1, QRect(at, QSize(300, 14)), Black), 100);
        EXPECT_EQ(inkIn(form->Picture1, QRect(0, 0, 500, at.y()), Black), 0);
    }
}

// A random number just below 1 rounds up to 1 in single precision; it must still
// choose the last map, not one past it.
TEST(IfsEngine, ARandomNumberJustBelowOneChoosesTheLastMap) {
    for (const double n : {4.0, 3.0, 2.0}) {
        EXPECT_EQ(Ifs::chooseMap(Ifs::toSingleRandom(1.0 - 1e-9), n), n);
    }
}

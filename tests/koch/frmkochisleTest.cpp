#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPushButton>
#include <cmath>

#include "koch/KochIsland.h"
#include "koch/frmkochisle.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"

namespace {

constexpr ColourNumber Yellow = 65535;
constexpr ColourNumber LightCyan = Colour::rgb(192, 255, 255);

struct Ink {
    int pixels = 0;
    long long red = 0, green = 0, blue = 0;
};

// What is drawn in an area of a black picture, with the sums of its colour parts.
Ink inkIn(const Canvas* canvas, const QRect& area) {
    Ink ink;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const ColourNumber colour = canvas->Point(x, y);
            if (colour != Colour::Black) {
                ++ink.pixels;
                ink.red += colour & 0xFF;
                ink.green += (colour >> 8) & 0xFF;
                ink.blue += (colour >> 16) & 0xFF;
            }
        }
    }
    return ink;
}

int count(const Canvas* canvas, ColourNumber colour) {
    int found = 0;
    for (int x = 0; x < canvas->width(); ++x) {
        for (int y = 0; y < canvas->height(); ++y) {
            found += canvas->Point(x, y) == colour ? 1 : 0;
        }
    }
    return found;
}

// The ink of the stage-button hint printed at (10, 480), left of the circle.
const QRect HintArea(10, 478, 140, 20);

// Notes, each time the picture is painted, whether the complete series' triangle and
// its first transformation are on it.
class PaintWatcher : public QObject {
  public:
    explicit PaintWatcher(Canvas* canvas) : canvas_(canvas) { canvas->installEventFilter(this); }
    bool sawTriangleAlone = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && canvas_->Point(237, 275) == Colour::White &&
            canvas_->Point(40, 180) != Colour::Blue) {
            sawTriangleAlone = true;
        }
        return false;
    }

  private:
    Canvas* canvas_;
};

class KochScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
        form = std::make_unique<frmkochisle>();
        form->showScreen();
    }

    std::unique_ptr<frmkochisle> form;
    ScriptedDialogs* dialogs = nullptr;
};

}  // namespace

TEST_F(KochScreen, PlacesItsControlsAroundTheCentreOfA1024By768Display) {
    EXPECT_EQ(form->windowTitle(), "Isola di  Von Koch");
    EXPECT_EQ(form->surface()->BackColor(), Colour::rgb(0, 64, 0));
    EXPECT_EQ(form->surface()->Point(5, 5), Colour::rgb(0, 64, 0));
    EXPECT_EQ(form->Picture1->Point(5, 5), Colour::Black);
    EXPECT_EQ(form->frameGeometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(form->Picture1->geometry(), QRect(262, 104, 500, 520));
    EXPECT_EQ(form->Cmd1->geometry(), QRect(762, 134, 80, 60));
    EXPECT_EQ(form->Cmd2->geometry(), QRect(762, 199, 80, 60));
    EXPECT_EQ(form->Cmd3->geometry(), QRect(762, 264, 80, 60));
    EXPECT_EQ(form->Cmd4->geometry(), QRect(762, 329, 80, 60));
    EXPECT_EQ(form->Cmd5->geometry(), QRect(762, 394, 80, 60));
    EXPECT_EQ(form->cmdinizio->geometry(), QRect(182, 574, 80, 40));
    EXPECT_EQ(form->cmddisegna->geometry(), QRect(762, 534, 90, 80));
    EXPECT_EQ(form->Cmdcompleta->geometry(), QRect(182, 114, 80, 80));
    for (QWidget* control : std::initializer_list<QWidget*>{
             form->Picture1, form->Cmd1, form->Cmd2, form->Cmd3, form->Cmd4, form->Cmd5,
             form->cmdinizio, form->cmddisegna, form->Cmdcompleta}) {
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    }
}

TEST_F(KochScreen, TriangleStandsInsideTheBlueCircleWithTheHintBelow) {
    form->Cmd1_Click();
    Canvas* picture = form->Picture1;
    // The base from (45, 371) to (455, 371), the apex near (250, 16).
    EXPECT_EQ(picture->Point(46, 371), Colour::White);
    EXPECT_EQ(picture->Point(250, 371), Colour::White);
    EXPECT_EQ(picture->Point(454, 371), Colour::White);
    EXPECT_EQ(picture->Point(250, 16), Colour::White);
    EXPECT_EQ(picture->Point(250, 200), Colour::Black);
    // The circle of radius 240 around (250, 250).
    EXPECT_EQ(picture->Point(10, 250), Colour::Blue);
    EXPECT_EQ(picture->Point(490, 250), Colour::Blue);
    EXPECT_EQ(picture->Point(250, 490), Colour::Blue);
    EXPECT_GT(inkIn(picture, QRect(12, 10, 140, 12)).pixels, 100);
    EXPECT_GT(inkIn(picture, HintArea).pixels, 100);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(KochScreen, FirstTransformationDrawsTheBlueStarOverTheTriangle) {
    form->Cmd1_Click();
    form->Cmd2_Click();
    Canvas* picture = form->Picture1;
    // The outer thirds of the base turn blue, the middle third stays white.
    EXPECT_EQ(picture->Point(100, 371), Colour::Blue);
    EXPECT_EQ(picture->Point(400, 371), Colour::Blue);
    EXPECT_EQ(picture->Point(250, 371), Colour::White);
    // The point of the star under the base, at about (249.75, 489.2).
    EXPECT_EQ(picture->Point(250, 489), Colour::Blue);
    // Halfway down its first side.
    const KochIsland::Point mid{181.5 + std::cos(KochIsland::HalfTurn / 3) * 68.25,
                                371 + std::sin(KochIsland::HalfTurn / 3) * 68.25};
    EXPECT_EQ(
        picture->Point(static_cast<int>(std::lround(mid.x)), static_cast<int>(std::lround(mid.y))),
        Colour::Blue);
}

TEST_F(KochScreen, EachLaterStageDrawsOverThePictureInItsColour) {
    form->Cmd1_Click();
    form->Cmd2_Click();
    form->Cmd3_Click();
    EXPECT_EQ(form->Picture1->Point(60, 371), Colour::Red);
    EXPECT_EQ(form->Picture1->Point(250, 371), Colour::White);
    form->Cmd4_Click();
    EXPECT_EQ(form->Picture1->Point(52, 371), Colour::Green);
    EXPECT_EQ(form->Picture1->Point(65, 371), Colour::Red);
    form->Cmd5_Click();
    EXPECT_EQ(form->Picture1->Point(47, 371), Yellow);
    EXPECT_EQ(form->Picture1->Point(52, 371), Colour::Green);
    EXPECT_EQ(form->Picture1->Point(10, 250), Colour::Blue);
}

TEST_F(KochScreen, FourthTransformationAloneDrawsOnlyTheYellowIslandAndItsTwoLines) {
    form->Cmd5_Click();
    Canvas* picture = form->Picture1;
    EXPECT_GT(count(picture, Yellow), 1000);
    EXPECT_EQ(count(picture, Colour::White), 0);
    EXPECT_EQ(count(picture, Colour::Blue), 0);
    EXPECT_EQ(picture->Point(46, 371), Yellow);
    // Two lines of text from (10, 480) down, nothing above them but the island.
    EXPECT_GT(inkIn(picture, HintArea).pixels, 100);
    EXPECT_GT(inkIn(picture, QRect(0, 494, 140, 12)).pixels, 100);
    for (int x = 0; x < 500; ++x) {
        for (int y = 0; y < 470; ++y) {
            const ColourNumber colour = picture->Point(x, y);
            ASSERT_TRUE(colour == Colour::Black || colour == Yellow) << x << "," << y;
        }
    }
}

TEST_F(KochScreen, CompleteSeriesShowsItsFiveFiguresInTheirPlacesAfterTheTriangleAlone) {
    form->Cmd1_Click();
    // The window is on the screen, as when the pupil clicks.
    QCoreApplication::processEvents();
    PaintWatcher watcher(form->Picture1);
    form->cmddisegna_Click();
    Canvas* picture = form->Picture1;
    // The earlier picture is gone.
    EXPECT_EQ(picture->Point(250, 371), Colour::Black);
    EXPECT_EQ(picture->Point(10, 250), Colour::Black);
    // Middle: the triangle from (145, 275), 185 long.
    EXPECT_EQ(picture->Point(237, 275), Colour::White);
    const KochIsland::Point apex = KochIsland::stage(0, {145, 275}, 185)[1].to;
    EXPECT_EQ(picture->Point(static_cast<int>(std::lround(apex.x)),
                             static_cast<int>(std::lround(apex.y))),
              Colour::White);
    // Above left the first transformation, above right the second.
    EXPECT_EQ(picture->Point(40, 180), Colour::Blue);
    EXPECT_EQ(picture->Point(310, 180), Colour::Red);
    // Below left the third, below right the fourth.
    EXPECT_EQ(picture->Point(33, 425), Colour::Green);
    EXPECT_EQ(picture->Point(286, 425), Yellow);
    // Each figure keeps to its own quarter.
    for (int x = 0; x < 250; ++x) {
        for (int y = 0; y < 250; ++y) {
            const ColourNumber colour = picture->Point(x, y);
            ASSERT_TRUE(colour != Colour::Red && colour != Colour::Green && colour != Yellow)
                << x << "," << y;
        }
    }
    EXPECT_GT(inkIn(picture, QRect(12, 10, 140, 12)).pixels, 100);
    EXPECT_GT(inkIn(picture, HintArea).pixels, 100);
    EXPECT_TRUE(watcher.sawTriangleAlone);
}

TEST_F(KochScreen, PageClearsThePictureAndLeavesTheTextColourWhite) {
    form->Cmd1_Click();
    // Before the page the texts print in light cyan: red lower than green and blue.
    const Ink cyan = inkIn(form->Picture1, HintArea);
    ASSERT_GT(cyan.pixels, 100);
    EXPECT_LT(cyan.red * 10, cyan.green * 8);
    EXPECT_EQ(cyan.green, cyan.blue);

    form->Cmdcompleta_Click();
    Canvas* picture = form->Picture1;
    EXPECT_EQ(picture->ForeColor(), Colour::White);
    EXPECT_EQ(count(picture, Colour::Blue), 0);
    EXPECT_EQ(picture->Point(250, 371), Colour::Black);
    // Nine lines from (10, 10) in light cyan, then one in green.
    const Ink page = inkIn(picture, QRect(0, 8, 500, 12 * 9));
    EXPECT_GT(page.pixels, 1000);
    EXPECT_LT(page.red * 10, page.green * 8);
    EXPECT_GT(page.blue, 0);
    const Ink green = inkIn(picture, QRect(0, 10 + 9 * 12 + 4, 500, 10));
    EXPECT_GT(green.pixels, 100);
    EXPECT_EQ(green.red, 0);
    EXPECT_EQ(green.blue, 0);
    EXPECT_EQ(inkIn(picture, QRect(0, 160, 500, 360)).pixels, 0);

    // Later drawings print in white.
    form->Cmd1_Click();
    const Ink white = inkIn(form->Picture1, HintArea);
    ASSERT_GT(white.pixels, 100);
    EXPECT_EQ(white.red, white.green);
    EXPECT_EQ(white.green, white.blue);
}

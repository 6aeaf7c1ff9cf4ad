#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <set>

#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Random.h"
#include "shell/Screens.h"
#include "shell/SplashPicture.h"
#include "shell/frmlancio2.h"

namespace {

TEST(SplashPicture, ChoosesRFrom1To1000AndSFrom1To10) {
    Random::seed(12345);
    std::set<int> rs;
    std::set<int> ss;
    for (int draw = 0; draw < 20000; ++draw) {
        const SplashPicture::Choice choice = SplashPicture::choose();
        ASSERT_GE(choice.R, 1);
        ASSERT_LE(choice.R, 1000);
        ASSERT_GE(choice.S, 1);
        ASSERT_LE(choice.S, 10);
        rs.insert(choice.R);
        ss.insert(choice.S);
        EXPECT_EQ(SplashPicture::showsJulia(choice), choice.S <= 7);
    }
    EXPECT_EQ(rs.size(), 1000u);
    EXPECT_EQ(ss.size(), 10u);
}

TEST(SplashPicture, ColoursByTheCountOfTheEscapeAndLeavesTheSetBlack) {
    constexpr int Rows = SplashPicture::Rows;
    // Column 1, row 1 lies far outside and escapes at the first step.
    const auto julia = SplashPicture::julia(1, 7);
    ASSERT_EQ(julia.size(), 220u * 140u);
    EXPECT_EQ(julia[0], 1 * 1000 * 7);
    const auto mandelbrot = SplashPicture::mandelbrot(9);
    EXPECT_EQ(mandelbrot[0], 1 * 100000 * 9);
    // Column 120, row 65 is c = -0,5 - 0,0025i, inside the main cardioid.
    EXPECT_EQ(mandelbrot[(120 - 1) * Rows + (65 - 1)], Colour::Black);
    // Every colour is a count times the tint, at most 41 (Julia) or 31 steps.
    int black = 0;
    for (ColourNumber colour : julia) {
        EXPECT_EQ(colour % 7000, 0);
        EXPECT_LE(colour, 41 * 7000);
        black += colour == 0 ? 1 : 0;
    }
    EXPECT_GT(black, 0);
    for (ColourNumber colour : mandelbrot) {
        EXPECT_EQ(colour % 900000, 0);
        EXPECT_LE(colour, 31 * 900000);
    }
    // The five Julia sets differ: the constant moves along the real axis.
    EXPECT_NE(SplashPicture::julia(1, 7), SplashPicture::julia(5, 7));
}

// The closing caption printed in red from (400, 240).
void expectRedCaption(Canvas* s) {
    int ink = 0;
    int red = 0;
    for (int x = 400; x < 540; ++x) {
        for (int y = 240; y < 256; ++y) {
            ink += s->Point(x, y) != s->BackColor() ? 1 : 0;
            red += s->Point(x, y) == Colour::Red ? 1 : 0;
        }
    }
    EXPECT_GT(ink, 50);
    EXPECT_GT(red, 0);
}

class Splash : public ::testing::Test {
  protected:
    void SetUp() override { splash = static_cast<frmlancio2*>(Screens::show("frmlancio2")); }
    void TearDown() override { Screens::unloadAll(); }

    // Redraws until the branch wanted comes up: the choice is random.
    void drawBranch(bool julia) {
        for (int attempt = 0; attempt < 400; ++attempt) {
            if ((splash->Timer1->interval() == 10000) == julia) {
                return;
            }
            splash->Picture1_Click();
        }
        FAIL() << "the branch never came up";
    }

    frmlancio2* splash = nullptr;
};

TEST_F(Splash, OpensCentredWithItsTitleCreditAndHint) {
    EXPECT_EQ(splash->windowTitle(), "Presentazione");
    EXPECT_EQ(splash->surface()->size(), QSize(540, 311));
    EXPECT_EQ(splash->geometry().center(), QRect(0, 0, 1024, 768).center());
    EXPECT_EQ(splash->Picture1->geometry(), QRect(168, 104, 217, 137));
    EXPECT_EQ(splash->Label1->text(), "L'insieme  di  Mandelbrot   e  di  Julia");
    EXPECT_EQ(splash->Label1->geometry(), QRect(64, 8, 481, 33));
    EXPECT_TRUE(splash->Label1->font().bold());
    EXPECT_EQ(splash->Label1->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_FALSE(splash->Label2->text().isEmpty());
    EXPECT_EQ(splash->Label2->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(splash->Label4->text(), "Da  il meglio  con  risoluzione  1024x768 ");
    EXPECT_TRUE(splash->Timer1->isActive());
    EXPECT_TRUE(splash->Picture1->hasFocus() || !splash->isActiveWindow());
}

TEST_F(Splash, TheMandelbrotBranchKeepsTheFrameNailAndCordsAndWaitsFourSeconds) {
    drawBranch(false);
    Canvas* s = splash->surface();
    EXPECT_EQ(splash->Timer1->interval(), 4000);
    EXPECT_TRUE(splash->Timer1->isActive());
    // The outermost and innermost of the ten rectangles.
    EXPECT_EQ(s->Point(156, 93), 1000);
    EXPECT_EQ(s->Point(396, 251), 1000);
    EXPECT_EQ(s->Point(165, 102), 10000);
    EXPECT_EQ(s->Point(387, 242), 10000);
    EXPECT_EQ(s->Point(276, 71), Colour::Black);  // the nail
    EXPECT_EQ(s->Point(162, 92), Colour::Red);    // the cords' ends
    EXPECT_EQ(s->Point(390, 92), Colour::Red);
    // The picture: its first drawn pixel escapes at once, tinted by S from 8 to 10.
    const ColourNumber first = splash->Picture1->Point(1, 1);
    EXPECT_TRUE(first == 800000 || first == 900000 || first == 1000000) << first;
    EXPECT_EQ(splash->Picture1->Point(119, 64), Colour::Black);
    // " INSIEME DI MANDELBROT" from (400, 240).
    expectRedCaption(s);
}

TEST_F(Splash, TheJuliaBranchClearsTheFrameAndWaitsTenSeconds) {
    drawBranch(true);
    Canvas* s = splash->surface();
    EXPECT_EQ(splash->Timer1->interval(), 10000);
    EXPECT_EQ(s->Point(156, 93), s->BackColor());
    EXPECT_EQ(s->Point(276, 71), s->BackColor());
    // The last of the five sets is the one left on show.
    const ColourNumber first = splash->Picture1->Point(1, 1);
    EXPECT_EQ(first % 1000, 0);
    EXPECT_GE(first, 1000);
    EXPECT_LE(first, 1000000 & 0xFFFFFF);
    expectRedCaption(s);
}

TEST_F(Splash, TheTickHandsOverToTheExplorerAndUnloadsTheSplash) {
    QPointer<frmlancio2> watched = splash;
    EXPECT_EQ(Screens::find("frmMandel"), nullptr);
    splash->Timer1_Timer();
    Form* explorer = Screens::find("frmMandel");
    ASSERT_NE(explorer, nullptr);
    EXPECT_TRUE(explorer->isLoaded());
    EXPECT_TRUE(explorer->isVisible());
    EXPECT_FALSE(watched->Timer1->isActive());
    EXPECT_EQ(Screens::find("frmlancio2"), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
}

TEST_F(Splash, AClickOnTheScreenShowsTheExplorerAtOnceAndTheSplashStaysUntilItsTick) {
    splash->Form_Click();
    Form* explorer = Screens::find("frmMandel");
    ASSERT_NE(explorer, nullptr);
    EXPECT_TRUE(explorer->isVisible());
    EXPECT_EQ(Screens::find("frmlancio2"), splash);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->Timer1->isActive());

    // A click on a label is not a click on the screen.
    Screens::unload("frmMandel");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(splash->Label4, &press);
    QCoreApplication::sendEvent(splash->Label4, &release);
    EXPECT_EQ(Screens::find("frmMandel"), nullptr);
    explorer = Screens::show("frmMandel");

    // The tick later brings the same explorer forward: it is loaded only once.
    splash->Timer1_Timer();
    EXPECT_EQ(Screens::find("frmMandel"), explorer);
    EXPECT_EQ(Screens::find("frmlancio2"), nullptr);
}

TEST(Registry, LoadsAScreenOnceKeepsItsStateAndForgetsItWhenUnloaded) {
    Form* first = Screens::show("frmkochisle");
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isLoaded());
    first->setWindowTitle("segnato");
    EXPECT_EQ(Screens::show("frmkochisle"), first);
    EXPECT_EQ(first->windowTitle(), "segnato");

    // Closing the window unloads it: the next showing loads a new one.
    QPointer<Form> closed = first;
    first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(Screens::find("frmkochisle"), nullptr);
    Form* second = Screens::show("frmkochisle");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowTitle(), "Isola di  Von Koch");
    EXPECT_EQ(Screens::show("nessuno"), nullptr);
    Screens::unloadAll();
    EXPECT_EQ(Screens::find("frmkochisle"), nullptr);
}

}  // namespace

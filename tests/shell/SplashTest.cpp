#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

#include "TestSupport.h"
#include "shell/Screens.h"
#include "shell/frmlancio2.h"

namespace {

// Steps of z -> z^2 + a - (b1 + b2)i from x + yi until |z|^2 > 4, or 0 if it stays
// within the limit.
int escape(double x, double y, double a, double b1, double b2, int limit) {
    double m = 0;
    int n = 0;
    do {
        ++n;
        const double next = x * x - y * y + a;
        y = 2 * x * y - b1 - b2;
        x = next;
        m = x * x + y * y;
    } while (!(m > 4 || n > limit));
    return m > 4 ? n : 0;
}

// The frame, nail and cords around the picture.
// clang-format off
const std::pair<QPoint, ColourNumber> Frame[] = {{{156, 93}, 1000}, {{396, 251}, 1000},
    {{165, 102}, 10000}, {{387, 242}, 10000}, {{276, 71}, Colour::Black},
    {{162, 92}, Colour::Red}, {{390, 92}, Colour::Red}};
// clang-format on

class Splash : public ScriptedTest {
  protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        splash = static_cast<frmlancio2*>(Screens::show(QStringLiteral("frmlancio2")));
        RealInput::activate(splash);
    }
    void TearDown() override { Screens::unloadAll(); }

    frmlancio2* splash = nullptr;
};

}  // namespace

// Each click on the picture draws again, Julia sets or the Mandelbrot set at random.
TEST_F(Splash, DrawsTheLastJuliaSetUnframedOrTheFramedMandelbrotSetPointForPoint) {
    for (const bool julia : {true, false}) {
        SCOPED_TRACE(julia ? "Julia" : "Mandelbrot");
        for (int n = 0; n < 400 && (splash->Timer1->interval() == 10000) != julia; ++n) {
            RealInput::click(splash->Picture1);
        }
        ASSERT_TRUE(splash->Timer1->isActive());
        // The first point escapes at the first step, so its colour is the tint.
        const Canvas* picture = splash->Picture1;
        const ColourNumber tint = picture->Point(1, 1);
        ASSERT_TRUE(julia ? tint % 1000 == 0 && tint >= 1000 && tint <= 1000000
                          : tint == 800000 || tint == 900000 || tint == 1000000)
            << tint;
        int wrong = 0;
        double u = 0;
        for (int col = 1; col < 217; ++col) {
            u += static_cast<double>(0.015f);
            double v = 0;
            for (int row = 1; row < 137; ++row) {
                v += static_cast<double>(0.0175f);
                const int n = julia ? escape(-2.3 + col * 2.5 / 110, 1.48 - row * 2.5 / 110,
                                             0.1 + 5 / 20.0, 0.1, 0.4, 40)
                                    : escape(0, 0, -2.3 + u, 1.14 - v, 0, 30);
                wrong += picture->Point(col, row) != ((n * tint) & 0xFFFFFF) ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0);
        const Canvas* s = splash->surface();
        for (const auto& [at, colour] : Frame) {
            EXPECT_EQ(s->Point(at.x(), at.y()), julia ? s->BackColor() : colour) << at.x();
        }
        // " INSIEMI DI GIULIA" or " INSIEME DI MANDELBROT" in red from (400, 240).
        EXPECT_GT(inkIn(s, QRect(400, 240, 140, 16), s->BackColor()), 50);
        EXPECT_GT(countIn(s, QRect(400, 240, 140, 16), Colour::Red), 0);
    }
}

TEST_F(Splash, AClickShowsTheExplorerAtOnceAndTheTickHandsOverAndUnloadsTheSplash) {
    QPointer<frmlancio2> watched = splash;
    RealInput::click(splash->Label4);  // a label's click is not the screen's
    // Nor is a press on the picture let go off it a click on the picture.
    QSignalSpy pictureClicks(splash->Picture1, &Canvas::clicked);
    RealInput::pressAt(splash->Picture1, {5, 5});
    RealInput::releaseAt(splash->surface(), {5, 5});
    EXPECT_EQ(pictureClicks.count(), 0);
    EXPECT_EQ(Screens::find(QStringLiteral("frmMandel")), nullptr);
    RealInput::clickAt(splash->surface(), QPoint(20, 290));
    Form* explorer = Screens::find(QStringLiteral("frmMandel"));
    ASSERT_NE(explorer, nullptr);
    EXPECT_TRUE(explorer->isVisible());
    EXPECT_TRUE(splash->isVisible() && splash->Timer1->isActive());
    splash->Timer1->start(1);
    EXPECT_TRUE(QTest::qWaitFor([&watched] { return watched.isNull(); }));
    EXPECT_EQ(Screens::find(QStringLiteral("frmlancio2")), nullptr);
    EXPECT_EQ(Screens::find(QStringLiteral("frmMandel")), explorer);
}

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <cmath>
#include <functional>

#include "henon/HenonMap.h"
#include "henon/frmattratHenon.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"
#include "shell/Fonts.h"
#include "shell/Random.h"

namespace {

constexpr std::uint32_t Seed = 2024;
constexpr ColourNumber ScreenBack = 16384;
const QString NotANumber = QStringLiteral(
    "Negli ingrandimenti ci vuole un numero: scrivilo con la virgola come separatore "
    "decimale, per esempio 2,5.");

// How many numbers the generator has given since it was seeded (up to a limit).
long long drawsSinceSeed(long long limit) {
    const double now = Random::next();
    Random::seed(Seed);
    for (long long i = 0; i <= limit; ++i) {
        if (Random::next() == now) {
            return i;
        }
    }
    return -1;
}

int inkIn(const Canvas* canvas, const QRect& area, ColourNumber background) {
    int ink = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            ink += canvas->Point(x, y) != background ? 1 : 0;
        }
    }
    return ink;
}

// Delivers a call once the drawing yields, as a click during the drawing would.
void duringTheDrawing(QObject* context, std::function<void()> call) {
    QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
    QThread::msleep(20);  // the first look at the events is then due at once
}

class HenonScreen : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
        form = std::make_unique<frmattratHenon>();
        form->showScreen();
        Random::seed(Seed);
    }

    // The "Terminato!" line at (cx - 355, cy - 100) on the screen itself.
    int endNoteInk() const { return inkIn(form->surface(), QRect(158, 286, 100, 14), ScreenBack); }

    std::unique_ptr<frmattratHenon> form;
    ScriptedDialogs* dialogs = nullptr;
};

}  // namespace

TEST_F(HenonScreen, PlacesItsControlsAroundTheCentreOfA1024By768Display) {
    EXPECT_EQ(form->windowTitle(), "attrattore di Henon");
    EXPECT_EQ(form->frameGeometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(form->Picture1->geometry(), QRect(262, 134, 500, 500));
    EXPECT_EQ(form->cmdInizio->geometry(), QRect(182, 574, 80, 60));
    EXPECT_EQ(form->cmddisegna->geometry(), QRect(197, 334, 65, 100));
    EXPECT_EQ(form->lblatrattore->geometry(), QRect(462, 104, 300, 30));
    EXPECT_EQ(form->lblingr->geometry(), QRect(262, 104, 150, 30));
    EXPECT_EQ(form->Txtx->geometry(), QRect(412, 104, 40, 30));
    for (QWidget* control :
         std::initializer_list<QWidget*>{form->Picture1, form->cmdInizio, form->cmddisegna,
                                         form->lblatrattore, form->lblingr, form->Txtx}) {
        EXPECT_TRUE(control->isVisible()) << control->objectName().toStdString();
    }
}

TEST_F(HenonScreen, MagnificationOneDraws32000PointsInRandomColoursThenSaysTerminato) {
    form->cmddisegna_Click();
    EXPECT_EQ(drawsSinceSeed(40000), 32000);

    // Each pixel holds the colour of the last point that fell on it.
    Random::seed(Seed);
    QHash<QPoint, ColourNumber> expected;
    HenonMap::Point p = HenonMap::Start;
    for (int i = 0; i < 32000; ++i) {
        p = HenonMap::next(p);
        const ColourNumber colour = HenonMap::colour(Random::next(), 32000);
        const auto pixel = HenonMap::pixel(p, 1);
        expected.insert(QPoint(static_cast<int>(std::lround(pixel->x)),
                               static_cast<int>(std::lround(pixel->y))),
                        colour);
    }
    // The first point, (106.5, 329), is the lowest of the figure.
    ASSERT_TRUE(expected.contains(QPoint(107, 329)));
    int mismatches = 0;
    for (int x = 0; x < 500; ++x) {
        for (int y = 0; y < 500; ++y) {
            mismatches += form->Picture1->Point(x, y) != expected.value(QPoint(x, y), 0) ? 1 : 0;
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(form->cmddisegna->text(), "Disegna");
    EXPECT_GT(endNoteInk(), 50);
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(HenonScreen, MagnificationMinus15DrawsNothingAndEndsAtOnce) {
    form->cmddisegna_Click();
    form->Txtx->setText(QStringLiteral("-15"));
    form->cmddisegna_Click();
    EXPECT_EQ(drawsSinceSeed(40000), 32000);
    EXPECT_EQ(inkIn(form->Picture1, QRect(0, 0, 500, 500), Colour::Black), 0);
    EXPECT_GT(endNoteInk(), 50);
    EXPECT_EQ(form->cmddisegna->text(), "Disegna");
}

TEST_F(HenonScreen, ALetterForTheMagnificationGivesAMessageAndKeepsThePicture) {
    form->Txtx->setText(QStringLiteral("0"));
    form->cmddisegna_Click();
    const ColourNumber drawn = form->Picture1->Point(450, 250);
    ASSERT_NE(drawn, Colour::Black);
    for (const char* text : {"a", "", "2,5x", "1E999"}) {
        form->Txtx->setText(QLatin1String(text));
        form->cmddisegna_Click();
        EXPECT_EQ(form->cmddisegna->text(), "Disegna") << text;
    }
    EXPECT_EQ(dialogs->messages(), std::vector<QString>(4, NotANumber));
    EXPECT_EQ(dialogs->shown.front().title, "frattalia");
    EXPECT_EQ(form->Picture1->Point(450, 250), drawn);
    EXPECT_EQ(form->Txtx->text(), "1E999");
    EXPECT_EQ(drawsSinceSeed(40000), 30000);
}

TEST_F(HenonScreen, ClosingTheScreenDuringADrawingEndsItSafely) {
    QPointer<frmattratHenon> screen(new frmattratHenon());
    screen->setAttribute(Qt::WA_DeleteOnClose);
    screen->showScreen();
    screen->Txtx->setText(QStringLiteral("1000000000"));
    duringTheDrawing(screen, [screen] { screen->close(); });
    screen->cmddisegna_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
}

TEST_F(HenonScreen, LabelPrintsTheExplanationPageFromTheTopLeft) {
    form->cmddisegna_Click();
    form->lblatrattore_Click();
    Canvas* picture = form->Picture1;
    const double line = QFontMetricsF(screenFont(8.25), &picture->image()).height();
    // Nineteen lines in white: ten, two empty, one, two empty, four.
    auto lineInk = [&](int index) {
        return inkIn(picture,
                     QRect(0, static_cast<int>(index * line) + 2, 500, static_cast<int>(line) - 4),
                     Colour::Black);
    };
    for (int i : {0, 1, 9, 12, 15, 16, 17, 18}) {
        EXPECT_GT(lineInk(i), 30) << "line " << i + 1;
    }
    for (int i : {10, 11, 13, 14, 19, 20}) {
        EXPECT_EQ(lineInk(i), 0) << "line " << i + 1;
    }
    // The attractor is gone.
    EXPECT_EQ(inkIn(picture, QRect(0, 21 * static_cast<int>(line) + 21, 500, 180), Colour::Black),
              0);
    EXPECT_EQ(picture->Point(10, 10), Colour::Black);
}

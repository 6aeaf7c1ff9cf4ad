#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include "ExplorerFixture.h"
#include "mandel/EscapeTime.h"
#include "shell/DecimalEntry.h"
#include "shell/Screens.h"

namespace {

const QString Designed = QStringLiteral("Animazione Orrizontale");

TEST(Film, HasAtLeastTenFramesAndEndsAtHalf) {
    const EscapeTime::Film five = EscapeTime::film(5);
    EXPECT_EQ(five.frames, 10);
    EXPECT_EQ(five.step, 0.25);
    const EscapeTime::Film more = EscapeTime::film(12.5);
    EXPECT_EQ(more.frames, 12);
    EXPECT_EQ(more.step, 0.2);
    EXPECT_EQ(EscapeTime::film(1000).frames, 1000);
    EXPECT_EQ(EscapeTime::film(-3).frames, 10);
}

TEST(Film, AFrameIsTheJuliaStripColouredByTheFactor) {
    const EscapeTime::Picture frame = EscapeTime::filmFrame(-1.75, -0.75, 1000);
    EXPECT_EQ(frame.left, 41);
    EXPECT_EQ(frame.top, 81);
    ASSERT_EQ(frame.colours.size(), 220u * 140u);
    // Column 1, row 1 escapes at the first step.
    EXPECT_EQ(frame.colours[0], 1000);
    EXPECT_FALSE(frame.failedAt.has_value());
    // A factor too large for a colour number stops at the first point that uses it.
    const EscapeTime::Picture huge = EscapeTime::filmFrame(-1.75, -0.75, 1e10);
    ASSERT_TRUE(huge.failedAt.has_value());
    EXPECT_EQ(*huge.failedAt, 0u);
}

class ExplorerFilm : public Explorer {
  protected:
    // The frame of real part re as the film draws it with the start colours.
    void expectFrame(double re) {
        const double k = 200 + 256 * 125 + 65536 * 125 + 1;
        const EscapeTime::Picture frame =
            EscapeTime::filmFrame(re, DecimalEntry::read(form->Txtnx->text()), k);
        for (auto [col, row] : {std::pair{0, 0}, {60, 70}, {110, 70}, {150, 30}, {219, 139}}) {
            EXPECT_EQ(form->pictmandel->Point(41 + col, 81 + row),
                      frame.colours[col * 140 + row] & 0xFFFFFF)
                << col << "," << row;
        }
    }
    bool titlePrinted() {
        return inkIn(form->pictmandel, QRect(40, 280, 150, 14), Colour::Black) > 0;
    }
};

TEST_F(ExplorerFilm, PlaysAtLeastTenFramesAndEndsOnTheLastOne) {
    dialogs->inputs = {"5"};
    form->Cmdao_Click();
    ASSERT_EQ(dialogs->shown.size(), 1u);
    EXPECT_EQ(dialogs->shown[0].kind, ScriptedDialogs::Kind::Input);
    expectFrame(0.5);
    EXPECT_TRUE(titlePrinted());
    EXPECT_EQ(form->Cmdao->text(), "Animazione orrizontale");
    // The picture outside the strip was cleared.
    EXPECT_EQ(form->pictmandel->Point(10, 10), Colour::Black);
}

TEST_F(ExplorerFilm, ANumberWithAFractionCountsItsWholeFrames) {
    dialogs->inputs = {"12,5"};
    form->Cmdao_Click();
    double s = 0;
    for (int frame = 0; frame < 12; ++frame) {
        s += 0.2;
    }
    expectFrame(s - 2);  // twelve steps of 0,2 end at 0,4
}

TEST_F(ExplorerFilm, LettersABlankOrCancelDrawNothing) {
    const ColourNumber corner = form->pictmandel->Point(41, 81);
    for (const char* answer : {"dieci", " ", "", "1,2,3"}) {
        dialogs->inputs = {answer};
        form->Cmdao_Click();
        EXPECT_EQ(form->pictmandel->Point(41, 81), corner) << answer;
        EXPECT_EQ(form->Cmdao->text(), Designed);
        EXPECT_FALSE(form->lblistruzione->isHidden());
    }
    EXPECT_EQ(dialogs->messages().size(), 0u);
}

TEST_F(ExplorerFilm, ABadColourBoxEndsItQuietly) {
    form->txtblu->setText("blu");
    dialogs->inputs = {"10"};
    form->Cmdao_Click();
    EXPECT_TRUE(pictureIsBlank());
    EXPECT_EQ(form->Cmdao->text(), Designed);
    EXPECT_EQ(dialogs->messages().size(), 0u);
}

TEST_F(Explorer, TheFilmsHintAndPageExplainIt) {
    form->Cmdao_MouseDown(1, 0, 5, 5);
    EXPECT_TRUE(form->lblistruzione->isHidden());
    form->Cmdao_MouseDown(2, 0, 5, 5);
    EXPECT_FALSE(form->lblistruzione->isHidden());
    EXPECT_TRUE(form->lblistruzione->text().startsWith(
        " Cliccando su ANIMAZIONE ORRIZONTALE, apparirà una animazione"));
    form->anim_Click();
    EXPECT_GT(inkIn(form->pictmandel, QRect(0, 0, 300, 12), Colour::Black), 30);
    EXPECT_EQ(inkIn(form->pictmandel, QRect(0, 180, 300, 120), Colour::Black), 0);
}

TEST(ExplorerUnloaded, ClosingTheExplorerDuringTheFilmEndsItSafely) {
    auto* explorer = static_cast<frmMandel*>(Screens::show("frmMandel"));
    ASSERT_NE(explorer, nullptr);
    const QPointer<frmMandel> watched = explorer;
    auto scripted = std::make_unique<ScriptedDialogs>();
    scripted->inputs = {"1000"};
    Dialogs::install(std::move(scripted));
    QTimer::singleShot(100, explorer, &QWidget::close);
    explorer->Cmdao_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    Screens::unloadAll();
}

}  // namespace

namespace {

TEST(ExplorerUnloaded, ClosingTheExplorerDuringAFullScreenDrawingEndsItSafely) {
    auto* explorer = static_cast<frmMandel*>(Screens::show("frmMandel"));
    ASSERT_NE(explorer, nullptr);
    const QPointer<frmMandel> watched = explorer;
    explorer->Cmdschermo->setText("Schermo grande");
    explorer->txtcicli->setText("4000");
    QTimer::singleShot(30, explorer, &QWidget::close);
    explorer->cmddisegna_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    Screens::unloadAll();
}

}  // namespace

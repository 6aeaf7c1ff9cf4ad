// The explorer driven as a pupil drives it: clicks and keys through the window, and
// gestures made while a drawing lets events run (armed on a timer that fires inside
// the drawing's first look at the events).
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "TestSupport.h"
#include "mandel/EscapeTime.h"
#include "mandel/frmMandel.h"
#include "shell/Screens.h"

class ExplorerInput : public ScreenTest<frmMandel> {
  protected:
    // Starts a drawing with a click on its button; the gesture runs at its first look at
    // the events.
    void start(
        const char* drawing, const std::function<void()>& gesture = [] {}) {
        QTimer::singleShot(0, form.get(), gesture);
        // Events wait at most this long, so the drawing looks at them after its first block.
        QTest::qSleep(20);
        // A film is started with its number of frames, a drawing with its screen's size.
        const bool film = !QString(drawing).startsWith("Schermo");
        film ? dialogs->inputs.push_back(drawing) : form->Cmdschermo->setText(drawing);
        RealInput::click(film ? form->Cmdao : form->cmddisegna);
    }
};

TEST_F(ExplorerInput, AClickMarksTheNextCentreForDisegnaOrTheZoom) {
    const auto expectView = [this](const char* moveX, const char* moveY, const char* x,
                                   const char* y, const char* zoom) {
        EXPECT_EQ(QStringList({form->Txtxini->text(), form->Txtyini->text(), form->Txtnx->text(),
                               form->txtny->text(), form->txtingr->text()}),
                  QStringList({moveX, moveY, x, y, zoom}));
    };
    RealInput::click(form->pictmandel, Qt::LeftButton, {150, 150});
    expectView("0", "0", "-0,75", "0", "1");
    RealInput::click(form->pictmandel, Qt::RightButton, {0, 0});  // instead: both circles stay
    expectView("-1,25", "-1,25", "-0,75", "0", "1");
    EXPECT_TRUE(form->pictmandel->Point(160, 150) == Colour::White &&
                form->pictmandel->Point(10, 0) == Colour::White);
    RealInput::click(form->cmddisegna);
    expectView("0", "0", "-2", "1,25", "1");
    EXPECT_EQ(countIn(form->pictmandel, QRect(0, 0, 300, 300), Colour::White), 0);
    // Measured at the magnification drawn, not the one typed since.
    form->txtingr->setText("1000");
    RealInput::click(form->pictmandel, Qt::LeftButton, {225, 150});
    expectView("0,625", "0", "-2", "1,25", "1000");
    form->txtingr->setText("1");
    RealInput::click(form->CMDINGR);
    expectView("0", "0", "-1,375", "1,25", "5");
    RealInput::click(form->pictmandel, Qt::LeftButton, {0, 150});
    RealInput::click(form->CMDINGR, Qt::RightButton);
    expectView("0", "0", "-1,625", "1,25", "1");
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(ExplorerInput, EveryHelpGestureShowsItsOwnPageWhereItBelongs) {
    const Qt::MouseButton L = Qt::LeftButton, R = Qt::RightButton;
    QLabel* const page = form->lblistruzione;
    // Clicks in turn; the words of the page in the instruction label (null: the label
    // hidden); the centre boxes on show; where the page is printed in the picture (empty:
    // the picture untouched).
    using Page =
        std::tuple<std::vector<std::pair<QWidget*, Qt::MouseButton>>, const char*, bool, QRect>;
    const Page pages[] = {
        {{{form->lblcicli, R}}, "dei cicli in base all'ingrandimento", false, {}},
        {{{form->lblcicli, R}, {form->lblcicli, L}}, nullptr, true, {}},
        {{{form->lblcolore, R}}, "sbarra sopra la  casella bianca", false, {}},
        {{{form->lblcolore, R}, {form->lblcolore, L}}, "sbarra sopra la  casella", true, {}},
        {{{form->lblcicli, R}, {page, R}}, "< DISEGNA >", false, {}},  // the page over the label
        {{{form->lblcicli, R}, {page, L}}, nullptr, true, {}},         // the top label takes it
        {{{form->Cmdao, R}}, "ANIMAZIONE ORRIZONTALE", true, {}},
        {{{form->Cmdmandel, R}}, nullptr, true, {0, 30, 300, 80}},
        {{{form->Lblmand, R}}, nullptr, true, {0, 0, 300, 300}},
    };
    int row = 0;
    for (const auto& [clicks, words, boxes, printed] : pages) {
        SCOPED_TRACE(row++);
        page->hide();
        form->Txtnx->show();
        form->txtny->show();
        const QImage before = form->pictmandel->image().copy();
        for (auto [control, button] : clicks) {
            RealInput::click(control, button);
        }
        EXPECT_EQ(page->isHidden(), words == nullptr);
        EXPECT_TRUE(!words || (page->text().contains(words) && page->text().size() > 20));
        EXPECT_EQ(form->Txtnx->isHidden() + form->txtny->isHidden(), boxes ? 0 : 2);
        const int ink = inkIn(form->pictmandel, printed, Colour::Black);
        EXPECT_TRUE(printed.isEmpty()
                        ? form->pictmandel->image() == before
                        : ink > 50 &&
                              ink == inkIn(form->pictmandel, QRect(0, 0, 300, 300), Colour::Black));
    }
}

TEST_F(ExplorerInput, AKeyOrAClickStopsADrawingWhateverHasTheFocusAndNoHiddenBoxTakesIt) {
    Canvas* screen = form->surface();
    const std::pair<const char*, std::function<void()>> stops[] = {
        {"Schermo grande", [this] { RealInput::key(form.get(), Qt::Key_5); }},
        {"Schermo grande", [screen] { RealInput::clickAt(screen, QPoint(1000, 300)); }},
        {"40", [this] { RealInput::key(form.get(), Qt::Key_Space); }},  // a film; the focus
        {"40", [this] { RealInput::key(form.get(), Qt::Key_Tab); }},    // on its button
    };
    form->txtcicli->setText("2000");
    const ColourNumber navy = screen->BackColor();
    int row = 0;
    for (const auto& [drawing, stop] : stops) {
        SCOPED_TRACE(row++);
        start(drawing, stop);
        RealInput::key(form.get(), Qt::Key_7);  // nor one typed after it
        EXPECT_EQ(form->Txtcolore->text(), "200");
        if (QString(drawing) == "40") {
            // The film ended at its first frame, without its title.
            EXPECT_EQ(form->Cmdao->text(), "Animazione Orrizontale");
            EXPECT_EQ(inkIn(form->pictmandel, QRect(40, 280, 150, 14), Colour::Black), 0);
            continue;
        }
        EXPECT_EQ(form->cmddisegna->text() + form->Cmdschermo->text(), "DISEGNASchermo piccolo");
        if (form->cmddisegna->isHidden()) {
            // Stopped after its first columns, with its note where the last point was set.
            const int drawn = inkIn(screen, QRect(1, 1, 1023, 1), navy);
            EXPECT_LT(drawn, 900);
            EXPECT_GT(inkIn(screen, QRect(drawn, 691, 300, 14), navy), 50);
            RealInput::clickAt(screen, QPoint(900, 700));
        }
        // The screen is back without the note, which went with the picture.
        EXPECT_TRUE(form->pictmandel->isVisible() && form->txtcicli->isVisible());
        EXPECT_EQ(inkIn(screen, screen->rect(), navy), 0);
    }
}

TEST_F(ExplorerInput, ADrawingStartedDuringAnotherReplacesIt) {
    const QImage smallStart = form->pictmandel->image().copy();
    start("Schermo grande");
    const QImage largeStart = form->surface()->image().copy();
    RealInput::clickAt(form->surface(), QPoint(900, 700));
    // The start view chosen during a zoomed full-screen drawing; the zones' menu opened
    // during the full-screen drawing; DISEGNA during the film.
    form->txtingr->setText("5");
    start("Schermo grande", [this] { form->mnuMandiniz->trigger(); });
    EXPECT_EQ(form->surface()->image(), largeStart);
    RealInput::clickAt(form->surface(), QPoint(900, 700));
    start("Schermo grande", [this] { emit form->mnuzone->aboutToShow(); });
    EXPECT_EQ(form->surface()->image(), largeStart);
    RealInput::clickAt(form->surface(), QPoint(900, 700));
    start("10", [this] { RealInput::click(form->cmddisegna); });
    EXPECT_EQ(form->pictmandel->image(), smallStart);

    // A second film during the first plays to its end: ten frames at least, each a step of
    // 2,5 over the number typed, the last with the offset typed for it, then its title.
    for (const auto& [answer, frames, typed] :
         {std::tuple{"7,5", 10, 10.0}, std::tuple{"12,5", 12, 12.5}}) {
        SCOPED_TRACE(answer);
        start("10", [this, answer = answer] {
            form->Txtnx->setText("0,3");
            start(answer);
        });
        double s = 0;
        for (int k = 0; k < frames; ++k) {
            s += 2.5 / typed;
        }
        const auto frame =
            EscapeTime::filmFrame(s - 2, 0.3, 200 + 256 * 125 + 65536 * 125 + 1).colours;
        EXPECT_EQ(
            wrongIn(form->pictmandel, QRect(41, 81, 220, 140),
                    [&frame](int x, int y) { return frame[(x - 41) * 140 + y - 81] & 0xFFFFFF; }),
            0);
        EXPECT_EQ(inkIn(form->pictmandel, QRect(0, 0, 300, 80), Colour::Black), 0);  // cleared
        EXPECT_GT(inkIn(form->pictmandel, QRect(40, 280, 150, 14), Colour::Black), 50);
    }
    EXPECT_EQ(form->Cmdao->text(), "Animazione orrizontale");
}

using ExplorerAmongScreens = ScriptedTest;

TEST_F(ExplorerAmongScreens, ClosingTheExplorerDuringADrawingEndsTheDrawing) {
    for (const char* drawing : {"Schermo grande", "1000"}) {  // a film of 1000 frames
        auto* form = static_cast<frmMandel*>(Screens::show("frmMandel"));
        const QPointer<frmMandel> watched = form;
        QTimer::singleShot(0, form, &QWidget::close);
        form->Cmdschermo->setText(drawing);
        dialogs->inputs = {drawing};
        QString(drawing).toInt() > 0 ? form->Cmdao_Click() : form->cmddisegna_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(watched.isNull()) << drawing;
    }
    Screens::unloadAll();
}

TEST_F(ExplorerAmongScreens, EveryMenuItemOpensItsScreenOnceAndItsBackButtonKeepsTheExplorer) {
    auto* form = static_cast<frmMandel*>(Screens::show("frmMandel"));
    const std::tuple<QAction*, const char*, const char*> screens[] = {
        {form->atrattore, "frmattratHenon", "cmdInizio"},
        {form->mnukok, "frmkochisle", "cmdinizio"},
        {form->veru, "frmverhulst2", "cmdInizio"},
        {form->mnufelce, "Frmfelce", "Cmdfine"},
        {form->mandiversi, "frmMandiversi", "cmdfine"}};
    form->txtingr->setText("125");
    for (auto [item, name, backButton] : screens) {
        SCOPED_TRACE(name);
        item->trigger();
        const QPointer<Form> screen = Screens::find(name);
        ASSERT_TRUE(screen && screen->isVisible());
        item->trigger();  // again: the same screen comes forward
        EXPECT_EQ(Screens::find(name), screen);
        dialogs->answers = {Dialogs::Answer::Yes};  // the variants ask before they close
        RealInput::click(screen->findChild<QPushButton*>(backButton));
        ASSERT_EQ(Screens::show("frmMandel"), form);
        EXPECT_EQ(form->txtingr->text(), "125");
        // Leaving never hides the screen left, except the variants' own exit.
        EXPECT_EQ(screen && screen->isVisible(), QString(name) != "frmMandiversi");
    }
    Screens::unloadAll();
}

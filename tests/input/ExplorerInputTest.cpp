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
#include <cmath>
#include <set>

#include "TestSupport.h"
#include "input/RealInput.h"
#include "mandel/frmMandel.h"
#include "shell/Screens.h"

namespace {

class ExplorerInput : public ScreenTest<frmMandel> {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        RealInput::activate(form.get());
    }

    // Starts a drawing with a click on its button; the gesture runs at its first look at
    // the events.
    void start(const char* drawing, const std::function<void()>& gesture = nullptr) {
        QTimer::singleShot(
            0, form.get(), gesture ? gesture : [] {});
        // A film is started with its number of frames, a drawing with its screen's size.
        const bool film = !QString(drawing).startsWith("Schermo");
        film ? dialogs->inputs.push_back(drawing) : form->Cmdschermo->setText(drawing);
        RealInput::click(film ? form->Cmdao : form->cmddisegna);
    }
};

// Pixel (col + 40, row + 80) of the film's frame of real part re, offset q and colour
// factor k, as the film is defined.
ColourNumber filmPixel(double re, double q, double k, int col, int row) {
    double x = -2.3 + col * 2.5 / 110, y = 1.48 - row * 2.5 / 110, m = 0;
    int n = 0;
    do {
        ++n;
        const double next = x * x - y * y + re;
        y = 2 * x * y - q;
        x = next;
        m = x * x + y * y;
    } while (!(m > 4 || n > 40));
    return m > 4 ? static_cast<ColourNumber>(std::lrint(k * n) & 0xFFFFFF) : Colour::Black;
}

}  // namespace

TEST_F(ExplorerInput, AClickMarksTheNextCentreForDisegnaOrTheZoomUntilAPlaceIsChosen) {
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
    EXPECT_EQ(form->pictmandel->Point(160, 150), Colour::White);
    EXPECT_EQ(form->pictmandel->Point(10, 0), Colour::White);
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
    // A place is a whole view: a point clicked before has no say in it.
    RealInput::click(form->pictmandel, Qt::LeftButton, {20, 30});
    form->mnuMandel->trigger();
    expectView("0", "0", "-0,166494436", "1,04054054", "10000000");
    EXPECT_TRUE(dialogs->shown.empty());
}

TEST_F(ExplorerInput, EveryHelpGestureShowsItsOwnPageWhereItBelongs) {
    const Qt::MouseButton L = Qt::LeftButton, R = Qt::RightButton;
    struct Page {
        std::vector<std::pair<QWidget*, Qt::MouseButton>> clicks;  // in turn
        QAction* item;       // a menu item chosen, or a submenu opened
        const char* words;   // of the page in the instruction label; null: the label hidden
        bool boxes;          // the centre boxes on show
        QRect printed = {};  // where its page is printed in the picture; empty: untouched
    };
    QLabel* const page = form->lblistruzione;
    const Page pages[] = {
        {{{form->lblcicli, R}}, nullptr, "dei cicli in base all'ingrandimento", false},
        {{{form->lblcicli, R}, {form->lblcicli, L}}, nullptr, nullptr, true},
        {{{form->lblcolore, R}}, nullptr, "sbarra sopra la  casella bianca", false},
        {{{form->lblcolore, R}, {form->lblcolore, L}}, nullptr, "sbarra sopra la  casella", true},
        {{{form->lblcicli, R}, {page, R}}, nullptr, "< DISEGNA >", false},  // the page over
        {{{form->lblcicli, R}, {page, L}}, nullptr, nullptr, true},  // the top label takes it
        {{{form->Cmdao, R}}, nullptr, "ANIMAZIONE ORRIZONTALE", true},
        {{{form->Cmdmandel, L}}, nullptr, "NON PUOI SPOSTARTI", true},
        {{{form->Cmdmandel, R}}, nullptr, nullptr, true, {0, 30, 300, 80}},
        {{{form->Cmdschermo, R}}, nullptr, nullptr, true, {0, 0, 300, 100}},
        {{{form->Lblmand, R}}, nullptr, nullptr, true, {0, 0, 300, 300}},
        {{}, form->coordinate, "parte immaginaria", true},
        {{}, form->mnuistrufile, "(INGRANDIMENTI X 5)", false},
        {{}, form->mnujulia, "apparirà (Julia)", true},
        {{}, form->mnucicli, "<<cicli>>", true},
        {{}, form->mnucolore, "tre sbarre", true},
        {{}, form->mnubiblio, "162", true},
        {{}, form->mnuautore, "", true},
        {{}, form->anim, nullptr, true, {0, 0, 300, 180}},
        {{}, form->mnuzone->menuAction(), "8 sdraiato", true},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(&p - pages);
        page->hide();
        form->Txtnx->show();
        form->txtny->show();
        const QImage before = form->pictmandel->image().copy();
        for (auto [control, button] : p.clicks) {
            RealInput::click(control, button);
        }
        if (p.item) {
            p.item->menu() ? emit p.item->menu()->aboutToShow() : p.item->trigger();
        }
        EXPECT_EQ(page->isHidden(), p.words == nullptr);
        EXPECT_TRUE(!p.words || (page->text().contains(p.words) && page->text().size() > 20));
        EXPECT_EQ(form->Txtnx->isHidden() + form->txtny->isHidden(), p.boxes ? 0 : 2);
        const int ink = inkIn(form->pictmandel, p.printed, Colour::Black);
        EXPECT_TRUE(p.printed.isEmpty()
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
    for (std::size_t i = 0; i < std::size(stops); ++i) {
        SCOPED_TRACE(i);
        const char* const drawing = stops[i].first;
        start(drawing, stops[i].second);
        RealInput::key(form.get(), Qt::Key_7);  // nor one typed after it
        EXPECT_EQ(form->Txtcolore->text(), "200");
        if (QString(drawing) == "40") {
            // The film ended at its first frame, without its title.
            EXPECT_EQ(form->Cmdao->text(), "Animazione Orrizontale");
            EXPECT_EQ(inkIn(form->pictmandel, QRect(40, 280, 150, 14), Colour::Black), 0);
            continue;
        }
        EXPECT_EQ(form->cmddisegna->text(), "DISEGNA");
        EXPECT_EQ(form->Cmdschermo->text(), "Schermo piccolo");
        if (form->cmddisegna->isHidden()) {
            // Stopped after its first columns, with its note where the last point was set.
            const int drawn = inkIn(screen, QRect(1, 1, 1023, 1), navy);
            EXPECT_LT(drawn, 900);
            EXPECT_GT(inkIn(screen, QRect(drawn, 691, 300, 14), navy), 50);
            RealInput::clickAt(screen, QPoint(900, 700));
        }
        // The screen is back: the zoom, the picture's saving and the top label come with
        // the next drawing; the note went with the picture.
        const std::set<QWidget*> hidden = {form->lblistruzione, form->Txtxini, form->Txtyini,
                                           form->Textb,         form->Text3,   form->CMDINGR,
                                           form->Cmdsave,       form->Lblmand};
        for (QWidget* control : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_EQ(control->isHidden(), hidden.count(control) == 1)
                << control->objectName().toStdString();
        }
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

    // A second film during the first plays to its end: ten frames at least, the last at
    // real part 0,5 and the offset typed for it, then its title.
    start("10", [this] {
        form->Txtnx->setText("0,3");
        start("7,5");
    });
    const double k = 200 + 256 * 125 + 65536 * 125 + 1;
    EXPECT_EQ(wrongIn(form->pictmandel, QRect(41, 81, 220, 140),
                      [k](int x, int y) { return filmPixel(0.5, 0.3, k, x - 40, y - 80); }),
              0);
    EXPECT_GT(inkIn(form->pictmandel, QRect(40, 280, 150, 14), Colour::Black), 50);
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

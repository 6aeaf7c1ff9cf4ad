// The explorer driven as a pupil drives it: clicks and keys through the window, and
// gestures made while a drawing lets events run (armed on a timer that fires inside
// the drawing's first look at the events).
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "input/RealInput.h"
#include "mandel/ExplorerFixture.h"
#include "mandel/ParameterFile.h"

namespace {

class ExplorerInput : public Explorer {
  protected:
    void SetUp() override {
        Explorer::SetUp();
        RealInput::activate(form.get());
    }

    // A menu item chosen with the mouse: its title on the menu bar, then down the menus.
    void choose(std::initializer_list<QAction*> path) {
        QWidget* menu = form->menuBar();
        for (QAction* item : path) {
            const auto* popup = qobject_cast<QMenu*>(menu);
            const QRect at =
                popup ? popup->actionGeometry(item) : form->menuBar()->actionGeometry(item);
            RealInput::click(menu, Qt::LeftButton, at.center());
            menu = item->menu();
        }
    }

    // Starts a drawing with a click; the gesture runs at its first look at the events.
    void start(QPushButton* button, const std::function<void()>& gesture) {
        if (gesture) {
            QTimer::singleShot(0, form.get(), gesture);
        }
        RealInput::click(button);
    }
    void startLargeDrawing(const std::function<void()>& gesture = {}) {
        form->Cmdschermo->setText(QStringLiteral("Schermo grande"));
        start(form->cmddisegna, gesture);
    }
    void startFilm(const char* frames, const std::function<void()>& gesture = {}) {
        dialogs->inputs.push_back(QString::fromLatin1(frames));
        start(form->Cmdao, gesture);
    }
};

TEST_F(ExplorerInput, KeysOrAClickStopTheFullScreenDrawingAndNoHiddenBoxTakesAKey) {
    struct Case {
        const char* gesture;
        std::function<void()> stop;
        bool screenBack;
    };
    const Case cases[] = {
        {"digit", [this] { RealInput::key(form.get(), Qt::Key_5); }, false},
        {"letter", [this] { RealInput::key(form.get(), Qt::Key_A); }, false},
        {"click", [this] { RealInput::clickAt(form->surface(), QPoint(1000, 300)); }, true},
    };
    form->txtcicli->setText("2000");
    Canvas* screen = form->surface();
    const int bottom = static_cast<int>(form->Height() / 15 * 0.9);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.gesture);
        startLargeDrawing(c.stop);
        expectIdle("DISEGNA");
        EXPECT_EQ(form->Cmdschermo->text(), "Schermo piccolo");
        // Nor does one typed after the drawing, while its picture is on show.
        RealInput::key(form.get(), Qt::Key_7);
        EXPECT_EQ(form->Txtcolore->text(), "200");
        if (c.screenBack) {
            // Brought back once the drawing had returned: its note went with its picture.
            for (QWidget* control : std::initializer_list<QWidget*>{
                     form->Cmdao,    form->vsccolori, form->vscrosso,  form->vscverde,
                     form->vscblu,   form->txtverde,  form->txtblu,    form->pictmandel,
                     form->Txtnx,    form->txtpasso,  form->txtny,     form->cmddisegna,
                     form->txtingr,  form->Cmdpagini, form->Cmdmandel, form->Cmdschermo,
                     form->txtcicli, form->lblcicli,  form->lblcolore, form->Txtcolore}) {
                EXPECT_FALSE(control->isHidden()) << control->objectName().toStdString();
            }
            EXPECT_TRUE(form->lblistruzione->isHidden());
            EXPECT_EQ(inkIn(screen, screen->rect(), Navy), 0);
            continue;
        }
        // Stopped after its first columns, with its note where the last point was set.
        EXPECT_TRUE(form->cmddisegna->isHidden());
        int drawn = 1;
        while (drawn < screen->width() && screen->Point(drawn + 1, 1) != Navy) {
            ++drawn;
        }
        EXPECT_LT(drawn, 900);
        EXPECT_GT(inkIn(screen, QRect(drawn, bottom, 300, 14), Navy), 50);
        RealInput::clickAt(screen, QPoint(900, 700));
    }
}

TEST_F(ExplorerInput, AnyKeyStopsTheFilmWhateverHasTheFocus) {
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Tab}) {
        SCOPED_TRACE(key);
        dialogs->shown.clear();
        // Cmdao has the focus from the click that started the film.
        startFilm("40", [this, key] { RealInput::key(form.get(), key); });
        EXPECT_EQ(dialogs->shown.size(), 1u);
        EXPECT_EQ(form->Cmdao->text(), "Animazione Orrizontale");
        EXPECT_EQ(inkIn(form->pictmandel, QRect(40, 280, 150, 14), Colour::Black), 0);
    }
}

TEST_F(ExplorerInput, ADrawingStartedDuringAnotherReplacesIt) {
    const QImage smallStart = form->pictmandel->image().copy();
    startLargeDrawing();
    const QImage largeStart = form->surface()->image().copy();
    RealInput::clickAt(form->surface(), QPoint(900, 700));
    form->Txtnx->setText("0,3");
    startFilm("10");
    const QImage secondFilm = form->pictmandel->image().copy();
    form->Txtnx->setText("-0,75");

    struct Case {
        const char* name;
        std::function<void()> start;
        Canvas* canvas;
        const QImage& expected;
    };
    const Case cases[] = {
        {"start view during a zoomed full-screen drawing",
         [this] {
             form->txtingr->setText("5");
             startLargeDrawing([this] { choose({form->mnuMandiniz}); });
         },
         form->surface(), largeStart},
        {"the zones opened during the full-screen drawing",
         [this] {
             startLargeDrawing([this] {
                 choose({form->mnufile->menuAction(), form->mnuzone->menuAction()});
                 RealInput::key(form->mnuzone, Qt::Key_Escape);
                 RealInput::key(form->mnufile, Qt::Key_Escape);
             });
         },
         form->surface(), largeStart},
        {"DISEGNA during the film",
         [this] { startFilm("10", [this] { RealInput::click(form->cmddisegna); }); },
         form->pictmandel, smallStart},
        {"a second film during the film",
         [this] {
             startFilm("10", [this] {
                 form->Txtnx->setText("0,3");
                 startFilm("10");
             });
         },
         form->pictmandel, secondFilm},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.start();
        EXPECT_EQ(c.canvas->image(), c.expected);
        RealInput::clickAt(form->surface(), QPoint(900, 700));
        form->Txtnx->setText("-0,75");
    }
}

TEST_F(ExplorerInput, APlaceOrALoadedViewForgetsThePointClickedBefore) {
    QTemporaryDir folder;
    ParameterFile::setPath(folder.filePath("caos1.txt"));
    ASSERT_TRUE(ParameterFile::save({"-1,25", "0,5", "30", "2"}));
    struct Case {
        const char* name;
        std::function<void()> choose;
        const char* x;
        const char* y;
    };
    const Case cases[] = {
        {"start view", [this] { choose({form->mnuMandiniz}); }, "-0,75", "0"},
        {"MiniMandel",
         [this] {
             choose({form->mnufile->menuAction(), form->mnuzone->menuAction(), form->mnuMandel});
         },
         "-0,166494436", "1,04054054"},
        {"loaded view",
         [this] {
             dialogs->answers = {Dialogs::Answer::Yes};
             choose({form->mnufile->menuAction(), form->mnuParametri});
             RealInput::click(form->cmddisegna);
         },
         "-1,25", "0,5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RealInput::click(form->pictmandel, Qt::LeftButton, QPoint(20, 30));
        c.choose();
        EXPECT_EQ(form->Txtnx->text(), c.x);
        EXPECT_EQ(form->txtny->text(), c.y);
    }
    ParameterFile::setPath(QString());
}

}  // namespace

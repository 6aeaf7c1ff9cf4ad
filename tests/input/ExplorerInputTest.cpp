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
};

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

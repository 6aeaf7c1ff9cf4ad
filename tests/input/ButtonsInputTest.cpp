// Every button of every screen under the pupil's mouse: its presses are its own, its
// caption is whole, its busy look is on screen before the drawing, and the boxes it
// fills show their numbers from the start.
#include <QLineEdit>
#include <QPushButton>
#include <functional>
#include <optional>
#include <set>
#include <utility>

#include "input/RealInput.h"
#include "shell/Canvas.h"
#include "shell/Controls.h"
#include "shell/Dialogs.h"
#include "shell/Form.h"
#include "shell/Screens.h"

namespace {

// Calls back on every event that reaches a widget, before the widget handles it.
class OnEvent : public QObject {
  public:
    OnEvent(QWidget* widget, std::function<void(QEvent::Type)> seen) : seen_(std::move(seen)) {
        widget->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        seen_(event->type());
        return false;
    }

  private:
    std::function<void(QEvent::Type)> seen_;
};

// The sum of what the caption adds to the button's picture at the given size.
long captionInk(QPushButton* button, QSize size) {
    const QRect kept = button->geometry();
    const QString caption = button->text();
    button->resize(size);
    const QImage inked = button->grab().toImage();
    button->setText(QString());
    const QImage bare = button->grab().toImage();
    button->setText(caption);
    button->setGeometry(kept);
    long ink = 0;
    for (int y = 0; y < inked.height(); ++y) {
        for (int x = 0; x < inked.width(); ++x) {
            ink += std::abs(qGray(inked.pixel(x, y)) - qGray(bare.pixel(x, y)));
        }
    }
    return ink;
}

// A cut caption inks less than the same caption on a button wide enough for one line.
void expectWholeCaption(QPushButton* button) {
    const long whole = captionInk(button, QSize(2000, button->height()));
    EXPECT_GE(captionInk(button, button->size()), whole * 97 / 100)
        << "cut: " << button->text().toStdString() << " in " << button->width() << " x "
        << button->height();
}

// A box shows its text from the start when it looks as it does with the cursor there.
void expectTextFromItsStart(QLineEdit* box) {
    const QImage shown = box->grab().toImage();
    const int cursor = box->cursorPosition();
    box->setCursorPosition(0);
    EXPECT_TRUE(shown == box->grab().toImage())
        << "shows the tail of " << box->text().toStdString();
    box->setCursorPosition(cursor);
}

// Whether the area of the picture (all of it unless given) is one colour.
bool blank(const Canvas* picture, QRect area = QRect()) {
    const QImage& image = picture->image();
    area = area.isNull() ? image.rect() : area;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != image.pixel(area.topLeft())) {
                return false;
            }
        }
    }
    return true;
}

// Each screen with the buttons whose right-click shows a page or loads numbers; any
// other press on a button leaves the screen exactly as it was.
const std::pair<const char*, std::set<QString>> RightClickPages[] = {
    {"frmMandel", {"CMDINGR", "Cmdmandel", "Cmdschermo", "Cmdao"}},
    {"frmMandiversi", {}},
    {"Frmfelce", {"Cmdalbero", "cmdfelce", "Cmdpino", "cmdfalchi", "cmdpolvere", "cmdzig"}},
    {"frmverhulst2", {"Cmdgrafico", "cmddisegna"}},
    {"frmkochisle", {}},
    {"frmattratHenon", {}},
};

Form* open(const char* name) {
    Dialogs::install(std::make_unique<ScriptedDialogs>());
    Form* screen = Screens::show(QLatin1String(name));
    RealInput::activate(screen);
    return screen;
}

}  // namespace

TEST(ButtonsInput, EveryButtonKeepsItsPressesFromTheScreenAndShowsItsWholeCaption) {
    for (const auto& [name, pages] : RightClickPages) {
        SCOPED_TRACE(name);
        Form* screen = open(name);
        int behind = 0;  // mouse events that reach the screen's own surface
        OnEvent spy(screen->surface(), [&behind](QEvent::Type type) {
            behind += type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                      type == QEvent::MouseButtonDblClick;
        });
        for (QPushButton* button : screen->surface()->findChildren<QPushButton*>()) {
            if (!button->isVisible()) {
                continue;
            }
            SCOPED_TRACE(button->objectName().toStdString());
            expectWholeCaption(button);
            for (const Qt::MouseButton mouse : {Qt::RightButton, Qt::MiddleButton}) {
                SCOPED_TRACE(mouse == Qt::RightButton ? "right" : "middle");
                QTest::mouseMove(screen->windowHandle(),
                                 button->mapTo(screen, button->rect().center()));
                button->setFocus(Qt::MouseFocusReason);
                const QImage before = screen->grab().toImage();
                const bool drawn = !blank(screen->surface());
                RealInput::click(button, mouse);
                // The chart, the report or the note on the screen stays.
                EXPECT_FALSE(drawn && blank(screen->surface()));
                EXPECT_EQ(screen->grab().toImage() != before,
                          mouse == Qt::RightButton && pages.count(button->objectName()) > 0);
                for (QLineEdit* box : screen->surface()->findChildren<QLineEdit*>()) {
                    if (box->isVisible()) {
                        expectTextFromItsStart(box);
                    }
                }
            }
            // The left button goes down on the button itself: nothing covers it.
            RealInput::pressAt(button, button->rect().center());
            EXPECT_TRUE(button->isDown());
            RealInput::releaseAt(screen, QPoint(2, screen->height() - 2));
            EXPECT_EQ(std::exchange(behind, 0), 0) << "reached the screen behind";
        }
        Screens::unloadAll();
    }
}

namespace {

struct Drawing {
    const char* screen;
    QStringList clicks;       // in turn; the last one starts the drawing
    const char* busyControl;  // a button showing its busy caption, or the picture
    const char* busyCaption;
    std::optional<ColourNumber> busyColour;
    Qt::CursorShape pointer;  // over the picture
    const char* picture;
    QRect workArea;  // where the drawing lands: blank until it starts
};

// The figures of the IFS grow above the lines printed from row 400 down.
// clang-format off
const Drawing Drawings[] = {
    {"frmMandel", {"cmddisegna"}, "cmddisegna", "ATTENDERE PREGO", Colour::Red, Qt::WaitCursor, "pictmandel", {}},
    {"frmMandel", {"Cmdmandel", "cmddisegna"}, "CMDINGR", "ATTENDERE PREGO", {}, Qt::WaitCursor, "pictmandel", {}},
    {"frmMandiversi", {"Cmdstart"}, "Cmdstart", "attendere prego", Colour::Red, Qt::ForbiddenCursor, "Picture1", {}},
    {"frmattratHenon", {"cmddisegna"}, "cmddisegna", "attendere prego", {}, Qt::ArrowCursor, "Picture1", {}},
    {"Frmfelce", {"Cmd4"}, "Cmd4", "Stop", {}, Qt::BusyCursor, "Picture1", {0, 0, 500, 395}},
    {"Frmfelce", {"Cmdalbero"}, "Picture1", nullptr, {}, Qt::ArrowCursor, "Picture1", {0, 0, 500, 395}},
};
// clang-format on

}  // namespace

TEST(ButtonsInput, TheBusyLookIsOnScreenBeforeTheDrawingStarts) {
    for (const Drawing& row : Drawings) {
        SCOPED_TRACE(row.screen + row.clicks.join(' ').toStdString() + row.busyControl);
        Form* screen = open(row.screen);
        auto* control = screen->findChild<QWidget*>(QLatin1String(row.busyControl));
        auto* picture = screen->findChild<Canvas*>(QLatin1String(row.picture));
        auto* button = qobject_cast<QPushButton*>(control);
        for (const QString& name : row.clicks.mid(0, row.clicks.size() - 1)) {
            RealInput::click(screen->findChild<QWidget*>(name));
        }
        QCoreApplication::processEvents();
        // The first painting in the busy look (of a picture: its first painting).
        std::optional<bool> blankThen;
        ColourNumber colourThen = 0;
        Qt::CursorShape pointerThen = Qt::ArrowCursor;
        OnEvent spy(control, [&](QEvent::Type type) {
            if (type == QEvent::Paint && !blankThen &&
                (!button || button->text() == QLatin1String(row.busyCaption))) {
                blankThen = blank(picture, row.workArea);
                colourThen = button ? backColor(button) : 0;
                pointerThen = picture->cursor().shape();
            }
        });
        RealInput::click(screen->findChild<QWidget*>(row.clicks.last()));
        QCoreApplication::processEvents();
        EXPECT_FALSE(blank(picture, row.workArea)) << "nothing drawn";
        EXPECT_TRUE(blankThen.value_or(false)) << "busy look not painted before the drawing";
        EXPECT_EQ(pointerThen, row.pointer);
        if (row.busyColour) {
            EXPECT_EQ(colourThen, *row.busyColour);
        }
        if (button) {
            const QString idle = button->text();
            button->setText(QLatin1String(row.busyCaption));
            expectWholeCaption(button);
            button->setText(idle);
        }
        Screens::unloadAll();
    }
}

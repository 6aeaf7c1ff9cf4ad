// Every button of every screen under the pupil's mouse: its presses are its own, its
// caption is whole and centred, its busy look is on screen before the drawing, the boxes
// show their numbers from the start, and Qt's own dialogs and menus speak Italian.
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <optional>

#include "TestSupport.h"
#include "shell/Controls.h"
#include "shell/Form.h"
#include "shell/Screens.h"

namespace {

// Calls back on every event that reaches a widget, before the widget handles it.
struct OnEvent : QObject {
    OnEvent(QObject* widget, std::function<void(QEvent::Type)> seen) : seen(std::move(seen)) {
        widget->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        seen(event->type());
        return false;
    }
    std::function<void(QEvent::Type)> seen;
};

// A caption cut by its button inks less than on a button wide enough for one line, and
// a centred one inks both halves of the button alike.
void expectWholeCaptionInTheMiddle(QPushButton* button) {
    const QRect kept = button->geometry();
    const QString caption = button->text();
    long ink[2][2] = {};  // the caption's ink, at the button's width and wide, by half
    for (const int wide : {0, 1}) {
        button->resize(wide ? 2000 : kept.width(), kept.height());
        const QImage inked = button->grab().toImage();
        button->setText(QString());
        const QImage bare = button->grab().toImage();
        button->setText(caption);
        for (int n = 0; n < inked.width() * inked.height(); ++n) {
            const int x = n % inked.width(), y = n / inked.width();
            ink[wide][2 * x >= inked.width()] +=
                std::abs(qGray(inked.pixel(x, y)) - qGray(bare.pixel(x, y)));
        }
    }
    button->setGeometry(kept);
    const long left = ink[0][0], right = ink[0][1];
    EXPECT_GE(left + right, (ink[1][0] + ink[1][1]) * 97 / 100) << "cut";
    EXPECT_NEAR(left, right, (left + right) / 4) << "off the middle";
}

Form* open(const char* name,
           std::unique_ptr<Dialogs> dialogs = std::make_unique<ScriptedDialogs>()) {
    Dialogs::install(std::move(dialogs));
    Form* screen = Screens::show(QLatin1String(name));
    RealInput::activate(screen);
    return screen;
}

}  // namespace

// No press on a button reaches the screen behind it, where it would start the screen's
// own handling (a new drawing, a cleared chart).
TEST(ButtonsInput, EveryButtonKeepsItsPressesFromTheScreenAndShowsItsWholeCaption) {
    for (const char* name : {"frmMandel", "frmMandiversi", "Frmfelce", "frmverhulst2",
                             "frmkochisle", "frmattratHenon"}) {
        SCOPED_TRACE(name);
        Form* screen = open(name);
        int behind = 0;
        OnEvent spy(screen->surface(), [&behind](QEvent::Type type) {
            behind += type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                      type == QEvent::MouseButtonDblClick;
        });
        for (QPushButton* button : screen->surface()->findChildren<QPushButton*>()) {
            if (!button->isVisible()) {
                continue;
            }
            SCOPED_TRACE(button->objectName().toStdString());
            expectWholeCaptionInTheMiddle(button);
            RealInput::click(button, Qt::RightButton);
            RealInput::click(button, Qt::MiddleButton);
            // The left button goes down on the button itself: nothing covers it.
            RealInput::pressAt(button, button->rect().center());
            EXPECT_TRUE(button->isDown());
            RealInput::releaseAt(screen, QPoint(2, screen->height() - 2));
            EXPECT_EQ(std::exchange(behind, 0), 0) << "reached the screen behind";
        }
        // Every box shows its text from the start, as with the cursor there.
        for (QLineEdit* box : screen->surface()->findChildren<QLineEdit*>()) {
            const QImage shown = box->grab().toImage();
            box->setCursorPosition(0);
            EXPECT_TRUE(!box->isVisible() || shown == box->grab().toImage())
                << "shows the tail of " << box->text().toStdString();
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
    QRect workArea;           // where the drawing lands: blank until it starts
};

// The figures of the IFS grow above the lines printed from row 400 down.
// clang-format off
const Drawing Drawings[] = {
    {"frmMandel", {"cmddisegna"}, "cmddisegna", "ATTENDERE PREGO", Colour::Red, Qt::WaitCursor, {}},
    {"frmMandel", {"Cmdmandel", "cmddisegna"}, "CMDINGR", "ATTENDERE PREGO", {}, Qt::WaitCursor, {}},
    {"frmMandiversi", {"Cmdstart"}, "Cmdstart", "attendere prego", Colour::Red, Qt::ForbiddenCursor, {}},
    {"frmattratHenon", {"cmddisegna"}, "cmddisegna", "attendere prego", {}, Qt::ArrowCursor, {}},
    {"Frmfelce", {"Cmd4"}, "Cmd4", "Stop", {}, Qt::BusyCursor, {0, 0, 500, 395}},
    {"Frmfelce", {"Cmdalbero"}, "Picture1", nullptr, {}, Qt::ArrowCursor, {0, 0, 500, 395}},
};
// clang-format on

}  // namespace

TEST(ButtonsInput, TheBusyLookIsOnScreenBeforeTheDrawingStarts) {
    for (const Drawing& row : Drawings) {
        SCOPED_TRACE(row.screen + row.clicks.join(' ').toStdString());
        Form* screen = open(row.screen);
        auto* control = screen->findChild<QWidget*>(QLatin1String(row.busyControl));
        auto* picture = screen->findChild<Canvas*>(
            QLatin1String(row.screen == QLatin1String("frmMandel") ? "pictmandel" : "Picture1"));
        auto* button = qobject_cast<QPushButton*>(control);
        for (const QString& name : row.clicks.mid(0, row.clicks.size() - 1)) {
            RealInput::click(screen->findChild<QWidget*>(name));
        }
        QCoreApplication::processEvents();
        // Whether the work area (all of the picture if null) is one colour.
        const QRect area = row.workArea.isNull() ? picture->image().rect() : row.workArea;
        const auto blank = [&] { return inkIn(picture, area, picture->Point(0, 0)) == 0; };
        // The first painting in the busy look (of a picture: its first painting).
        std::optional<bool> blankThen;
        ColourNumber colourThen = 0;
        Qt::CursorShape pointerThen = Qt::ArrowCursor;
        OnEvent spy(control, [&](QEvent::Type type) {
            if (type == QEvent::Paint && !blankThen &&
                (!button || button->text() == QLatin1String(row.busyCaption))) {
                blankThen = blank();
                colourThen = button ? backColor(button) : 0;
                pointerThen = picture->cursor().shape();
            }
        });
        RealInput::click(screen->findChild<QWidget*>(row.clicks.last()));
        QCoreApplication::processEvents();
        EXPECT_FALSE(blank()) << "nothing drawn";
        EXPECT_TRUE(blankThen.value_or(false)) << "busy look not painted before the drawing";
        EXPECT_EQ(pointerThen, row.pointer);
        if (row.busyColour) {
            EXPECT_EQ(colourThen, *row.busyColour);
            // Green again when done, as the pupil sees it.
            const QRgb face = button->grab().toImage().pixel(5, button->height() / 2);
            EXPECT_GT(qGreen(face) - qRed(face), 100) << std::hex << face;
        }
        if (button) {
            const QString idle = button->text();
            button->setText(QLatin1String(row.busyCaption));
            expectWholeCaptionInTheMiddle(button);
            button->setText(idle);
        }
        Screens::unloadAll();
    }
}

namespace {

// Runs `act` on the next dialog or menu to open other than `opener`, from inside the
// event loop that shows it.
void whenShown(std::function<void(QWidget*)> act, QWidget* opener = nullptr) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act, opener] {
        QWidget* shown = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::activeModalWidget();
        if (shown && shown != opener && shown->isVisible()) {
            timer->deleteLater();
            timer->stop();
            act(shown);
        }
    });
    timer->start(20);
}

struct Opening {
    const char* screen;
    const char* control;
    Qt::MouseButton mouse;
    QStringList texts;  // among those shown
};

// clang-format off
const Opening Openings[] = {
    {"frmMandel", "Cmdpagini", Qt::LeftButton, {"&Sì", "&No", "Annulla"}},
    // The input box opens at a given place, yet whole on the display.
    {"frmMandel", "Cmdao", Qt::LeftButton, {"OK", "Annulla"}},
    // Replacing a file loses what it held: the dialog asks first.
    {"frmMandel", "Cmdsave", Qt::LeftButton, {"&Nome del file:", "&Salva",
     "esiste.bmp esiste già.\nVuoi sostituirlo?", "&Sì"}},
    {"frmMandel", "Txtnx", Qt::RightButton, {"Ann&ulla", "&Taglia", "&Incolla", "Seleziona tutto"}},
};
// clang-format on

}  // namespace

TEST(DialogsInput, QtsOwnDialogsAndMenusSpeakItalianAndFitTheDisplay) {
    QTemporaryDir folder;
    for (const Opening& row : Openings) {
        SCOPED_TRACE(row.control);
        Form* screen = open(row.screen, std::make_unique<QtDialogs>());
        // The texts of the dialogs and menus shown, and whether each lay whole on the display.
        QStringList seen;
        bool onDisplay = true;
        auto look = [&](QWidget* shown) {
            for (QAction* action : shown->actions()) {
                seen << action->text().section(QLatin1Char('\t'), 0, 0);
            }
            for (QWidget* widget : shown->findChildren<QWidget*>()) {
                seen << widget->property("text").toString();
            }
            onDisplay &= shown->screen()->availableGeometry().contains(shown->frameGeometry());
        };
        whenShown([&](QWidget* shown) {
            look(shown);
            if (row.texts.contains(QStringLiteral("&Salva"))) {
                const QString existing = folder.filePath(QStringLiteral("esiste.bmp"));
                QFile(existing).open(QIODevice::WriteOnly);
                whenShown(
                    [&look](QWidget* question) {
                        look(question);
                        question->close();
                    },
                    shown);
                // Typed, the name would meet the dialog's completion; the question is the point.
                shown->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(existing);
                RealInput::key(shown, Qt::Key_Return);
            }
            shown->close();
        });
        RealInput::click(screen->findChild<QWidget*>(QLatin1String(row.control)), row.mouse);
        // A box's menu pops up without a loop of its own.
        EXPECT_TRUE(QTest::qWaitFor([&seen] { return !seen.isEmpty(); }));
        for (const QString& text : row.texts) {
            EXPECT_TRUE(seen.contains(text)) << text.toStdString();
        }
        EXPECT_TRUE(onDisplay);
        Screens::unloadAll();
    }
    Dialogs::install(std::make_unique<ScriptedDialogs>());
}

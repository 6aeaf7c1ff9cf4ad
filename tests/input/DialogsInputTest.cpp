// Qt's own dialogs and menus as the pupil meets them: opened by real clicks on the
// screens, read while they are open, and closed from inside their own event loop.
#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "input/RealInput.h"
#include "shell/Dialogs.h"
#include "shell/Form.h"
#include "shell/Screens.h"

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

// What the pupil saw of the dialogs and menus: their texts, and whether each lay
// whole on the display.
struct Seen {
    QStringList texts;
    bool onDisplay = true;

    void look(QWidget* shown) {
        if (auto* menu = qobject_cast<QMenu*>(shown)) {
            for (QAction* action : menu->actions()) {
                texts << action->text().section(QLatin1Char('\t'), 0, 0);
            }
        }
        for (auto* button : shown->findChildren<QAbstractButton*>()) {
            texts << button->text();
        }
        for (auto* label : shown->findChildren<QLabel*>()) {
            texts << label->text();
        }
        onDisplay =
            onDisplay && shown->screen()->availableGeometry().contains(shown->frameGeometry());
    }
};

struct Opening {
    const char* what;
    const char* screen;
    const char* control;
    Qt::MouseButton mouse;
    QStringList texts;                   // among those shown
    const char* existingFile = nullptr;  // typed into a save dialog, which then asks
};

const Opening Openings[] = {
    {"domanda all'uscita", "frmMandel", "Cmdpagini", Qt::LeftButton, {"&Sì", "&No", "Annulla"}},
    {"numero animazioni", "frmMandel", "Cmdao", Qt::LeftButton, {"OK", "Annulla"}},
    // Replacing a file loses what it held: the dialog asks first.
    {"salva immagine",
     "frmMandel",
     "Cmdsave",
     Qt::LeftButton,
     {"Cerca in:", "&Nome del file:", "File di tipo:", "&Salva", "Annulla",
      "esiste.bmp esiste già.\nVuoi sostituirlo?", "&Sì"},
     "esiste.bmp"},
    {"listato", "frmMandiversi", "Cmdlistato", Qt::LeftButton, {"Cerca in:", "&Apri", "Annulla"}},
    {"barra",
     "frmMandel",
     "vscrosso",
     Qt::RightButton,
     {"Scorri qui", "Cima", "Fondo", "Pagina su", "Pagina giù", "Scorri in alto",
      "Scorri in basso"}},
    {"casella",
     "frmMandel",
     "Txtnx",
     Qt::RightButton,
     {"Ann&ulla", "&Rifai", "&Taglia", "&Copia", "&Incolla", "Elimina", "Seleziona tutto"}},
};

}  // namespace

TEST(DialogsInput, QtsOwnDialogsAndMenusSpeakItalianAndFitTheDisplay) {
    QTemporaryDir folder;
    for (const Opening& row : Openings) {
        SCOPED_TRACE(row.what);
        Dialogs::install(std::make_unique<QtDialogs>());
        Form* screen = Screens::show(QLatin1String(row.screen));
        RealInput::activate(screen);
        Seen seen;
        whenShown([&](QWidget* shown) {
            seen.look(shown);
            if (row.existingFile) {
                const QString existing = folder.filePath(QLatin1String(row.existingFile));
                QFile(existing).open(QIODevice::WriteOnly);
                whenShown(
                    [&seen](QWidget* question) {
                        seen.look(question);
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
        EXPECT_TRUE(QTest::qWaitFor([&seen] { return !seen.texts.isEmpty(); }));
        for (const QString& text : row.texts) {
            EXPECT_TRUE(seen.texts.contains(text))
                << text.toStdString() << " not in " << seen.texts.join(" | ").toStdString();
        }
        EXPECT_TRUE(seen.onDisplay);
        Screens::unloadAll();
    }
    Dialogs::install(std::make_unique<ScriptedDialogs>());
}

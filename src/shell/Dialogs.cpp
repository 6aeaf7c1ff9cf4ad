#include "Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <algorithm>

namespace {

std::unique_ptr<Dialogs>& installed() {
    static std::unique_ptr<Dialogs> dialogs = std::make_unique<QtDialogs>();
    return dialogs;
}

QWidget* activeScreen() {
    return QApplication::activeWindow();
}

}  // namespace

Dialogs& Dialogs::current() {
    return *installed();
}

void Dialogs::install(std::unique_ptr<Dialogs> dialogs) {
    installed() = std::move(dialogs);
}

Dialogs::Answer MsgBox(const QString& text, Dialogs::Buttons buttons, Dialogs::Icon icon,
                       const QString& title) {
    return Dialogs::current().message(text, buttons, icon,
                                      title.isEmpty() ? QStringLiteral("frattalia") : title);
}

void reportPictureNotSaved(const QString& file) {
    MsgBox(QStringLiteral("L'immagine non è stata salvata: impossibile scrivere il file ") +
           QDir::toNativeSeparators(file));
}

Dialogs::Answer QtDialogs::message(const QString& text, Buttons buttons, Icon icon,
                                   const QString& title) {
    QMessageBox box(activeScreen());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
        case Icon::None:
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case Icon::Exclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Cancel:
            return Answer::Cancel;
        default:
            // A box closed from its title bar answers as its last button would.
            return buttons == Buttons::Ok      ? Answer::Ok
                   : buttons == Buttons::YesNo ? Answer::No
                                               : Answer::Cancel;
    }
}

QString QtDialogs::input(const QString& prompt, const QString& title, const QString& defaultText,
                         std::optional<QPoint> position) {
    QInputDialog box(activeScreen());
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(defaultText);
    // A long prompt wraps at half the display, at most 500 pixels, as a message box
    // wraps its text, so the box and its buttons stay on the display; where the
    // position asked for would push it past an edge, it moves in just enough.
    const QRect display = box.screen()->availableGeometry();
    const int wrapWidth = std::min(display.width() / 2, 500);
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->fontMetrics().horizontalAdvance(prompt) > wrapWidth) {
            label->setWordWrap(true);
            label->setMinimumWidth(wrapWidth);
        }
    }
    box.setMaximumWidth(display.width());
    if (position) {
        box.adjustSize();
        QRect placed(*position, box.size());
        placed.moveRight(std::min(placed.right(), display.right()));
        placed.moveBottom(std::min(placed.bottom(), display.bottom()));
        placed.moveLeft(std::max(placed.left(), display.left()));
        placed.moveTop(std::max(placed.top(), display.top()));
        box.move(placed.topLeft());
    }
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

namespace {
// "Pictures (*.gif *.png)" gives "gif"; empty when the filter names no suffix.
QString firstSuffix(const QString& nameFilter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;)*]+)"));
    return pattern.match(nameFilter).captured(1);
}
}  // namespace

QString QtDialogs::saveFileName(const QString& title, const QString& filter,
                                const QString& defaultSuffix, int* chosenFilter) {
    QFileDialog dialog(activeScreen(), title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    const QStringList filters = dialog.nameFilters();
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &filters, &defaultSuffix](const QString& chosen) {
                         const QString suffix = firstSuffix(chosen);
                         dialog.setDefaultSuffix(filters.indexOf(chosen) <= 0 || suffix.isEmpty()
                                                     ? defaultSuffix
                                                     : suffix);
                     });
    if (dialog.exec() != QDialog::Accepted) {
        return QString();
    }
    if (chosenFilter) {
        *chosenFilter = std::max(0, static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    }
    return dialog.selectedFiles().value(0);
}

QString QtDialogs::openFileName(const QString& title, const QString& filter,
                                const QString& folder) {
    return QFileDialog::getOpenFileName(activeScreen(), title, folder, filter);
}

Dialogs::Answer ScriptedDialogs::message(const QString& text, Buttons buttons, Icon icon,
                                         const QString& title) {
    shown.push_back({Kind::Message, text, title, buttons, icon});
    if (answers.empty()) {
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
    }
    const Answer answer = answers.front();
    answers.pop_front();
    return answer;
}

namespace {
QString takeFront(std::deque<QString>& queue) {
    if (queue.empty()) {
        return QString();
    }
    QString text = queue.front();
    queue.pop_front();
    return text;
}
}  // namespace

QString ScriptedDialogs::input(const QString& prompt, const QString& title,
                               const QString& defaultText, std::optional<QPoint> position) {
    shown.push_back({Kind::Input, prompt, title, Buttons::Ok, Icon::None, defaultText, position});
    return takeFront(inputs);
}

QString ScriptedDialogs::saveFileName(const QString& title, const QString&, const QString&,
                                      int* chosenFilter) {
    shown.push_back({Kind::SaveFile, QString(), title, Buttons::Ok, Icon::None});
    if (chosenFilter) {
        *chosenFilter = 0;
        if (!chosenFilters.empty()) {
            *chosenFilter = chosenFilters.front();
            chosenFilters.pop_front();
        }
    }
    return takeFront(files);
}

QString ScriptedDialogs::openFileName(const QString& title, const QString&, const QString&) {
    shown.push_back({Kind::OpenFile, QString(), title, Buttons::Ok, Icon::None});
    return takeFront(files);
}

std::vector<QString> ScriptedDialogs::messages() const {
    std::vector<QString> texts;
    for (const Shown& dialog : shown) {
        if (dialog.kind == Kind::Message) {
            texts.push_back(dialog.text);
        }
    }
    return texts;
}

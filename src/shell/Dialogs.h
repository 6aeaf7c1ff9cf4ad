#pragma once

#include <QPoint>
#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

// Every message box, input box and file dialog goes through here, so tests can
// answer them from a script and read what the program said.
class Dialogs {
  public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Question, Exclamation, Information, Critical };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Dialogs() = default;
    virtual Answer message(const QString& text, Buttons buttons, Icon icon,
                           const QString& title) = 0;
    // The text typed, or an empty text when cancelled. The box opens with its top-left
    // corner at the position on the screen given, in pixels, or centred without one.
    virtual QString input(const QString& prompt, const QString& title, const QString& defaultText,
                          std::optional<QPoint> position = std::nullopt) = 0;
    // The chosen file, or an empty text when cancelled. A name typed without a suffix
    // gets that of the chosen filter (the default suffix for the first); the number of
    // the chosen filter (0 for the first) goes to chosenFilter when one is given.
    virtual QString saveFileName(const QString& title, const QString& filter,
                                 const QString& defaultSuffix, int* chosenFilter = nullptr) = 0;
    // The chosen file, or an empty text when cancelled; the dialog starts in the folder
    // given, or in the usual one.
    virtual QString openFileName(const QString& title, const QString& filter,
                                 const QString& folder = QString()) = 0;

    // The dialogs in use: the Qt ones unless others were installed.
    static Dialogs& current();
    static void install(std::unique_ptr<Dialogs> dialogs);
};

// A message box; without a title of its own it shows the program's title.
Dialogs::Answer MsgBox(const QString& text, Dialogs::Buttons buttons = Dialogs::Buttons::Ok,
                       Dialogs::Icon icon = Dialogs::Icon::None, const QString& title = QString());

// Tells the pupil that a picture could not be written to the file named.
void reportPictureNotSaved(const QString& file);

class QtDialogs : public Dialogs {
  public:
    Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText,
                  std::optional<QPoint> position) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                         int* chosenFilter) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& folder) override;
};

// Answers from queues and records every dialog shown. An empty queue answers with
// the first button, an empty text or no file.
class ScriptedDialogs : public Dialogs {
  public:
    enum class Kind { Message, Input, SaveFile, OpenFile };
    struct Shown {
        Kind kind;
        QString text;  // message or prompt
        QString title;
        Buttons buttons;
        Icon icon;
        QString defaultText = QString();  // input boxes only
        std::optional<QPoint> position = std::nullopt;
    };

    std::deque<Answer> answers;
    std::deque<QString> inputs;
    std::deque<QString> files;
    // The filter chosen in each save dialog that reports it; 0 when empty.
    std::deque<int> chosenFilters;
    std::vector<Shown> shown;

    Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText,
                  std::optional<QPoint> position) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& defaultSuffix,
                         int* chosenFilter) override;
    QString openFileName(const QString& title, const QString& filter,
                         const QString& folder) override;

    // The texts of the message boxes shown, in order.
    std::vector<QString> messages() const;
};

// Every handler that reads a text box, with each of the texts a pupil may type by
// mistake in each box it reads: the handler returns with its own message, page or
// error lines, nothing escapes, and the next drawing with good texts works.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>
#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

#include "henon/frmattratHenon.h"
#include "ifs/Frmfelce.h"
#include "mandel/ParameterFile.h"
#include "mandel/frmMandel.h"
#include "shell/Canvas.h"
#include "shell/DecimalEntry.h"
#include "shell/Dialogs.h"
#include "shell/RuntimeFailure.h"
#include "variants/frmMandiversi.h"
#include "verhulst/frmverhulst2.h"

namespace {

const QStringList& badTexts() {
    static const QStringList texts = {
        QString(),
        QStringLiteral("a"),
        QStringLiteral("1.5"),
        QStringLiteral("1,2,3"),
        QStringLiteral("1e400"),
        QStringLiteral("-1e400"),
        QStringLiteral("NaN"),
        QStringLiteral("inf"),
        QStringLiteral(" "),
        QString(10000, QLatin1Char('9')),
        QStringLiteral("0"),
        QStringLiteral("-3"),
    };
    return texts;
}

// A number too large to hold: boxes with a range check refuse it by their range.
bool tooLargeToHold(const QString& text) {
    const QLineEdit box(text);
    try {
        return std::isinf(DecimalEntry::readUnbounded(&box));
    } catch (const RuntimeFailure&) {
        return false;
    }
}

bool readable(const QString& text) {
    try {
        DecimalEntry::read(text);
        return true;
    } catch (const RuntimeFailure&) {
        return false;
    }
}

// Ink of a canvas in an area: pixels that differ from the background.
int inkIn(const Canvas* canvas, const QRect& area, ColourNumber background) {
    int ink = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            ink += canvas->Point(x, y) != background ? 1 : 0;
        }
    }
    return ink;
}

// Pixels of a canvas in an area that hold the colour.
int countIn(const Canvas* canvas, const QRect& area, ColourNumber colour) {
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            count += canvas->Point(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// The texts of every box of a screen as they were, to put back after a bad text.
class BoxTexts {
  public:
    explicit BoxTexts(QWidget* form) {
        for (QLineEdit* box : form->findChildren<QLineEdit*>()) {
            saved_.emplace_back(box, box->text());
        }
    }
    void restore() const {
        for (const auto& [box, text] : saved_) {
            box->setText(text);
        }
    }

  private:
    std::vector<std::pair<QLineEdit*, QString>> saved_;
};

// Where a bad text goes: a box, or the answer of an input box.
struct Slot {
    QString name;
    std::function<void(const QString&)> put;
};

Slot box(QLineEdit* box) {
    return {box->objectName(), [box](const QString& text) { box->setText(text); }};
}

std::vector<Slot> boxes(std::initializer_list<QLineEdit*> list) {
    std::vector<Slot> places;
    for (QLineEdit* b : list) {
        places.push_back(box(b));
    }
    return places;
}

template <std::size_t N>
void addRow(std::vector<Slot>& places, const std::array<QLineEdit*, N>& row) {
    for (std::size_t k = 0; k < N; ++k) {
        places.push_back({row[k]->objectName() + QString::number(k),
                          [b = row[k]](const QString& text) { b->setText(text); }});
    }
}

// One handler: the places it reads, the call (with the drawing's own stop gesture
// armed where its length grows with a typed number), and what a text it cannot read
// or any other text must give.
struct Handler {
    QString name;
    std::vector<Slot> places;
    std::function<void()> run;
    // Called after the run: whether the text was a number, the text.
    std::function<void(bool, const QString&)> expectAnswer;
};

class BadText : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
    }

    // Runs every handler with every bad text in every place it reads; after each, the
    // screen's good texts come back and the valid drawing must work.
    void tryEveryBadText(QWidget* form, const std::vector<Handler>& handlers,
                         const std::function<void()>& validDrawing) {
        const BoxTexts start(form);
        for (const Handler& handler : handlers) {
            for (const Slot& slot : handler.places) {
                for (const QString& bad : badTexts()) {
                    SCOPED_TRACE((handler.name + QStringLiteral(" ") + slot.name +
                                  QStringLiteral(" \"") + bad.left(12) + QStringLiteral("\""))
                                     .toStdString());
                    start.restore();
                    dialogs->shown.clear();
                    dialogs->inputs.clear();
                    slot.put(bad);
                    try {
                        handler.run();
                    } catch (...) {
                        ADD_FAILURE() << "an exception escaped the handler";
                    }
                    // A stop gesture the run did not take must not reach the next one.
                    QCoreApplication::processEvents();
                    handler.expectAnswer(readable(bad), bad);
                    start.restore();
                    dialogs->shown.clear();
                    dialogs->inputs.clear();
                    try {
                        validDrawing();
                    } catch (...) {
                        ADD_FAILURE() << "an exception escaped the valid drawing";
                    }
                }
            }
        }
    }

    // The messages shown are among those the handler has, at most one.
    void expectMessagesAmong(const std::set<QString>& allowed) const {
        EXPECT_LE(dialogs->messages().size(), 1u);
        for (const QString& message : dialogs->messages()) {
            EXPECT_TRUE(allowed.count(message)) << message.toStdString();
        }
    }

    ScriptedDialogs* dialogs = nullptr;
};

// Posts a key press to the explorer: read at its next yield, it ends the drawing.
void postKey(QWidget* form) {
    QCoreApplication::postEvent(form,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier));
}

const QString ExplorerInputError = QStringLiteral(
    "Hai immesso una Lettera invece di un numero, o un Punto inveve della virgola, oppure una "
    "casella è vuota. Correggere!");
const std::set<QString> ExplorerMessages = {
    ExplorerInputError,
    QStringLiteral("Ingrandimento massimo 25 miliardi, cambialo!"),
    QStringLiteral("coordinata x troppo bassa o troppo alta, oppure hai messo punto invece della "
                   "virgola!"),
    QStringLiteral(
        "coordinata y troppo bassa o troppo alta,oppure hai messo punto invece della virgola!"),
};

}  // namespace

namespace {

// The explorer, loaded with its start view.
class ExplorerBadText : public BadText {
  protected:
    void SetUp() override {
        BadText::SetUp();
        form = std::make_unique<frmMandel>();
        form->showScreen();
    }

    std::vector<Slot> drawingBoxes() const {
        return boxes({form->txtcicli, form->txtingr, form->Txtnx, form->txtny, form->txtpasso,
                      form->Txtcolore, form->txtverde, form->txtblu, form->Txtxini, form->Txtyini});
    }
    std::vector<Slot> colourBoxes() const {
        return boxes({form->Txtcolore, form->txtverde, form->txtblu, form->txtpasso});
    }

    // A box the drawing cannot read gives the input error and the error exit; a number
    // too large to hold gets one message, the range's where the box has one; other texts
    // may be refused by their range.
    void expectDrawingAnswer(bool number, const QString& text) const {
        if (!number && tooLargeToHold(text)) {
            EXPECT_EQ(dialogs->messages().size(), 1u);
        } else if (!number) {
            EXPECT_EQ(dialogs->messages(), std::vector<QString>{ExplorerInputError});
            EXPECT_EQ(form->cmddisegna->text(), "Disegna");
            EXPECT_EQ(form->MousePointer(), 2);
        }
        expectMessagesAmong(ExplorerMessages);
    }
    void expectQuiet() const { EXPECT_TRUE(dialogs->messages().empty()); }

    void tryEveryBadText(const std::vector<Handler>& handlers) {
        BadText::tryEveryBadText(form.get(), handlers, [this] {
            form->cmddisegna_Click();
            EXPECT_TRUE(dialogs->messages().empty());
            EXPECT_EQ(form->cmddisegna->text(), "DISEGNA");
            EXPECT_GT(inkIn(form->pictmandel, QRect(0, 0, 300, 300), Colour::Black), 10000);
        });
    }

    std::unique_ptr<frmMandel> form;
};

}  // namespace

TEST_F(ExplorerBadText, TheDrawingAnswersEveryBoxForTheSetAndTheJuliaSets) {
    const auto answer = [this](bool number, const QString& text) {
        expectDrawingAnswer(number, text);
    };
    tryEveryBadText({
        {"cmddisegna_Click", drawingBoxes(), [this] { form->cmddisegna_Click(); }, answer},
        {"cmddisegna_Click Julia", drawingBoxes(),
         [this] {
             form->Cmdmandel->setText(QStringLiteral("Julia"));
             form->cmddisegna_Click();
             form->Cmdmandel->setText(QStringLiteral("Mandelbrot"));
         },
         answer},
        {"CMDINGR_MouseDown", boxes({form->txtingr}),
         [this] { form->CMDINGR_MouseDown(1, 0, 5, 5); },
         [this](bool number, const QString&) {
             // No number: the message, and no drawing at all.
             if (!number) {
                 EXPECT_EQ(dialogs->messages(), std::vector<QString>{ExplorerInputError});
             }
             expectMessagesAmong(ExplorerMessages);
         }},
    });
}

TEST_F(ExplorerBadText, ThePlacesReadTheColourBoxesAsTheDrawingDoes) {
    // A place writes its own view and draws it with the colours of the boxes.
    const std::vector<Slot> read =
        boxes({form->txtpasso, form->Txtcolore, form->txtverde, form->txtblu});
    const auto answer = [this](bool number, const QString& text) {
        expectDrawingAnswer(number, text);
    };
    tryEveryBadText({
        {"mnuMandel_Click", read, [this] { form->mnuMandel_Click(); }, answer},
        {"mnuraggi_Click", read, [this] { form->mnuraggi_Click(); }, answer},
    });
}

TEST_F(ExplorerBadText, TheFullScreenDrawingAnswersEveryBoxAndStopsOnAKey) {
    const QString smallScreen = form->Cmdschermo->text();
    tryEveryBadText({
        {"cmddisegna_Click full screen", drawingBoxes(),
         [&] {
             form->Cmdschermo->setText(QStringLiteral("Schermo grande"));
             postKey(form.get());
             form->cmddisegna_Click();
             form->Cmdschermo->setText(smallScreen);
             form->Form_Click();
         },
         [this](bool number, const QString& text) { expectDrawingAnswer(number, text); }},
    });
}

TEST_F(ExplorerBadText, TheClickOnThePictureAndTheColourBarsKeepTheirCalm) {
    const auto quiet = [this](bool, const QString&) { expectQuiet(); };
    tryEveryBadText({
        {"pictmandel_MouseDown", boxes({form->Textb}),
         [this] { form->pictmandel_MouseDown(1, 0, 20, 30); },
         [this](bool number, const QString& text) {
             // No number, or a magnification of 0, cannot place the click.
             if (!number || DecimalEntry::read(text) == 0) {
                 EXPECT_EQ(dialogs->messages(), std::vector<QString>{ExplorerInputError});
             } else {
                 expectQuiet();
             }
         }},
        {"vscrosso_Scroll", colourBoxes(), [this] { form->vscrosso_Scroll(); }, quiet},
        {"vscverde_Scroll", colourBoxes(), [this] { form->vscverde_Scroll(); }, quiet},
        {"vscblu_Scroll", colourBoxes(), [this] { form->vscblu_Scroll(); }, quiet},
        {"vsccolori_Scroll", colourBoxes(), [this] { form->vsccolori_Scroll(); }, quiet},
    });
}

TEST_F(ExplorerBadText, TheFilmEndsQuietlyOnABadNumberAndStopsOnAKey) {
    // Its number comes from an input box, its colours and centre from boxes.
    std::vector<Slot> places = colourBoxes();
    places.push_back(box(form->Txtnx));
    places.push_back({"input box", [this](const QString& text) { dialogs->inputs = {text}; }});
    tryEveryBadText({
        {"Cmdao_Click", places,
         [this] {
             if (dialogs->inputs.empty()) {
                 dialogs->inputs = {QStringLiteral("12")};
             }
             postKey(form.get());
             form->Cmdao_Click();
         },
         [this](bool, const QString&) { expectQuiet(); }},
    });
}

TEST_F(ExplorerBadText, AViewLoadedFromTheParameterFileIsCheckedLikeTypedText) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ParameterFile::setPath(folder.filePath(QStringLiteral("caos1.txt")));
    const ParameterFile::Fields good = {QStringLiteral("-0,75"), QStringLiteral("0"),
                                        QStringLiteral("70"), QStringLiteral("1")};
    std::vector<Slot> fields;
    for (int i = 0; i < 4; ++i) {
        fields.push_back({QStringLiteral("field %1").arg(i), [good, i](const QString& text) {
                              ParameterFile::Fields saved = good;
                              saved[i] = text;
                              ASSERT_TRUE(ParameterFile::save(saved));
                          }});
    }
    tryEveryBadText({
        {"mnuParametri_Click then cmddisegna_Click", fields,
         [this] {
             dialogs->answers = {Dialogs::Answer::Yes};
             form->mnuParametri_Click();
             dialogs->shown.clear();  // the question before loading
             form->cmddisegna_Click();
         },
         [this](bool number, const QString& text) { expectDrawingAnswer(number, text); }},
    });
    ParameterFile::setPath(QString());
}

TEST_F(BadText, VariantsAskForANumberFromOneToTen) {
    frmMandiversi form;
    form.showScreen();
    const QString notANumber =
        QStringLiteral("Inserisci un numero da 1 a 10 nella finestrella bianca in alto!");
    tryEveryBadText(&form,
                    {{"Cmdstart_Click", boxes({form.Text1}), [&] { form.Cmdstart_Click(); },
                      [&](bool number, const QString&) {
                          if (number) {
                              EXPECT_TRUE(dialogs->messages().empty());
                          } else {
                              EXPECT_EQ(dialogs->messages(), std::vector<QString>{notANumber});
                          }
                      }}},
                    [&] {
                        form.Picture1->Cls();
                        form.Cmdstart_Click();
                        EXPECT_TRUE(dialogs->messages().empty());
                        EXPECT_EQ(form.Cmdstart->text(), "DISEGNA");
                        EXPECT_GT(
                            inkIn(form.Picture1, QRect(1, 1, 200, 200), form.Picture1->BackColor()),
                            1000);
                    });
}

namespace {

// The IFS run's stop gesture: a second click on its button during the run.
void runIfsStoppedAfter(Frmfelce& form, int ticks) {
    QTimer timer;
    timer.setInterval(0);
    int tick = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++tick == ticks && form.Cmd4->text() == QLatin1String("Stop")) {
            form.Cmd4->click();
        }
    });
    timer.start();
    form.Cmd4_Click();
}

// The first line of the IFS error page.
bool ifsErrorPage(const Frmfelce& form) {
    return inkIn(form.Picture1, QRect(40, 300, 300, 18), Colour::Black) > 100;
}

}  // namespace

TEST_F(BadText, IfsRunShowsItsErrorPageForEveryBoxOfTheGrid) {
    Frmfelce form;
    form.showScreen();
    std::vector<Slot> places =
        boxes({form.txtnumcol, form.txtgr, form.txtcicli, form.Txtvx, form.txtvy});
    for (const auto* row :
         {&form.Txta, &form.txtb, &form.txtc, &form.txtd, &form.txte, &form.txtf, &form.txtcol}) {
        addRow(places, *row);
    }
    tryEveryBadText(&form,
                    {{"Cmd4_Click", places, [&] { runIfsStoppedAfter(form, 3); },
                      [&](bool number, const QString&) {
                          EXPECT_TRUE(dialogs->messages().empty());
                          if (!number) {
                              EXPECT_TRUE(ifsErrorPage(form));
                          }
                          EXPECT_EQ(form.Cmd4->text(), "Nuovo disegno");
                          EXPECT_TRUE(form.cmdfelce->isEnabled());
                      }}},
                    [&] {
                        // The figure of the start grid, to its end: "FINITO" in red.
                        form.Cmd4_Click();
                        EXPECT_FALSE(ifsErrorPage(form));
                        EXPECT_EQ(form.Cmd4->text(), "Nuovo disegno");
                        EXPECT_GT(countIn(form.Picture1, QRect(190, 460, 80, 25), Colour::Red), 30);
                    });
}

namespace {

// A ready-made figure ends with its advice at the bottom; its error page has none.
bool ifsAdvicePrinted(const Frmfelce& form) {
    return inkIn(form.Picture1, QRect(0, 454, 500, 26), Colour::Black) > 300;
}

// A colour box holds a palette number, 0 to 15 once rounded.
bool paletteNumber(bool number, const QString& text) {
    if (!number) {
        return false;
    }
    const double value = DecimalEntry::read(text);
    return value >= -0.5 && value < 15.5;
}

}  // namespace

TEST_F(BadText, IfsFiguresThatReadBoxesShowTheErrorPageForANumberTheyCannotUse) {
    Frmfelce form;
    form.showScreen();
    // Only the dust and the scribbles take colours from the boxes, the scribbles also
    // their offsets; the other figures read no box.
    const auto colourAnswer = [&](bool number, const QString& text) {
        EXPECT_TRUE(dialogs->messages().empty());
        EXPECT_EQ(ifsAdvicePrinted(form), paletteNumber(number, text));
        if (!paletteNumber(number, text)) {
            EXPECT_TRUE(ifsErrorPage(form));
        }
    };
    const auto offsetAnswer = [&](bool number, const QString&) {
        EXPECT_TRUE(dialogs->messages().empty());
        EXPECT_EQ(ifsAdvicePrinted(form), number);
        if (!number) {
            EXPECT_TRUE(ifsErrorPage(form));
        }
    };
    tryEveryBadText(
        &form,
        {
            {"cmdpolvere_Click", boxes({form.txtcol[1], form.txtcol[2]}),
             [&] { form.cmdpolvere_Click(); }, colourAnswer},
            {"cmdzig_Click", boxes({form.txtcol[1]}), [&] { form.cmdzig_Click(); }, colourAnswer},
            {"cmdzig_Click", boxes({form.Txtvx, form.txtvy}), [&] { form.cmdzig_Click(); },
             offsetAnswer},
        },
        [&] {
            form.cmdpolvere_Click();
            EXPECT_TRUE(ifsAdvicePrinted(form));
            form.cmdzig_Click();
            EXPECT_TRUE(ifsAdvicePrinted(form));
        });
}

TEST_F(BadText, VerhulstAnswersWithItsErrorLinesOrItsPages) {
    frmverhulst2 form;
    form.showScreen();
    Canvas* picture = form.Picture1;
    const QString rangeRefused = QStringLiteral(
        "Numero inferiore a 0,1 oppure superiore a 9,8  oppure hai messo il punto invece della "
        "virgola. ");
    // The presets print their page whatever the boxes hold.
    const auto quiet = [&](bool, const QString&) {
        EXPECT_TRUE(dialogs->messages().empty());
        EXPECT_GT(inkIn(picture, QRect(0, 0, 500, 500), Colour::Black), 500);
    };
    tryEveryBadText(
        &form,
        {
            {"Cmdgrafico_Click", boxes({form.txtx, form.Txtu}), [&] { form.Cmdgrafico_Click(); },
             [&](bool number, const QString&) {
                 EXPECT_LE(dialogs->messages().size(), 1u);
                 for (const QString& message : dialogs->messages()) {
                     EXPECT_EQ(message, rangeRefused);
                 }
                 if (!number) {
                     // The two error lines at the top.
                     EXPECT_GT(inkIn(picture, QRect(10, 10, 250, 28), Colour::Black), 100);
                 }
             }},
            {"cmddisegna_Click", boxes({form.Txting, form.txtx, form.Txty, form.Txtu}),
             [&] { form.cmddisegna_Click(); },
             [&](bool number, const QString&) {
                 EXPECT_TRUE(dialogs->messages().empty());
                 if (!number) {
                     // The five red lines and no diagram.
                     EXPECT_GT(inkIn(picture, QRect(5, 380, 300, 75), Colour::Black), 500);
                     EXPECT_EQ(inkIn(picture, QRect(0, 0, 500, 378), Colour::Black), 0);
                 }
             }},
            {"Cmdcaos_Click", boxes({form.Txting, form.Txtu}), [&] { form.Cmdcaos_Click(); },
             quiet},
            {"Cmdper1_Click", boxes({form.Txting, form.Txtu}), [&] { form.Cmdper1_Click(); },
             quiet},
            {"Cmdper2_Click", boxes({form.Txting, form.Txtu}), [&] { form.Cmdper2_Click(); },
             quiet},
            {"Cmdper4_Click", boxes({form.Txting, form.Txtu, form.Txty}),
             [&] { form.Cmdper4_Click(); }, quiet},
        },
        [&] {
            form.Cmdgrafico_Click();
            EXPECT_TRUE(dialogs->messages().empty());
            EXPECT_GT(inkIn(picture, QRect(0, 50, 500, 380), Colour::Black), 300);
            form.txtx->setText(QStringLiteral("4"));
            form.Txty->setText(QStringLiteral("2,8"));
            form.cmddisegna_Click();
            EXPECT_TRUE(dialogs->messages().empty());
            EXPECT_GT(inkIn(picture, QRect(0, 0, 480, 378), Colour::Black), 1000);
        });
}

TEST_F(BadText, HenonAsksForANumberAndStopsOnAClick) {
    frmattratHenon form;
    form.showScreen();
    const QString notANumber = QStringLiteral(
        "Negli ingrandimenti ci vuole un numero: scrivilo con la virgola come separatore "
        "decimale, per esempio 2,5.");
    // Its stop gesture, a click on the picture, arrives once the drawing yields.
    const auto drawStopped = [&] {
        QMetaObject::invokeMethod(
            &form, [&] { form.Picture1_Click(); }, Qt::QueuedConnection);
        form.cmddisegna_Click();
        QCoreApplication::processEvents();
    };
    tryEveryBadText(&form,
                    {{"cmddisegna_Click", boxes({form.Txtx}), drawStopped,
                      [&](bool number, const QString&) {
                          if (number) {
                              EXPECT_TRUE(dialogs->messages().empty());
                              EXPECT_EQ(form.cmddisegna->text(), "Disegna");
                          } else {
                              // The button is left as it was, never busy.
                              EXPECT_EQ(dialogs->messages(), std::vector<QString>{notANumber});
                              EXPECT_NE(form.cmddisegna->text(), "attendere prego");
                          }
                      }}},
                    [&] {
                        form.Txtx->setText(QStringLiteral("0,5"));
                        form.cmddisegna_Click();
                        EXPECT_TRUE(dialogs->messages().empty());
                        EXPECT_EQ(form.cmddisegna->text(), "Disegna");
                        EXPECT_GT(
                            inkIn(form.Picture1, QRect(0, 0, 500, 500), form.Picture1->BackColor()),
                            1000);
                    });
}

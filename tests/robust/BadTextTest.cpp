// Every handler that reads a text box, with each of the texts a pupil may type by
// mistake in each box it reads: the handler returns with its own message, page or
// error lines, nothing escapes, and the next drawing with good texts works.
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

#include "TestSupport.h"
#include "henon/frmattratHenon.h"
#include "ifs/Frmfelce.h"
#include "mandel/ExplorerMessages.h"
#include "mandel/ParameterFile.h"
#include "mandel/frmMandel.h"
#include "variants/frmMandiversi.h"
#include "verhulst/frmverhulst2.h"

namespace {

// A text and what it holds: no number (NaN), a number too large to hold (infinite:
// boxes with a range check refuse it by their range), or a number ("1.5" is 15: the
// period groups digits).
const double None = std::nan(""), Huge = INFINITY;
const std::vector<std::pair<QString, double>> badTexts = {
    {"", None},       {"a", None},   {"1.5", 15},   {"1,2,3", None}, {"1e400", Huge},
    {"-1e400", Huge}, {"NaN", None}, {"inf", None}, {" ", None},     {QString(10000, '9'), Huge},
    {"0", 0},         {"-3", -3}};

// How a handler answers: the message for a text it refuses (none where it shows a
// page), the messages it may give otherwise (one at most), and what its screen shows.
struct Answer {
    std::vector<QString> refusal;
    QStringList others = {};
    std::function<bool()> refused = nullptr, accepted = nullptr;
    std::function<bool(double)> refuses = [](double value) { return !std::isfinite(value); };
};

// A handler: how to run it, the places it reads (none listed: every box of its screen)
// and how it answers.
struct Row {
    QString name;
    std::function<void()> run;
    QList<QLineEdit*> places;
    Answer answer;
};
#define HANDLER(name) #name, [&] { form->name(); }

// Runs every row with every bad text in every place it reads, with the screen's stop
// gesture armed (a drawing's length may grow with a typed number); after each, the
// screen's good texts come back and its good drawing must work.
void tryEveryBadText(
    ScriptedDialogs& dialogs, QWidget* form, const std::vector<Row>& rows,
    const std::function<bool()>& good, const std::function<void()>& stop = [] {}) {
    const QList<QLineEdit*> boxes = form->findChildren<QLineEdit*>();
    QStringList start;
    for (QLineEdit* box : boxes) {
        start << box->text();
    }
    const auto reset = [&] {
        for (int i = 0; i < boxes.size(); ++i) {
            boxes[i]->setText(start[i]);
        }
        dialogs.shown.clear();
    };
    for (const auto& [name, run, places, answer] : rows) {
        for (QLineEdit* place : places.isEmpty() ? boxes : places) {
            for (const auto& [text, value] : badTexts) {
                SCOPED_TRACE(
                    (name + " " + place->objectName() + ": " + text.left(12)).toStdString());
                reset();
                place->setText(text);
                stop();
                EXPECT_NO_THROW(run());
                // A stop gesture the run did not take must not reach the next one.
                QCoreApplication::processEvents();
                const std::vector<QString> shown = dialogs.messages();
                const bool one = shown.size() == 1 && answer.others.contains(shown[0]);
                // A number too large to hold may be refused by a range, with its message.
                const bool byRange = std::isinf(value) && one && shown != answer.refusal;
                if (answer.refuses(value) && !byRange) {
                    EXPECT_EQ(shown, answer.refusal);
                    EXPECT_TRUE(!answer.refused || answer.refused());
                } else {
                    EXPECT_TRUE(shown.empty() || one) << shown[0].toStdString();
                    EXPECT_TRUE(byRange || !answer.accepted || answer.accepted());
                }
                reset();
                EXPECT_NO_THROW(EXPECT_TRUE(good() && dialogs.messages().empty()));
            }
        }
    }
}

using ExplorerBadText = ScreenTest<frmMandel>;
using VariantsBadText = ScreenTest<frmMandiversi>;
using IfsBadText = ScreenTest<Frmfelce>;
using VerhulstBadText = ScreenTest<frmverhulst2>;
using HenonBadText = ScreenTest<frmattratHenon>;

}  // namespace

TEST_F(ExplorerBadText, EveryHandlerAnswersWithItsMessageAndTheNextDrawingWorks) {
    const QStringList messages = {InputError, ZoomError, XError, YError};
    // A drawing it refuses ends at once, with its button and pointer back.
    const auto back = [this] {
        return form->cmddisegna->text() == "Disegna" && form->MousePointer() == 2;
    };
    const Answer drawing{{InputError}, messages, back};
    // A magnification of 0 cannot place a click on the picture either.
    Answer click{{InputError}};
    click.refuses = [](double value) { return !(std::isfinite(value) && value != 0); };
    const QList<QLineEdit*> all = {form->txtcicli, form->txtingr,   form->Txtnx,    form->txtny,
                                   form->txtpasso, form->Txtcolore, form->txtverde, form->txtblu,
                                   form->Txtxini,  form->Txtyini};
    const QList<QLineEdit*> colours = {form->Txtcolore, form->txtverde, form->txtblu,
                                       form->txtpasso};
    // A saved view is checked like typed text once loaded: the boxes it holds are saved,
    // set to other numbers and loaded again before the drawing.
    QTemporaryDir folder;
    ParameterFile::setPath(folder.filePath("caos1.txt"));
    const QList<QLineEdit*> view = {form->Txtnx, form->txtny, form->txtcicli, form->txtingr};
    const auto loadAndDraw = [this, view] {
        ParameterFile::save({view[0]->text(), view[1]->text(), view[2]->text(), view[3]->text()});
        for (QLineEdit* box : view) {
            box->setText("1");
        }
        dialogs->answers = {Dialogs::Answer::Yes};
        form->mnuParametri_Click();
        dialogs->shown.clear();  // the question before loading
        form->cmddisegna_Click();
    };
    // The Julia sets and the full screen: a button's caption chooses them.
    const auto drawWith = [this](QPushButton* button) {
        return [this, button] {
            const QString was = button->text();
            button->click();
            form->cmddisegna_Click();
            button->setText(was);
            form->Form_Click();
        };
    };
    // The film takes its number from an input box (answered here from a hidden box of its
    // own), its colours and centre from boxes.
    auto* number = new QLineEdit("12", form.get());
    number->setObjectName("input box");
    const auto film = [this, number] {
        dialogs->inputs = {number->text()};
        form->Cmdao_Click();
    };
    const auto zoom = [this] { form->CMDINGR_MouseDown(1, 0, 5, 5); };
    const auto pick = [this] { form->pictmandel_MouseDown(1, 0, 20, 30); };
    const std::vector<Row> rows = {
        {HANDLER(cmddisegna_Click), all, drawing},
        {"Julia", drawWith(form->Cmdmandel), all, drawing},
        {"full screen", drawWith(form->Cmdschermo), all, drawing},
        {HANDLER(mnuMandel_Click), colours, drawing},
        {HANDLER(mnuraggi_Click), colours, drawing},
        {"saved view", loadAndDraw, view, drawing},
        {"CMDINGR_MouseDown", zoom, {form->txtingr}, {{InputError}, messages}},
        {"pictmandel_MouseDown", pick, {form->Textb}, click},
        {HANDLER(vscrosso_Scroll), colours, {}},
        {HANDLER(vscverde_Scroll), colours, {}},
        {HANDLER(vscblu_Scroll), colours, {}},
        {HANDLER(vsccolori_Scroll), colours, {}},
        {"Cmdao_Click", film, colours + QList<QLineEdit*>{form->Txtnx, number}, {}}};
    // Its stop gesture, a key, is read at the drawing's next yield.
    const auto stop = [this] {
        QCoreApplication::postEvent(form.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Space, {}));
    };
    const auto good = [this] {
        form->cmddisegna_Click();
        return form->cmddisegna->text() == "DISEGNA" &&
               inkIn(form->pictmandel, QRect(0, 0, 300, 300), Colour::Black) > 10000;
    };
    tryEveryBadText(*dialogs, form.get(), rows, good, stop);
    ParameterFile::setPath(QString());
}

TEST_F(VariantsBadText, AskForANumberFromOneToTen) {
    const Answer answer{{"Inserisci un numero da 1 a 10 nella finestrella bianca in alto!"}};
    tryEveryBadText(*dialogs, form.get(), {{HANDLER(Cmdstart_Click), {}, answer}}, [this] {
        form->Picture1->Cls();
        form->Cmdstart_Click();
        return form->Cmdstart->text() == "DISEGNA" &&
               inkIn(form->Picture1, QRect(1, 1, 200, 200), form->Picture1->BackColor()) > 1000;
    });
}

TEST_F(IfsBadText, ShowsItsErrorPageForEveryBoxItReads) {
    // The first line of the error page; the advice that ends a ready-made figure.
    const auto ink = [this](QRect area) { return inkIn(form->Picture1, area, Colour::Black); };
    const auto errorPage = [&] { return ink(QRect(40, 300, 300, 18)) > 100; };
    const auto advice = [&] { return ink(QRect(0, 454, 500, 26)) > 300; };
    const auto idle = [this] {
        return form->Cmd4->text() == "Nuovo disegno" && form->cmdfelce->isEnabled();
    };
    // The run reads every box; its figure of the start grid ends with "FINITO" in red.
    const Answer page{{}, {}, [&] { return errorPage() && idle(); }, idle};
    const auto finished = [&] {
        form->Cmd4_Click();
        return !errorPage() && idle() &&
               countIn(form->Picture1, QRect(190, 460, 80, 25), Colour::Red) > 30;
    };
    // Its stop gesture: a second click on its button, while it says "Stop".
    const auto stop = [this] {
        QTimer::singleShot(0, form.get(), [this] {
            if (form->Cmd4->text() == "Stop") {
                RealInput::click(form->Cmd4);
            }
        });
    };
    // Only the dust and the scribbles of the ready-made figures read boxes: colours from
    // the palette (0 to 15 once rounded), the scribbles also their offsets.
    const Answer offsets{{}, {}, [&] { return errorPage() && !advice(); }, advice};
    Answer colours = offsets;
    colours.refuses = [](double value) { return !(value >= -0.5 && value < 15.5); };
    const std::vector<Row> rows = {
        {HANDLER(Cmd4_Click), {}, page},
        {HANDLER(cmdpolvere_Click), {form->txtcol[1], form->txtcol[2]}, colours},
        {HANDLER(cmdzig_Click), {form->txtcol[1]}, colours},
        {HANDLER(cmdzig_Click), {form->Txtvx, form->txtvy}, offsets}};
    tryEveryBadText(*dialogs, form.get(), rows, finished, stop);
}

TEST_F(VerhulstBadText, AnswersWithItsErrorLinesOrItsPages) {
    const auto ink = [this](QRect area) { return inkIn(form->Picture1, area, Colour::Black); };
    // The graph: two error lines at the top, or its range message.
    const QString range =
        "Numero inferiore a 0,1 oppure superiore a 9,8  oppure hai messo il "
        "punto invece della virgola. ";
    const Answer graph{{}, {range}, [&] { return ink(QRect(10, 10, 250, 28)) > 100; }};
    // The diagram reads every box: five red lines and no diagram.
    const auto redLines = [&] {
        return ink(QRect(5, 380, 300, 75)) > 500 && ink(QRect(0, 0, 500, 378)) == 0;
    };
    // The presets print their page whatever the boxes hold.
    const auto page = [&] { return ink(QRect(0, 0, 500, 500)) > 500; };
    const Answer preset{{}, {}, page, page};
    const QList<QLineEdit*> read = {form->Txting, form->Txtu};
    const std::vector<Row> rows = {
        {HANDLER(Cmdgrafico_Click), {form->txtx, form->Txtu}, graph},
        {HANDLER(cmddisegna_Click), {}, {{}, {}, redLines}},
        {HANDLER(Cmdcaos_Click), read, preset},
        {HANDLER(Cmdper1_Click), read, preset},
        {HANDLER(Cmdper2_Click), read, preset},
        {HANDLER(Cmdper4_Click), {form->Txting, form->Txtu, form->Txty}, preset}};
    // The graph, then the diagram of a growth that reaches chaos.
    tryEveryBadText(*dialogs, form.get(), rows, [&] {
        form->Cmdgrafico_Click();
        const bool graphed = ink(QRect(0, 50, 500, 380)) > 300;
        form->txtx->setText("4");
        form->Txty->setText("2,8");
        form->cmddisegna_Click();
        return graphed && ink(QRect(0, 0, 480, 378)) > 1000;
    });
}

TEST_F(HenonBadText, AsksForANumberAndStopsOnAClick) {
    // A refused text leaves the button as it was, never busy.
    const Answer answer{{"Negli ingrandimenti ci vuole un numero: scrivilo con la virgola come "
                         "separatore decimale, per esempio 2,5."},
                        {},
                        [this] { return form->cmddisegna->text() != "attendere prego"; },
                        [this] { return form->cmddisegna->text() == "Disegna"; }};
    const auto good = [this] {
        form->Txtx->setText("0,5");
        form->cmddisegna_Click();
        return form->cmddisegna->text() == "Disegna" &&
               inkIn(form->Picture1, QRect(0, 0, 500, 500), form->Picture1->BackColor()) > 1000;
    };
    // Its stop gesture is a click on the picture.
    tryEveryBadText(*dialogs, form.get(), {{HANDLER(cmddisegna_Click), {}, answer}}, good, [this] {
        QTimer::singleShot(0, form.get(), [this] { RealInput::click(form->Picture1); });
    });
}

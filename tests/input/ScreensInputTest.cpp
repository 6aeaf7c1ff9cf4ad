// The variant, Verhulst and Hénon screens driven as the window system drives
// them: pastes, clicks during drawings, and what the window shows.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "TestSupport.h"
#include "henon/frmattratHenon.h"
#include "shell/RichTextBox.h"
#include "shell/Screens.h"
#include "variants/frmMandiversi.h"
#include "verhulst/frmverhulst2.h"

namespace {

class ScreensInput : public ScriptedTest {
  protected:
    void TearDown() override { Screens::unloadAll(); }
};

}  // namespace

// Qt 6.4 reads the first format of pasted data without checking there is one: with
// nothing copied, Ctrl+V in the text box used to end the program.
TEST_F(ScreensInput, PastingIntoTheVariantTextBoxTakesPlainTextAndNothingFromAnEmptyClipboard) {
    Form* screen = Screens::show(QStringLiteral("frmMandiversi"));
    RichTextBox* box = static_cast<frmMandiversi*>(screen)->RiTeBox;
    RealInput::activate(screen);
    RealInput::click(box);
    for (const bool copied : {false, true}) {
        box->setPlainText(QStringLiteral("Istruzioni"));
        box->moveCursor(QTextCursor::End);
        auto* data = new QMimeData;
        if (copied) {
            data->setText(QStringLiteral("abc"));
            data->setHtml(QStringLiteral("<b>x</b>"));
        }
        QGuiApplication::clipboard()->setMimeData(data);
        RealInput::key(screen, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box->toPlainText(), copied ? "Istruzioniabc" : "Istruzioni");
    }
}

// Each label and button prints its page, or draws, for its own mouse button only. Where
// Verhulst's title overlaps the picture, the page shows and the title stays whole above.
TEST_F(ScreensInput, LabelsAndButtonsAnswerOnlyTheirOwnMouseButton) {
    enum Shows { Nothing, Page, Drawing };
    const char *V = "frmverhulst2", *H = "frmattratHenon";
    // The screen, the control, what it shows on a left and on a right click.
    const std::tuple<const char*, const char*, Shows, Shows> cases[] = {
        {V, "lblistruzioni", Nothing, Page}, {V, "Lblpopini", Nothing, Page},
        {V, "Lblincr", Page, Nothing},       {V, "lblpop", Page, Nothing},
        {V, "Cmdgrafico", Drawing, Page},    {H, "lblatrattore", Page, Nothing},
        {H, "lblingr", Nothing, Page}};
    for (const auto& [name, control, onLeft, onRight] : cases) {
        for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            SCOPED_TRACE(std::string(control) + (button == Qt::LeftButton ? " left" : " right"));
            const Shows shows = button == Qt::LeftButton ? onLeft : onRight;
            Form* screen = Screens::show(QLatin1String(name));
            RealInput::activate(screen);
            auto* picture = screen->findChild<Canvas*>(QStringLiteral("Picture1"));
            picture->Cls();
            RealInput::click(screen->findChild<QWidget*>(QLatin1String(control)), button);
            // The graphs draw in pure green, the diagram marks its values in colour 200; a
            // page has at most a few hundred such pixels in its smoothed letters.
            const int drawn =
                countIf(picture, QRect(QPoint(0, 0), picture->size()),
                        [](ColourNumber k) { return k == 200 || k == Colour::Green; });
            EXPECT_EQ(drawn > 1000, shows == Drawing) << drawn;
            EXPECT_EQ(inkIn(picture, picture->rect(), picture->BackColor()) > 100,
                      shows != Nothing);
        }
    }
    auto* verhulst = static_cast<frmverhulst2*>(Screens::find(QStringLiteral("frmverhulst2")));
    const QRect picture(verhulst->Picture1->mapTo(verhulst, QPoint()), verhulst->Picture1->size());
    EXPECT_TRUE(verhulst->grab().toImage().copy(picture).convertToFormat(QImage::Format_RGB32) ==
                verhulst->Picture1->image().convertToFormat(QImage::Format_RGB32));
    QLabel* title = verhulst->lblistruzioni;
    EXPECT_LE(title->heightForWidth(title->width()), verhulst->Picture1->y() - title->y());
}

// During a Hénon drawing: a second DISEGNA replaces it, so the first draws no more over
// the new picture, unless the second cannot read its magnification; a click on the
// picture ends even a drawing of two thousand billion points (one outside a drawing
// leaves the next whole); closing the screen ends the drawing with it.
TEST_F(ScreensInput, HenonDrawingGivesWayToWhatThePupilDoesMeanwhile) {
    QPointer<frmattratHenon> form(new frmattratHenon());
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->showScreen();
    RealInput::activate(form);
    // Arms an action for the drawing's first look at the events, which is then due at once.
    const auto duringTheDrawing = [&form](const QString& magnification, auto action) {
        form->Txtx->setText(magnification);
        QTimer::singleShot(0, form, action);
        QThread::msleep(20);
        RealInput::click(form->cmddisegna);
    };
    for (const auto& [typed, replaced] : {std::pair{"0", true}, std::pair{"a", false}}) {
        SCOPED_TRACE(typed);
        QString caption;
        duringTheDrawing(QStringLiteral("2"), [&, typed = typed] {
            RealInput::click(form->Txtx);
            RealInput::key(form, Qt::Key_A, Qt::ControlModifier);
            RealInput::type(form, QLatin1String(typed));
            RealInput::click(form->cmddisegna);
            caption = form->cmddisegna->text();
        });
        EXPECT_EQ(caption, replaced ? "Disegna" : "attendere prego");
        EXPECT_EQ(form->cmddisegna->text(), "Disegna");
        EXPECT_EQ(dialogs->messages().size(), replaced ? 0u : 1u);
        // Magnification 0 puts every point on one pixel; 2 spreads them out.
        EXPECT_EQ(inkIn(form->Picture1, QRect(0, 0, 500, 500), Colour::Black) == 1, replaced);
    }
    duringTheDrawing(QStringLiteral("1000000000"), [&] { RealInput::click(form->Picture1); });
    EXPECT_EQ(form->cmddisegna->text(), "Disegna");
    RealInput::click(form->Picture1);
    duringTheDrawing(QStringLiteral("2"), [] {});
    EXPECT_GT(inkIn(form->Picture1, QRect(0, 0, 500, 500), Colour::Black), 1000);

    duringTheDrawing(QStringLiteral("1000000000"), [&] { form->close(); });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

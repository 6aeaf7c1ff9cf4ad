// The variant, Verhulst and Hénon screens driven as the window system drives
// them: pastes, clicks during drawings, and what the window shows.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <functional>

#include "henon/frmattratHenon.h"
#include "input/RealInput.h"
#include "shell/Canvas.h"
#include "shell/Dialogs.h"
#include "shell/RichTextBox.h"
#include "variants/frmMandiversi.h"
#include "verhulst/frmverhulst2.h"

namespace {

class ScreensInput : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        Dialogs::install(std::move(scripted));
    }
    ScriptedDialogs* dialogs = nullptr;
};

// Pixels of a picture, in an area (the whole picture unless given), that pass a test:
// by default, that differ from its background.
int pixelsOf(const Canvas* picture, QRect area = QRect(),
             std::function<bool(ColourNumber)> test = nullptr) {
    if (area.isNull()) {
        area = picture->image().rect();
    }
    if (!test) {
        test = [back = picture->BackColor()](ColourNumber c) { return c != back; };
    }
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            count += test(picture->Point(x, y)) ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

// Qt 6.4 reads the first format of pasted data without checking there is one: with
// nothing copied, Ctrl+V in the text box used to end the program.
TEST_F(ScreensInput, PastingIntoTheVariantTextBoxTakesPlainTextAndNothingFromAnEmptyClipboard) {
    frmMandiversi form;
    form.showScreen();
    RealInput::activate(&form);
    RealInput::click(form.RiTeBox);
    ASSERT_TRUE(form.RiTeBox->hasFocus());
    struct Case {
        const char* text;
        const char* html;
        const char* pasted;
    };
    for (const Case& c : {Case{nullptr, nullptr, ""}, Case{"abc", "<b>x</b>", "abc"}}) {
        SCOPED_TRACE(c.pasted);
        form.RiTeBox->setPlainText(QStringLiteral("Istruzioni"));
        form.RiTeBox->moveCursor(QTextCursor::End);
        auto* data = new QMimeData;
        if (c.text) {
            data->setText(QLatin1String(c.text));
            data->setHtml(QLatin1String(c.html));
        }
        QGuiApplication::clipboard()->setMimeData(data);
        RealInput::key(&form, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(form.RiTeBox->toPlainText(), QStringLiteral("Istruzioni") + c.pasted);
    }
}

// Each label and button prints its page for its own button only. Where the title
// label overlaps the picture, the page shows, and the label's text stays whole above.
TEST_F(ScreensInput, VerhulstPagesComeWithTheirOwnButtonAndShowWholeUnderTheTitle) {
    frmverhulst2 form;
    form.showScreen();
    RealInput::activate(&form);
    enum class Shows { Nothing, Page, Drawing };
    struct Case {
        QWidget* control;
        Qt::MouseButton button;
        Shows shows;
    };
    const auto L = Qt::LeftButton;
    const auto R = Qt::RightButton;
    for (const Case& c : {
             Case{form.lblistruzioni, L, Shows::Nothing},
             {form.lblistruzioni, R, Shows::Page},
             {form.Lblpopini, L, Shows::Nothing},
             {form.Lblpopini, R, Shows::Page},
             {form.Lblincr, R, Shows::Nothing},
             {form.Lblincr, L, Shows::Page},
             {form.cmddisegna, R, Shows::Page},
             {form.cmddisegna, L, Shows::Drawing},
             {form.Cmdgrafico, R, Shows::Page},
             {form.Cmdgrafico, L, Shows::Drawing},
             {form.lblpop, R, Shows::Nothing},
             {form.lblpop, L, Shows::Page},
         }) {
        SCOPED_TRACE(c.control->objectName().toStdString() + (c.button == L ? " left" : " right"));
        form.Picture1->Cls();
        RealInput::click(c.control, c.button);
        // The graphs draw in pure green, the diagram marks its values in colour 200; a
        // page has at most a few hundred such pixels in its smoothed letters.
        const int drawn = pixelsOf(form.Picture1, QRect(),
                                   [](ColourNumber k) { return k == 200 || k == Colour::Green; });
        EXPECT_EQ(drawn > 1000, c.shows == Shows::Drawing) << drawn;
        EXPECT_EQ(pixelsOf(form.Picture1, QRect(0, 0, 500, 100)) > 500, c.shows != Shows::Nothing);
    }
    const QRect picture(form.Picture1->mapTo(&form, QPoint(0, 0)), form.Picture1->size());
    EXPECT_TRUE(form.grab().toImage().copy(picture).convertToFormat(QImage::Format_RGB32) ==
                form.Picture1->image().convertToFormat(QImage::Format_RGB32));
    QLabel* title = form.lblistruzioni;
    EXPECT_LE(title->heightForWidth(title->width()), form.Picture1->y() - title->y());
}

// A second DISEGNA during a drawing replaces it: the first one draws no more over the
// new picture. A magnification the second click cannot read leaves the first going.
TEST_F(ScreensInput, HenonDrawingReplacedByASecondClickDrawsNoMore) {
    frmattratHenon form;
    form.showScreen();
    RealInput::activate(&form);
    struct Case {
        const char* typed;
        const char* captionAfterIt;
        bool replaced;
    };
    for (const Case& c : {Case{"0", "Disegna", true}, Case{"a", "attendere prego", false}}) {
        SCOPED_TRACE(c.typed);
        dialogs->shown.clear();
        form.Txtx->setText(QStringLiteral("2"));
        QString caption;
        QTimer::singleShot(0, &form, [&] {
            RealInput::click(form.Txtx);
            RealInput::key(&form, Qt::Key_A, Qt::ControlModifier);
            RealInput::type(&form, QLatin1String(c.typed));
            RealInput::click(form.cmddisegna);
            caption = form.cmddisegna->text();
        });
        QThread::msleep(20);  // the drawing's first look at the events is then due at once
        RealInput::click(form.cmddisegna);
        EXPECT_EQ(caption, c.captionAfterIt);
        EXPECT_EQ(form.cmddisegna->text(), "Disegna");
        EXPECT_EQ(dialogs->messages().size(), c.replaced ? 0u : 1u);
        // Magnification 0 puts every point on one pixel; 2 spreads them out.
        EXPECT_EQ(pixelsOf(form.Picture1) == 1, c.replaced);
    }
}

// A click on the picture ends even a drawing of two thousand billion points; one
// outside a drawing leaves the next drawing whole.
TEST_F(ScreensInput, HenonClickOnThePictureEndsTheDrawing) {
    frmattratHenon form;
    form.showScreen();
    RealInput::activate(&form);
    form.Txtx->setText(QStringLiteral("1000000000"));
    QTimer::singleShot(0, &form, [&] { RealInput::click(form.Picture1); });
    QThread::msleep(20);
    RealInput::click(form.cmddisegna);
    EXPECT_EQ(form.cmddisegna->text(), "Disegna");

    form.Txtx->setText(QStringLiteral("2"));
    RealInput::click(form.Picture1);
    QThread::msleep(20);
    RealInput::click(form.cmddisegna);
    EXPECT_GT(pixelsOf(form.Picture1), 1000);
}

// "Cos'è" prints its page on a left click, "ingrandimenti" its one-line hint on a
// right press; the other button prints nothing.
TEST_F(ScreensInput, HenonLabelsAnswerOnlyTheirOwnButton) {
    frmattratHenon form;
    form.showScreen();
    RealInput::activate(&form);
    struct Case {
        QLabel* label;
        Qt::MouseButton button;
        QRect printed;
    };
    for (const Case& c : {Case{form.lblatrattore, Qt::RightButton, QRect()},
                          Case{form.lblatrattore, Qt::LeftButton, QRect(0, 0, 500, 500)},
                          Case{form.lblingr, Qt::LeftButton, QRect()},
                          Case{form.lblingr, Qt::RightButton, QRect(0, 100, 500, 15)}}) {
        SCOPED_TRACE(c.label->objectName().toStdString());
        form.Picture1->Cls();
        RealInput::click(c.label, c.button);
        const int ink = pixelsOf(form.Picture1);
        EXPECT_EQ(ink > 100, !c.printed.isNull());
        if (!c.printed.isNull()) {
            EXPECT_EQ(pixelsOf(form.Picture1, c.printed), ink);
        }
    }
}

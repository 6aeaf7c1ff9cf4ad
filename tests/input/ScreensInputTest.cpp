// The variant, Verhulst, IFS and Hénon screens driven as the window system drives
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

// Pixels of a picture that differ from its background.
int inkOf(const Canvas* picture) {
    int ink = 0;
    for (int x = 0; x < picture->image().width(); ++x) {
        for (int y = 0; y < picture->image().height(); ++y) {
            ink += picture->Point(x, y) != picture->BackColor() ? 1 : 0;
        }
    }
    return ink;
}

// Clicks a control once the drawing its own click starts looks at the events.
void clickStartingADrawing(QWidget* control, std::function<void()> during) {
    QTimer::singleShot(0, control, std::move(during));
    QThread::msleep(20);  // the drawing's first look at the events is then due at once
    RealInput::click(control);
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

// The title label overlaps the picture's top rows: there the page, not the label,
// is what the pupil sees, and the label's own text stays whole above it.
TEST_F(ScreensInput, VerhulstPagesShowWholeUnderTheTitleLabel) {
    frmverhulst2 form;
    form.showScreen();
    RealInput::activate(&form);
    RealInput::click(form.lblpop);
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
        clickStartingADrawing(form.cmddisegna, [&] {
            RealInput::click(form.Txtx);
            RealInput::key(&form, Qt::Key_A, Qt::ControlModifier);
            RealInput::type(&form, QLatin1String(c.typed));
            RealInput::click(form.cmddisegna);
            caption = form.cmddisegna->text();
        });
        EXPECT_EQ(caption, c.captionAfterIt);
        EXPECT_EQ(form.cmddisegna->text(), "Disegna");
        EXPECT_EQ(dialogs->messages().size(), c.replaced ? 0u : 1u);
        // Magnification 0 puts every point on one pixel; 2 spreads them out.
        if (c.replaced) {
            EXPECT_EQ(inkOf(form.Picture1), 1);
        } else {
            EXPECT_GT(inkOf(form.Picture1), 1000);
        }
    }
}

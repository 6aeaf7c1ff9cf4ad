// The variant, Verhulst, IFS and Hénon screens driven as the window system drives
// them: pastes, clicks during drawings, and what the window shows.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMimeData>

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

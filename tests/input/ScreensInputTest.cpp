// The variant, Verhulst, IFS and Hénon screens driven as the window system drives
// them: pastes, clicks during drawings, and what the window shows.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "input/RealInput.h"
#include "shell/Dialogs.h"
#include "shell/RichTextBox.h"
#include "variants/frmMandiversi.h"

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

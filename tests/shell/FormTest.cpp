#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>

#include "shell/Canvas.h"
#include "shell/Form.h"
#include "shell/Yield.h"

namespace {

class CountingForm : public Form {
  public:
    CountingForm() : Form(QStringLiteral("prova"), Colour::rgb(0, 0, 128)) {}
    void Form_Load() override { ++loads; }
    int loads = 0;
};

}  // namespace

TEST(Form, OpensCoveringTheDisplayAndLoadsOnlyOnce) {
    CountingForm form;
    EXPECT_FALSE(form.isLoaded());
    form.showScreen();
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.windowTitle(), "prova");
    EXPECT_EQ(form.frameGeometry(), QRect(0, 0, 1024, 768));
    EXPECT_DOUBLE_EQ(form.Width(), 1024 * 15);
    EXPECT_DOUBLE_EQ(form.Height(), 768 * 15);
    form.surface()->Cls();
    EXPECT_EQ(form.surface()->Point(10, 10), Colour::rgb(0, 0, 128));
    form.showScreen();
    EXPECT_EQ(form.loads, 1);
}

TEST(Yield, LetsWaitingEventsRunFromInsideALongLoop) {
    bool ran = false;
    QTimer::singleShot(0, [&ran] { ran = true; });
    QThread::msleep(20);
    yieldToEvents();
    EXPECT_TRUE(ran);
}

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "shell/Controls.h"

TEST(Controls, BackgroundColoursReadBackAsColourNumbers) {
    QWidget screen;
    auto* button = new QPushButton(&screen);
    auto* box = new QLineEdit(&screen);
    setBackColor(button, Colour::Green);
    setBackColor(box, Colour::rgb(0, 192, 0));
    EXPECT_EQ(backColor(button), 65280);
    EXPECT_EQ(backColor(box), 49152);
    setBackColor(button, Colour::Red);
    EXPECT_EQ(backColor(button), 255);
}

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "shell/Controls.h"
#include "shell/ScreenLayout.h"

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

TEST(ScreenLayout, PlacesControlsAroundTheDisplayCentre) {
    EXPECT_EQ(ScreenLayout::displaySize(), QSize(1024, 768));
    EXPECT_EQ(ScreenLayout::centre(), QPoint(512, 384));
    QWidget control;
    ScreenLayout::place(&control, -150, -150, 300, 300);
    EXPECT_EQ(control.geometry(), QRect(362, 234, 300, 300));
    ScreenLayout::setDisplaySize(QSize(1280, 1024));
    ScreenLayout::place(&control, -270, 201, 120, 39);
    EXPECT_EQ(control.geometry(), QRect(370, 713, 120, 39));
    ScreenLayout::setDisplaySize(QSize(1024, 768));
}

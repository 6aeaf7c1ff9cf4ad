#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "shell/Colour.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/WrappedButton.h"

namespace {

// Dark caption pixels in a band of rows of a button's picture, the bevel left out.
int captionInk(const QImage& button, int top, int bottom) {
    int ink = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = 4; x < button.width() - 4; ++x) {
            ink += qGray(button.pixel(x, y)) < 60 ? 1 : 0;
        }
    }
    return ink;
}

// A light button of 81 x 33 pixels in the screens' font.
QImage picture(const QString& caption) {
    QWidget parent;
    parent.setFont(screenFont(8));
    auto* button = new WrappedButton(&parent, "Cmdprova", caption, QStringLiteral("suggerimento"));
    setBackColor(button, Colour::rgb(255, 255, 128));
    button->setGeometry(0, 0, 81, 33);
    return button->grab().toImage();
}

}  // namespace

TEST(WrappedButton, AShortCaptionStaysOnOneLineInTheMiddle) {
    const QImage image = picture(QStringLiteral("Fine"));
    EXPECT_EQ(captionInk(image, 3, 9), 0);
    EXPECT_GT(captionInk(image, 11, 22), 10);
    EXPECT_EQ(captionInk(image, 24, 29), 0);
    // As much ink left of the middle as right of it, within a column or two.
    int left = 0, right = 0;
    for (int y = 3; y < 30; ++y) {
        for (int x = 4; x < 77; ++x) {
            const bool ink = qGray(image.pixel(x, y)) < 60;
            (x < 40 ? left : right) += ink ? 1 : 0;
        }
    }
    EXPECT_NEAR(left, right, 12);
}

TEST(WrappedButton, BlanksAroundTheCaptionDoNotMoveIt) {
    EXPECT_EQ(picture(QStringLiteral("     Fine  ")), picture(QStringLiteral("Fine")));
    EXPECT_NE(picture(QStringLiteral("Fine")), picture(QStringLiteral("Fino")));
}

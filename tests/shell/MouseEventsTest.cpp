#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "shell/MouseEvents.h"

namespace {

void sendMouse(QWidget* control, QEvent::Type type, QPointF at, Qt::MouseButton button) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent event(type, at, control->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(control, &event);
}

}  // namespace

TEST(MouseEvents, AClickIsTheLeftButtonPressedAndReleasedOverTheControl) {
    QWidget parent;
    auto* label = new QLabel(QStringLiteral("colori"), &parent);
    label->setGeometry(10, 10, 50, 20);
    int clicks = 0;
    onClick(label, [&clicks] { ++clicks; });

    sendMouse(label, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    sendMouse(label, QEvent::MouseButtonRelease, QPointF(40, 15), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    // Let go outside the control: no click.
    sendMouse(label, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, QPointF(60, 5), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    // The right button, or a release without a press, is no click either.
    sendMouse(label, QEvent::MouseButtonPress, QPointF(5, 5), Qt::RightButton);
    sendMouse(label, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::RightButton);
    sendMouse(label, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    // A left press ended by a right release clicks nothing.
    sendMouse(label, QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::RightButton);
    sendMouse(label, QEvent::MouseButtonRelease, QPointF(5, 5), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    sendMouse(label, QEvent::MouseButtonPress, QPointF(1, 1), Qt::LeftButton);
    sendMouse(label, QEvent::MouseButtonRelease, QPointF(1, 1), Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

TEST(MouseEvents, MouseDownReportsTheButtonShiftAndPosition) {
    QWidget parent;
    auto* label = new QLabel(QStringLiteral("cicli"), &parent);
    label->setGeometry(0, 0, 50, 20);
    int button = 0;
    QPointF at;
    int downs = 0;
    onMouseDown(label, [&](int b, int shift, double x, double y) {
        ++downs;
        button = b;
        EXPECT_EQ(shift, 0);
        at = QPointF(x, y);
    });
    sendMouse(label, QEvent::MouseButtonPress, QPointF(7.5, 3), Qt::RightButton);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(button, 2);
    EXPECT_EQ(at, QPointF(7.5, 3));
    sendMouse(label, QEvent::MouseButtonRelease, QPointF(7.5, 3), Qt::RightButton);
    EXPECT_EQ(downs, 1);
}

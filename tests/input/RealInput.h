#pragma once

// Input as the window system delivers it: mouse events go to the window and reach
// whatever widget lies under the point (and its parents, where it ignores them); keys
// go to the window and reach whatever holds the keyboard focus. No handler is called
// directly, so propagation, focus, visibility and stacking are tested as a pupil
// meets them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace RealInput {

// Shows the screen's window, makes it the active one and waits until it is, as a
// pupil's click on it would.
inline void activate(QWidget* screen) {
    QWidget* window = screen->window();
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// A press and release at a point of the window, in the window's own pixels.
inline void clickAt(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(window->window()->windowHandle(), button, modifiers,
                      window->mapTo(window->window(), at));
}

inline void pressAt(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(window->window()->windowHandle(), button, {},
                      window->mapTo(window->window(), at));
}

inline void releaseAt(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseRelease(window->window()->windowHandle(), button, {},
                        window->mapTo(window->window(), at));
}

// A click at a point of a control (its centre unless given), delivered through the
// window: whatever covers that point gets it.
inline void click(QWidget* control, Qt::MouseButton button = Qt::LeftButton,
                  QPoint at = QPoint(-1, -1)) {
    clickAt(control, at.x() < 0 ? control->rect().center() : at, button);
}

// Keys to the window, so they reach the widget with the keyboard focus.
inline void key(QWidget* screen, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(screen->window()->windowHandle(), key, modifiers);
}

inline void type(QWidget* screen, const QString& text) {
    for (const QChar c : text) {
        QTest::keyClick(screen->window()->windowHandle(), c.toLatin1());
    }
}

}  // namespace RealInput

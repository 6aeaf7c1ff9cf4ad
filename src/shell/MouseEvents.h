#pragma once

#include <QObject>
#include <Qt>
#include <functional>

class QWidget;

// Mouse buttons as the program numbers them: 1 left, 2 right, 4 middle; shift
// state 1 Shift, 2 Ctrl, 4 Alt.
int mouseButtonNumber(Qt::MouseButton button);
int shiftState(Qt::KeyboardModifiers modifiers);

// Calls the handler when a mouse button goes down on the control (coordinates in
// the control's pixels); the control still gets the event.
void onMouseDown(QWidget* control, std::function<void(int, int, double, double)> handler);
// Calls the handler on a click: the left button pressed on the control and released
// over it. The control still gets the events.
void onClick(QWidget* control, std::function<void()> handler);
// Calls the handler with the key code and shift state when a key goes down on the control.
void onKeyDown(QWidget* control, std::function<void(int, int)> handler);

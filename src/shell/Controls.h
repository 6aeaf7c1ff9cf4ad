#pragma once

#include <QString>
#include <initializer_list>

#include "Colour.h"

class Canvas;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollBar;
class QWidget;

// Background and text colours of buttons, boxes and labels, set through the palette
// (the Fusion style honours it), as colour numbers.
void setBackColor(QWidget* control, ColourNumber colour);
ColourNumber backColor(const QWidget* control);
void setForeColor(QWidget* control, ColourNumber colour);

// The controls of a screen, created under their program names (the object name) with
// their design captions and tool tips. Buttons wrap long captions (see WrappedButton).
QPushButton* newButton(QWidget* parent, const char* name, const QString& caption,
                       const QString& toolTip = QString());
// A text box shows a text that the program writes from its first letter.
QLineEdit* newTextBox(QWidget* parent, const char* name, const QString& text,
                      const QString& toolTip = QString());
// Labels wrap their caption and show it from the top left, as long pages need.
QLabel* newLabel(QWidget* parent, const char* name, const QString& caption,
                 const QString& toolTip = QString());
// A vertical bar: the small change is 1, the large change given.
QScrollBar* newScrollBar(QWidget* parent, const char* name, int min, int max, int value,
                         int largeChange);
// Paints the controls at once: a busy look just set on them (a red "attendere prego",
// a waiting line) is on screen before a drawing that shows nothing until its end
// takes the screen. No input is handled here, so no gesture can run in between.
void paintNow(std::initializer_list<QWidget*> controls);
QAction* newMenuItem(QMenu* menu, const char* name, const QString& caption);
// A picture area in its background colour; the second form also sets its ink and the
// size of the text printed on it.
Canvas* newPicture(QWidget* parent, const char* name, ColourNumber backColour);
Canvas* newPicture(QWidget* parent, const char* name, ColourNumber backColour,
                   ColourNumber foreColour, double fontSize);

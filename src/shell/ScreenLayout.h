#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <initializer_list>

class QWidget;

// Controls stand at fixed pixel offsets from the centre of the display, so their
// arrangement is the same on any display.
namespace ScreenLayout {

// The display size in pixels: the primary screen's, unless a size was set (tests).
QSize displaySize();
void setDisplaySize(const QSize& size);
// The area a maximised screen covers.
QRect availableArea();
// Half the display size: twips / 2 / 15 at 15 twips to a pixel.
QPoint centre();
// Places a control at the centre plus (dx, dy) with a fixed size.
void place(QWidget* control, int dx, int dy, int width, int height);

// One row of a screen's placement table: offsets from the centre and size, in pixels.
struct Placement {
    QWidget* control;
    int dx, dy, width, height;
};
void place(std::initializer_list<Placement> table);

}  // namespace ScreenLayout

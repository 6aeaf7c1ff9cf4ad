#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <initializer_list>

class QWidget;

// Controls stand at fixed pixel offsets from the centre of the display, so their
// arrangement is the same on any display. Positions and sizes are in the pixels of
// the design; they are logical pixels unless the layout shrinks (see scale).
namespace ScreenLayout {

// The display size in logical pixels: the primary screen's, unless a size was set (tests).
QSize displaySize();
void setDisplaySize(const QSize& size);
// The area a maximised screen covers, in logical pixels.
QRect availableArea();
// Logical pixels to one pixel of the design: 1, unless the display is smaller than
// the design. Qt's own scaling cannot draw an interface smaller than its logical
// pixels, so there the layout shrinks it instead.
double scale();
void setScale(double factor);
// A rectangle of the design in logical pixels; neighbours stay neighbours.
QRect toLogical(const QRect& design);
// Half the display size in the design's pixels: twips / 2 / 15 at 15 twips to a pixel.
QPoint centre();
// Puts a control at a rectangle of the design; a picture area keeps that many pixels.
void setGeometry(QWidget* control, const QRect& design);
// Places a control at the centre plus (dx, dy) with a fixed size.
void place(QWidget* control, int dx, int dy, int width, int height);

// One row of a screen's placement table: offsets from the centre and size, in pixels.
struct Placement {
    QWidget* control;
    int dx, dy, width, height;
};
void place(std::initializer_list<Placement> table);

}  // namespace ScreenLayout

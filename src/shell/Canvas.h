#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "Colour.h"

// A drawing surface over a persistent image of its own pixel size: the picture
// that is shown, kept when covered, and saved. Coordinates are pixels from the
// top-left corner; fractional ones round to the grid and what falls outside is
// clipped. A coordinate beyond the surface's range is a RuntimeFailure. Its pixels
// are the design's (ScreenLayout): where the interface is enlarged or shrunk, the
// picture is too, by whole pixels at a whole-number factor, smoothly otherwise.
class Canvas : public QWidget {
    Q_OBJECT
  public:
    explicit Canvas(QWidget* parent = nullptr);

    ColourNumber BackColor() const { return backColor_; }
    void setBackColor(ColourNumber colour);
    ColourNumber ForeColor() const { return foreColor_; }
    void setForeColor(ColourNumber colour) { foreColor_ = colour; }
    double FontSize() const { return fontSize_; }
    void setFontSize(double points) { fontSize_ = points; }
    bool FontBold() const { return fontBold_; }
    void setFontBold(bool bold) { fontBold_ = bold; }
    int DrawWidth() const { return drawWidth_; }
    void setDrawWidth(int width) { drawWidth_ = width < 1 ? 1 : width; }
    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }
    // 0 arrow, 2 cross-hair, 11 hourglass, 12 no drop, 13 arrow and hourglass; any
    // other number shows the arrow.
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);

    void Cls();
    // Cls that also makes the surface count in the display's own pixels until the next
    // Cls, its text keeping its size: for the drawing that uses every pixel there is.
    void clsInDevicePixels();
    // Surface pixels to a pixel of the design: 1, or more after clsInDevicePixels.
    double pixelRatio() const { return pixelRatio_; }
    // A picture area has this many pixels of the design whatever its size on screen;
    // a screen's own surface, without one, has as many as its size holds.
    void setPictureSize(const QSize& size) { pictureSize_ = size; }
    void PSet(double x, double y, ColourNumber colour);
    // PSet for a run of points, with one repaint for all of them: for drawings that
    // put down thousands of points between two looks at the events.
    struct Dot {
        double x, y;
        ColourNumber colour;
    };
    void PSetAll(const std::vector<Dot>& dots);
    void Line(double x1, double y1, double x2, double y2, ColourNumber colour);
    void Box(double x1, double y1, double x2, double y2, ColourNumber colour);
    void Circle(double x, double y, double radius, ColourNumber colour);
    // Text at the print position; the position then goes to the next line's left edge.
    void Print(const QString& text);
    // Each line in turn, from the print position down.
    void printLines(const QStringList& lines);
    // A page of text: clears, sets the point (x, y) in `mark`, which moves the print
    // position there, and prints the lines from there down.
    void printPage(double x, double y, const QStringList& lines, ColourNumber mark = Colour::Black);

    // Copies a block of colour numbers stored column by column, clipped to the image.
    void blitColumns(int left, int top, int columns, int rows, const ColourNumber* colours);

    // The colour number of a pixel, or -1 outside the surface.
    ColourNumber Point(int x, int y) const;
    const QImage& image() const { return image_; }
    // The size of the picture in its own pixels: its widget's size in the design's
    // pixels, unless it has a picture size.
    QSize pixelSize() const;
    // Writes the picture as a Windows bitmap; false when the file cannot be written.
    bool saveBitmap(const QString& path) const;

  signals:
    // Button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl, 4 Alt.
    void mouseDown(int button, int shift, double x, double y);
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    // A point of the widget in surface pixels.
    QPointF toPixels(const QPointF& position) const;
    // Makes the image the picture's size (a hidden widget gets no resize event).
    void fitToWidget();
    void clear(double pixelRatio);
    // Repaints the part of the widget that shows these pixels of the image.
    void updatePixels(const QRect& pixels);
    int toPixel(double coordinate) const;
    void stamp(int x, int y, QRgb rgb);
    void plotLine(int x1, int y1, int x2, int y2, QRgb rgb);

    QImage image_;
    double pixelRatio_ = 1;
    QSize pictureSize_;
    ColourNumber backColor_ = Colour::White;
    ColourNumber foreColor_ = Colour::Black;
    double fontSize_ = 8;
    bool fontBold_ = false;
    int drawWidth_ = 1;
    int mousePointer_ = 0;
    double currentX_ = 0;
    double currentY_ = 0;
    bool pressed_ = false;
};

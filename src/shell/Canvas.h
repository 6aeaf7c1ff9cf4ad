#pragma once

#include <QImage>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "Colour.h"

// A drawing surface over a persistent image of its own pixel size: the picture
// that is shown, kept when covered, and saved. Coordinates are pixels from the
// top-left corner; fractional ones round to the grid and what falls outside is
// clipped. A coordinate beyond the surface's range is a RuntimeFailure.
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
    // Makes the image the widget's size (a hidden widget gets no resize event).
    void fitToWidget();
    int toPixel(double coordinate) const;
    void stamp(int x, int y, QRgb rgb);
    void plotLine(int x1, int y1, int x2, int y2, QRgb rgb);

    QImage image_;
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

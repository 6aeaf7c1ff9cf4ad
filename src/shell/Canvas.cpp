#include "Canvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "Fonts.h"
#include "MouseEvents.h"
#include "RuntimeFailure.h"
#include "ScreenLayout.h"

namespace {

// The surface's coordinates are twips in a 32-bit range, 15 to a pixel.
constexpr double kCoordinateLimit = 2147483647.0 / 15;
// 96 dots per inch, so a point size gives the same pixels on every screen and offscreen.
constexpr int kDotsPerMetre = 3780;

// Finer pixels get a finer resolution, so text keeps its size.
QImage blankImage(QSize size, QRgb fill, double pixelRatio) {
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMetre = qRound(kDotsPerMetre * pixelRatio);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(fill);
    return image;
}

// Makes the image this size, keeping what is drawn at the top left. Also called
// before drawing, because a hidden widget gets no resize event until shown.
void fitImage(QImage& image, QSize size, QRgb fill, double pixelRatio) {
    if (image.size() == size) {
        return;
    }
    QImage fitted = blankImage(size, fill, pixelRatio);
    const int columns = std::min(image.width(), size.width());
    const int rows = std::min(image.height(), size.height());
    for (int y = 0; y < rows; ++y) {
        std::memcpy(fitted.scanLine(y), image.constScanLine(y), columns * sizeof(QRgb));
    }
    image = std::move(fitted);
}

// The range of major-axis steps [first, last] of a line whose major coordinate
// starts at `start` and moves by `step` that lands within [low, high].
void clipSteps(std::int64_t start, int step, std::int64_t low, std::int64_t high,
               std::int64_t& first, std::int64_t& last) {
    if (step > 0) {
        first = std::max(first, low - start);
        last = std::min(last, high - start);
    } else {
        first = std::max(first, start - high);
        last = std::min(last, start - low);
    }
}

}  // namespace

Canvas::Canvas(QWidget* parent) : QWidget(parent) {
    // Empty until the surface has its size, so it then starts in the background colour
    // set meanwhile rather than in the default one.
    image_ = blankImage(QSize(0, 0), Colour::toQRgb(backColor_), pixelRatio_);
    // paintEvent covers every pixel, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize Canvas::pixelSize() const {
    const QSizeF design =
        pictureSize_.isValid() ? QSizeF(pictureSize_) : QSizeF(size()) / ScreenLayout::scale();
    return (design * pixelRatio_).toSize();
}

QPointF Canvas::toPixels(const QPointF& position) const {
    return position * pixelRatio_ / ScreenLayout::scale();
}

void Canvas::fitToWidget() {
    fitImage(image_, pixelSize(), Colour::toQRgb(backColor_), pixelRatio_);
}

void Canvas::updatePixels(const QRect& pixels) {
    const double toLogical = ScreenLayout::scale() / pixelRatio_;
    update(QRectF(QPointF(pixels.topLeft()) * toLogical, QSizeF(pixels.size()) * toLogical)
               .toAlignedRect());
}

void Canvas::setBackColor(ColourNumber colour) {
    backColor_ = colour;
}

void Canvas::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    switch (pointer) {
        case 2:
            setCursor(Qt::CrossCursor);
            break;
        case 11:
            setCursor(Qt::WaitCursor);
            break;
        case 12:
            setCursor(Qt::ForbiddenCursor);
            break;
        case 13:
            setCursor(Qt::BusyCursor);
            break;
        default:
            unsetCursor();
            break;
    }
}

int Canvas::toPixel(double coordinate) const {
    if (!(std::fabs(coordinate) <= kCoordinateLimit)) {
        throw RuntimeFailure("coordinate " + std::to_string(coordinate) +
                             " outside the drawing surface's range");
    }
    // Halves away from zero, as lround, without the library call: within the range
    // the whole part and the fraction are exact.
    auto whole = static_cast<std::int64_t>(coordinate);
    const double fraction = coordinate - static_cast<double>(whole);
    whole += static_cast<int>(fraction >= 0.5) - static_cast<int>(fraction <= -0.5);
    return static_cast<int>(whole);
}

void Canvas::stamp(int x, int y, QRgb rgb) {
    if (drawWidth_ == 1) {
        if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) {
            reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = rgb;
        }
        return;
    }
    const std::int64_t half = (drawWidth_ - 1) / 2;
    const std::int64_t left = std::max<std::int64_t>(std::int64_t{x} - half, 0);
    const std::int64_t top = std::max<std::int64_t>(std::int64_t{y} - half, 0);
    const std::int64_t right = std::min<std::int64_t>(x - half + drawWidth_, image_.width());
    const std::int64_t bottom = std::min<std::int64_t>(y - half + drawWidth_, image_.height());
    for (std::int64_t row = top; row < bottom; ++row) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(row)));
        std::fill(line + left, line + std::max(left, right), rgb);
    }
}

// Bresenham: each step along the major axis takes the minor coordinate nearest the
// ideal line (halves towards the end point). The minor coordinate is computed from
// the step number, so only the steps whose stamp can reach the image are walked.
void Canvas::plotLine(int x1, int y1, int x2, int y2, QRgb rgb) {
    const std::int64_t dx = std::abs(std::int64_t{x2} - x1);
    const std::int64_t dy = std::abs(std::int64_t{y2} - y1);
    const int sx = x2 >= x1 ? 1 : -1;
    const int sy = y2 >= y1 ? 1 : -1;
    if (dx == 0 && dy == 0) {
        stamp(x1, y1, rgb);
        return;
    }
    const bool xMajor = dx >= dy;
    const std::int64_t major = xMajor ? dx : dy;
    const std::int64_t minor = xMajor ? dy : dx;
    // A stamp at c covers c - half .. c - half + width - 1.
    const std::int64_t half = (drawWidth_ - 1) / 2;
    const std::int64_t low = half - (drawWidth_ - 1);
    const std::int64_t high = (xMajor ? image_.width() : image_.height()) - 1 + half;
    std::int64_t first = 0;
    std::int64_t last = major;
    clipSteps(xMajor ? x1 : y1, xMajor ? sx : sy, low, high, first, last);
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t along = (2 * i * minor + major) / (2 * major);
        const std::int64_t x = xMajor ? x1 + sx * i : x1 + sx * along;
        const std::int64_t y = xMajor ? y1 + sy * along : y1 + sy * i;
        stamp(static_cast<int>(x), static_cast<int>(y), rgb);
    }
}

void Canvas::Cls() {
    clear(1);
}

void Canvas::clsInDevicePixels() {
    clear(devicePixelRatioF() * ScreenLayout::scale());
}

void Canvas::clear(double pixelRatio) {
    if (pixelRatio != pixelRatio_) {
        pixelRatio_ = pixelRatio;
        image_ = blankImage(pixelSize(), Colour::toQRgb(backColor_), pixelRatio_);
    }
    fitToWidget();
    image_.fill(Colour::toQRgb(backColor_));
    currentX_ = 0;
    currentY_ = 0;
    update();
}

void Canvas::PSet(double x, double y, ColourNumber colour) {
    const int px = toPixel(x);
    const int py = toPixel(y);
    fitToWidget();
    stamp(px, py, Colour::toQRgb(colour));
    currentX_ = x;
    currentY_ = y;
    update();
}

void Canvas::PSetAll(const std::vector<Dot>& dots) {
    if (dots.empty()) {
        return;
    }
    fitToWidget();
    if (drawWidth_ == 1) {
        // The common case, without the stamp's call for each point.
        const int width = image_.width();
        const int height = image_.height();
        auto* const bits = reinterpret_cast<QRgb*>(image_.bits());
        const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        for (const Dot& dot : dots) {
            const int x = toPixel(dot.x);
            const int y = toPixel(dot.y);
            if (x >= 0 && y >= 0 && x < width && y < height) {
                bits[y * stride + x] = Colour::toQRgb(dot.colour);
            }
        }
    } else {
        for (const Dot& dot : dots) {
            stamp(toPixel(dot.x), toPixel(dot.y), Colour::toQRgb(dot.colour));
        }
    }
    currentX_ = dots.back().x;
    currentY_ = dots.back().y;
    update();
}

void Canvas::Line(double x1, double y1, double x2, double y2, ColourNumber colour) {
    const int px1 = toPixel(x1);
    const int py1 = toPixel(y1);
    const int px2 = toPixel(x2);
    const int py2 = toPixel(y2);
    fitToWidget();
    plotLine(px1, py1, px2, py2, Colour::toQRgb(colour));
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void Canvas::Box(double x1, double y1, double x2, double y2, ColourNumber colour) {
    const int px1 = toPixel(x1);
    const int py1 = toPixel(y1);
    const int px2 = toPixel(x2);
    const int py2 = toPixel(y2);
    fitToWidget();
    const QRgb rgb = Colour::toQRgb(colour);
    plotLine(px1, py1, px2, py1, rgb);
    plotLine(px2, py1, px2, py2, rgb);
    plotLine(px2, py2, px1, py2, rgb);
    plotLine(px1, py2, px1, py1, rgb);
    currentX_ = x2;
    currentY_ = y2;
    update();
}

void Canvas::Circle(double x, double y, double radius, ColourNumber colour) {
    const std::int64_t cx = toPixel(x);
    const std::int64_t cy = toPixel(y);
    const std::int64_t r = std::abs(toPixel(radius));
    fitToWidget();
    currentX_ = x;
    currentY_ = y;
    update();
    // Nothing to walk when the circle's box, widened by the stamp, misses the image.
    const std::int64_t reach = r + drawWidth_;
    if (cx + reach < 0 || cy + reach < 0 || cx - reach >= image_.width() ||
        cy - reach >= image_.height()) {
        return;
    }
    const QRgb rgb = Colour::toQRgb(colour);
    auto plot = [&](std::int64_t px, std::int64_t py) {
        stamp(static_cast<int>(px), static_cast<int>(py), rgb);
    };
    // Midpoint circle, one octant mirrored eight ways.
    std::int64_t dx = r;
    std::int64_t dy = 0;
    std::int64_t error = 1 - r;
    while (dx >= dy) {
        plot(cx + dx, cy + dy);
        plot(cx - dx, cy + dy);
        plot(cx + dx, cy - dy);
        plot(cx - dx, cy - dy);
        plot(cx + dy, cy + dx);
        plot(cx - dy, cy + dx);
        plot(cx + dy, cy - dx);
        plot(cx - dy, cy - dx);
        ++dy;
        if (error < 0) {
            error += 2 * dy + 1;
        } else {
            --dx;
            error += 2 * (dy - dx) + 1;
        }
    }
}

void Canvas::Print(const QString& text) {
    const int left = toPixel(currentX_);
    const int top = toPixel(currentY_);
    fitToWidget();
    const QFont font = screenFont(fontSize_, fontBold_);
    // Measured against the image, whose resolution is fixed, not the screen's.
    const QFontMetricsF metrics(font, &image_);
    const double lineHeight = metrics.height();
    if (!text.isEmpty() && top < image_.height() && top + lineHeight >= 0 &&
        left < image_.width()) {
        QPainter painter(&image_);
        painter.setFont(font);
        painter.setPen(Colour::toQColor(foreColor_));
        painter.drawText(QPointF(left, top + metrics.ascent()), text);
    }
    currentX_ = 0;
    currentY_ += lineHeight;
    update();
}

void Canvas::printLines(const QStringList& lines) {
    for (const QString& line : lines) {
        Print(line);
    }
}

void Canvas::printPage(double x, double y, const QStringList& lines, ColourNumber mark) {
    Cls();
    PSet(x, y, mark);
    printLines(lines);
}

void Canvas::blitColumns(int left, int top, int columns, int rows, const ColourNumber* colours) {
    fitToWidget();
    const std::int64_t firstColumn = std::max<std::int64_t>(0, -std::int64_t{left});
    const std::int64_t endColumn =
        std::min<std::int64_t>(columns, std::int64_t{image_.width()} - left);
    const std::int64_t firstRow = std::max<std::int64_t>(0, -std::int64_t{top});
    const std::int64_t endRow = std::min<std::int64_t>(rows, std::int64_t{image_.height()} - top);
    if (firstColumn >= endColumn || firstRow >= endRow) {
        update();
        return;
    }
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    // A few columns at a time, row by row: each column is read in order and each row
    // of the image written in order, which the caches like far better than whole
    // columns down a wide image.
    constexpr std::int64_t Tile = 16;
    for (std::int64_t tile = firstColumn; tile < endColumn; tile += Tile) {
        const std::int64_t tileEnd = std::min(tile + Tile, endColumn);
        for (std::int64_t r = firstRow; r < endRow; ++r) {
            auto* target = reinterpret_cast<QRgb*>(bits + (top + r) * stride) + left + tile;
            for (std::int64_t c = tile; c < tileEnd; ++c, ++target) {
                const auto value = static_cast<std::uint32_t>(
                    static_cast<std::uint64_t>(colours[c * rows + r]) & 0xFFFFFFu);
                // Colour numbers keep red lowest, QRgb keeps blue lowest.
                *target = 0xFF000000u | ((value & 0xFFu) << 16) | (value & 0xFF00u) |
                          ((value >> 16) & 0xFFu);
            }
        }
    }
    // Only the block changed: repainting the rest of a large surface at every look at
    // the events would cost more than computing the block.
    updatePixels(QRect(left + static_cast<int>(firstColumn), top + static_cast<int>(firstRow),
                       static_cast<int>(endColumn - firstColumn),
                       static_cast<int>(endRow - firstRow)));
}

ColourNumber Canvas::Point(int x, int y) const {
    const QSize size = pixelSize();
    if (x < 0 || y < 0 || x >= size.width() || y >= size.height()) {
        return -1;
    }
    // A hidden widget's image may not have caught up with a resize yet; the new
    // area will be BackColor once it does.
    if (x >= image_.width() || y >= image_.height()) {
        return Colour::fromQRgb(Colour::toQRgb(backColor_));
    }
    return Colour::fromQRgb(reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x]);
}

bool Canvas::saveBitmap(const QString& path) const {
    // Written aside and put in place whole, so a failed save leaves the old file intact.
    QSaveFile file(path);
    // The end of the picture sits in the file's buffer until flushed: a disk that takes
    // only part of it must not have that part put in place, which commit alone would do.
    return file.open(QIODevice::WriteOnly) && image_.save(&file, "BMP") && file.flush() &&
           file.commit();
}

void Canvas::paintEvent(QPaintEvent* /*event*/) {
    fitToWidget();
    QPainter painter(this);
    // Each pixel of the picture covers this many logical pixels, and this many of the
    // display's.
    const double toLogical = ScreenLayout::scale() / pixelRatio_;
    const double enlargement = toLogical * devicePixelRatioF();
    // A whole number of them shows sharp blocks; a fraction would make some columns
    // and rows one pixel wider than the rest, so there the picture is smoothed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, enlargement != std::round(enlargement));
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image_.size()) * toLogical), image_);
}

void Canvas::resizeEvent(QResizeEvent* event) {
    fitToWidget();
    QWidget::resizeEvent(event);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    pressed_ = true;
    const QPointF position = toPixels(event->position());
    emit mouseDown(mouseButtonNumber(event->button()), shiftState(event->modifiers()), position.x(),
                   position.y());
    // A picture area takes its clicks: the screen behind it must not see them too.
    event->accept();
}

void Canvas::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF position = event->position();
    const bool inside =
        position.x() >= 0 && position.y() >= 0 && position.x() < width() && position.y() < height();
    const bool click = pressed_ && inside;
    pressed_ = false;
    if (click) {
        emit clicked();
    }
    event->accept();
}

#include "ScreenLayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <optional>

#include "Canvas.h"

namespace ScreenLayout {
namespace {
std::optional<QSize>& setSize() {
    static std::optional<QSize> size;
    return size;
}

double& layoutScale() {
    static double factor = 1;
    return factor;
}
}  // namespace

QSize displaySize() {
    if (setSize()) {
        return *setSize();
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}

void setDisplaySize(const QSize& size) {
    setSize() = size;
}

QRect availableArea() {
    if (setSize()) {
        return QRect(QPoint(0, 0), *setSize());
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

double scale() {
    return layoutScale();
}

void setScale(double factor) {
    layoutScale() = factor;
}

QRect toLogical(const QRect& design) {
    const double k = scale();
    const int left = qRound(design.x() * k);
    const int top = qRound(design.y() * k);
    return QRect(left, top, qRound((design.x() + design.width()) * k) - left,
                 qRound((design.y() + design.height()) * k) - top);
}

QPoint centre() {
    const QSize size = displaySize();
    return {static_cast<int>(size.width() / scale()) / 2,
            static_cast<int>(size.height() / scale()) / 2};
}

void setGeometry(QWidget* control, const QRect& design) {
    if (auto* picture = qobject_cast<Canvas*>(control)) {
        picture->setPictureSize(design.size());
    }
    control->setGeometry(toLogical(design));
}

void place(QWidget* control, int dx, int dy, int width, int height) {
    setGeometry(control, QRect(centre() + QPoint(dx, dy), QSize(width, height)));
}

void place(std::initializer_list<Placement> table) {
    for (const Placement& p : table) {
        place(p.control, p.dx, p.dy, p.width, p.height);
    }
}

}  // namespace ScreenLayout

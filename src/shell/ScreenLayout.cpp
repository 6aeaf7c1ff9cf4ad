#include "ScreenLayout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <optional>

namespace ScreenLayout {
namespace {
std::optional<QSize>& setSize() {
    static std::optional<QSize> size;
    return size;
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

QPoint centre() {
    const QSize size = displaySize();
    return {size.width() / 2, size.height() / 2};
}

void place(QWidget* control, int dx, int dy, int width, int height) {
    const QPoint c = centre();
    control->setGeometry(c.x() + dx, c.y() + dy, width, height);
}

void place(std::initializer_list<Placement> table) {
    for (const Placement& p : table) {
        place(p.control, p.dx, p.dy, p.width, p.height);
    }
}

}  // namespace ScreenLayout

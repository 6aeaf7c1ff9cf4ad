#include "Yield.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
// Short enough that a key or click is felt at once, long enough that the drawing
// spends its time drawing.
constexpr qint64 IntervalMs = 15;
}  // namespace

void yieldToEvents() {
    static QElapsedTimer sinceLast;
    if (sinceLast.isValid() && sinceLast.elapsed() < IntervalMs) {
        return;
    }
    QCoreApplication::processEvents();
    sinceLast.start();
}

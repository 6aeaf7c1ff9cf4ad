#include "Yield.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
// Short enough that a key or click is felt at once, long enough that the drawing
// spends its time drawing.
constexpr qint64 IntervalMs = 15;

QElapsedTimer& sinceLast() {
    static QElapsedTimer timer;
    return timer;
}
}  // namespace

bool yieldIsDue() {
    return !sinceLast().isValid() || sinceLast().elapsed() >= IntervalMs;
}

void yieldToEvents() {
    if (!yieldIsDue()) {
        return;
    }
    QCoreApplication::processEvents();
    sinceLast().start();
}

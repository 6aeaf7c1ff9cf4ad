#include "Clock.h"

#include <QApplication>
#include <QTime>
#include <cmath>

namespace Clock {

namespace {
constexpr double SecondsPerDay = 86400;
}

float secondsSinceMidnight() {
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

Elapsed elapsedBetween(float start, float end) {
    double span = static_cast<double>(end) - static_cast<double>(start);
    if (span < 0) {
        span += SecondsPerDay;
    }
    // Round to whole seconds first, so 119.6 s reads 2 minutes 0 seconds.
    const long whole = std::lrint(span);
    return {static_cast<int>(whole / 60), static_cast<int>(whole % 60)};
}

void beep() {
    QApplication::beep();
}

}  // namespace Clock

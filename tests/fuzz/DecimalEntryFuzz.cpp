// The number reader of the text boxes, fed any bytes: it either refuses the text
// with RuntimeFailure or gives a finite number, and what the writer makes of a
// number reads back as the same number to 15 significant digits.
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "shell/DecimalEntry.h"
#include "shell/RuntimeFailure.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The number a box shows for value reads back within half a unit of its 15th digit,
// and writing that again gives the same text.
void checkWrittenNumber(double value) {
    const QString text = DecimalEntry::write(value);
    double back = 0;
    try {
        back = DecimalEntry::read(text);
    } catch (const RuntimeFailure&) {
        std::abort();  // the writer's own text must read
    }
    check(std::fabs(back - value) <= 1e-14 * std::fabs(value));
    check(DecimalEntry::write(back) == text);
    const QString printed = DecimalEntry::printed(value);
    check(printed.startsWith(QLatin1Char(' ')) || printed.startsWith(QLatin1Char('-')));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const double value = DecimalEntry::read(text);
        check(std::isfinite(value));
        checkWrittenNumber(value);
    } catch (const RuntimeFailure&) {
        // A clean refusal.
    }
    // Any bit pattern as a number: the writer must handle every finite double.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            checkWrittenNumber(value);
        }
    }
    return 0;
}

#include "Colour.h"

#include <string>

#include "RuntimeFailure.h"

namespace Colour {

namespace {

// Only the low 24 bits of a colour number count; going through unsigned makes
// negative numbers wrap as two's complement.
std::uint32_t low24(ColourNumber colour) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(colour) & 0xFFFFFFu);
}

}  // namespace

ColourNumber QBColor(int index) {
    static constexpr ColourNumber palette[16] = {
        rgb(0, 0, 0),       rgb(0, 0, 128),   rgb(0, 128, 0),   rgb(0, 128, 128),
        rgb(128, 0, 0),     rgb(128, 0, 128), rgb(128, 128, 0), rgb(192, 192, 192),
        rgb(128, 128, 128), rgb(0, 0, 255),   rgb(0, 255, 0),   rgb(0, 255, 255),
        rgb(255, 0, 0),     rgb(255, 0, 255), rgb(255, 255, 0), rgb(255, 255, 255),
    };
    if (index < 0 || index > 15) {
        throw RuntimeFailure("QBColor: colour index " + std::to_string(index) + " outside 0..15");
    }
    return palette[index];
}

QRgb toQRgb(ColourNumber colour) {
    const std::uint32_t value = low24(colour);
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor toQColor(ColourNumber colour) {
    return QColor::fromRgb(toQRgb(colour));
}

ColourNumber fromQRgb(QRgb rgb) {
    return Colour::rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

}  // namespace Colour

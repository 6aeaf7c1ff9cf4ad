#pragma once

#include <QColor>
#include <cstdint>

// Colour numbers are red + 256 * green + 65536 * blue. Only the low 24 bits count,
// so larger numbers and negative ones wrap as they would in a 32-bit register.
using ColourNumber = std::int64_t;

namespace Colour {

constexpr ColourNumber Black = 0;
constexpr ColourNumber Red = 255;
constexpr ColourNumber Green = 65280;
constexpr ColourNumber Blue = 16711680;
constexpr ColourNumber White = 16777215;
// The grey of a plain window, for screens whose design gives no colour of their own.
constexpr ColourNumber WindowGrey = 12632256;

constexpr ColourNumber rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * static_cast<ColourNumber>(blue);
}

// The 16-colour palette; an index outside 0..15 throws RuntimeFailure.
ColourNumber QBColor(int index);

QRgb toQRgb(ColourNumber colour);
QColor toQColor(ColourNumber colour);
ColourNumber fromQRgb(QRgb rgb);

}  // namespace Colour

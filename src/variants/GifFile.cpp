#include "GifFile.h"

#include <gif_lib.h>

#include <QHash>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <cstddef>
#include <vector>

namespace GifFile {
namespace {

constexpr int MaxColours = 256;
// Width and height are 16-bit fields of the format.
constexpr int MaxSide = 65535;

int writeToFile(GifFileType* gif, const GifByteType* data, int length) {
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return static_cast<int>(file->write(reinterpret_cast<const char*>(data), length));
}

GifColorType gifColour(QRgb rgb) {
    return {static_cast<GifByteType>(qRed(rgb)), static_cast<GifByteType>(qGreen(rgb)),
            static_cast<GifByteType>(qBlue(rgb))};
}

// Indices into a palette holding each colour of the picture once; false when there
// are more than 256.
bool exactPalette(const QImage& rgb, std::vector<GifByteType>& indices,
                  std::vector<GifColorType>& palette) {
    QHash<QRgb, int> known;
    const int width = rgb.width();
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = line[x] & RGB_MASK;
            auto found = known.constFind(colour);
            if (found == known.constEnd()) {
                if (known.size() == MaxColours) {
                    return false;
                }
                found = known.insert(colour, static_cast<int>(known.size()));
                palette.push_back(gifColour(colour));
            }
            indices[static_cast<std::size_t>(y) * width + x] = static_cast<GifByteType>(*found);
        }
    }
    return true;
}

bool reducedPalette(const QImage& rgb, std::vector<GifByteType>& indices,
                    std::vector<GifColorType>& palette) {
    const std::size_t count = indices.size();
    std::vector<GifByteType> red(count), green(count), blue(count);
    std::size_t k = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x, ++k) {
            red[k] = static_cast<GifByteType>(qRed(line[x]));
            green[k] = static_cast<GifByteType>(qGreen(line[x]));
            blue[k] = static_cast<GifByteType>(qBlue(line[x]));
        }
    }
    int size = MaxColours;
    palette.assign(MaxColours, GifColorType{0, 0, 0});
    if (GifQuantizeBuffer(static_cast<unsigned>(rgb.width()), static_cast<unsigned>(rgb.height()),
                          &size, red.data(), green.data(), blue.data(), indices.data(),
                          palette.data()) == GIF_ERROR) {
        return false;
    }
    palette.resize(static_cast<std::size_t>(size));
    return true;
}

}  // namespace

bool write(const QImage& picture, const QString& path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) {
        return false;
    }
    std::vector<GifByteType> indices(static_cast<std::size_t>(width) * height);
    std::vector<GifColorType> palette;
    if (!exactPalette(rgb, indices, palette)) {
        palette.clear();
        if (!reducedPalette(rgb, indices, palette)) {
            return false;
        }
    }
    // The format's colour table has a power of two entries, at least two.
    const int bits = GifBitSize(static_cast<int>(palette.size()));
    palette.resize(std::size_t{1} << bits, GifColorType{0, 0, 0});
    ColorMapObject* colourMap = GifMakeMapObject(static_cast<int>(palette.size()), palette.data());
    if (colourMap == nullptr) {
        return false;
    }

    // Written aside and moved in place at the end, so a failed save spoils no file.
    // No direct writing into the old file where no temporary can be made beside it
    // (a read-only folder): a write failing half-way there would spoil the old file.
    QSaveFile file(path);
    bool written = false;
    if (file.open(QIODevice::WriteOnly)) {
        int error = 0;
        GifFileType* gif = EGifOpen(&file, writeToFile, &error);
        if (gif != nullptr) {
            written = EGifPutScreenDesc(gif, width, height, bits, 0, colourMap) != GIF_ERROR &&
                      EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_ERROR;
            for (int y = 0; written && y < height; ++y) {
                written = EGifPutLine(gif, indices.data() + static_cast<std::size_t>(y) * width,
                                      width) != GIF_ERROR;
            }
            // Closing writes the trailer, and frees the encoder whatever happened.
            written = EGifCloseFile(gif, &error) != GIF_ERROR && written;
        }
        // A disk that takes only part of the buffered end must not have that part put
        // in place of the old file, which commit alone would do.
        written = written && file.flush() && file.commit();
    }
    GifFreeMapObject(colourMap);
    return written;
}

}  // namespace GifFile

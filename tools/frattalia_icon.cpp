// Renders the program's icon with its own escape-time kernel: the explorer's start
// view of the Mandelbrot set in its start colours, on a rounded square. Run at build
// time; writes <folder>/<N>x<N>/apps/<name>.png for every size N given.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstdlib>

#include "mandel/EscapeTime.h"
#include "shell/Colour.h"

namespace {

// Each icon pixel averages Oversample x Oversample points, so small sizes stay smooth.
constexpr int Oversample = 4;

QImage mandelbrotSquare(int side) {
    // The explorer's start boxes: centre -0,75 + 0 i, magnification 1, 30 cycles,
    // colour weights 200, 125, 125 and step 1.
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0, 1);
    const EscapeTime::Weights weights{200, 125, 125, 1};
    const int limit = EscapeTime::mandelCycleLimit(1, 30);
    const int fine = side * Oversample;
    QImage picture(fine, fine, QImage::Format_RGB32);
    for (int row = 0; row < fine; ++row) {
        const double y = view.ymax - (row + 0.5) * (view.ymax - view.ymin) / fine;
        for (int column = 0; column < fine; ++column) {
            const double x = view.xmin + (column + 0.5) * (view.xmax - view.xmin) / fine;
            const ColourNumber colour =
                EscapeTime::mandelColour(EscapeTime::mandelPoint(x, y, limit), weights);
            picture.setPixel(column, row, Colour::toQRgb(colour));
        }
    }
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage icon(int side) {
    QImage result(side, side, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath rounded;
    const double margin = side / 32.0;
    rounded.addRoundedRect(QRectF(margin, margin, side - 2 * margin, side - 2 * margin), side / 6.0,
                           side / 6.0);
    painter.setClipPath(rounded);
    painter.drawImage(0, 0, mandelbrotSquare(side));
    return result;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const int side = std::atoi(argv[i]);
        if (side < 16 || side > 1024) {
            std::fprintf(stderr, "bad icon size %s\n", argv[i]);
            return 2;
        }
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(side);
        const QString file = QStringLiteral("%1/%2.png").arg(sizeFolder, name);
        if (!QDir().mkpath(sizeFolder) || !icon(side).save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>

#include "variants/GifFile.h"

namespace {

QImage readGif(const QString& path) {
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("gif"));
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(GifFile, PictureOfFewColoursKeepsThemExactly) {
    QImage picture(300, 200, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x) {
        for (int y = 0; y < 200; ++y) {
            picture.setPixel(x, y, qRgb((x / 5) * 4, 0, y % 3 * 100));
        }
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("poche.gif"));
    ASSERT_TRUE(GifFile::write(picture, path));
    const QImage read = readGif(path);
    ASSERT_EQ(read.size(), QSize(300, 200));
    EXPECT_EQ(read, picture);
}

TEST(GifFile, OneColourPictureIsAValidGif) {
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 255));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("blu.gif"));
    ASSERT_TRUE(GifFile::write(picture, path));
    EXPECT_EQ(readGif(path), picture);
}

TEST(GifFile, RichPictureIsReducedTo256NearbyColours) {
    QImage picture(200, 200, QImage::Format_RGB32);
    for (int x = 0; x < 200; ++x) {
        for (int y = 0; y < 200; ++y) {
            picture.setPixel(x, y, qRgb(x, y, (x + y) / 2));
        }
    }
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("molti.gif"));
    ASSERT_TRUE(GifFile::write(picture, path));
    const QImage read = readGif(path);
    ASSERT_EQ(read.size(), picture.size());
    QSet<QRgb> colours;
    long long error = 0;
    for (int x = 0; x < 200; ++x) {
        for (int y = 0; y < 200; ++y) {
            const QRgb a = read.pixel(x, y);
            const QRgb b = picture.pixel(x, y);
            colours.insert(a);
            error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                     std::abs(qBlue(a) - qBlue(b));
        }
    }
    EXPECT_LE(colours.size(), 256);
    EXPECT_GT(colours.size(), 100);
    // On average each channel stays within a few steps of the original (giflib works
    // with five bits a channel).
    EXPECT_LT(error / (200.0 * 200 * 3), 10.0);
}

TEST(GifFile, UnwritablePlaceFailsAndSpoilsNoFile) {
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QTemporaryDir folder;
    EXPECT_FALSE(GifFile::write(picture, folder.filePath(QStringLiteral("manca/x.gif"))));
    // A folder in the file's place cannot be replaced by a picture.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("cartella.gif")));
    EXPECT_FALSE(GifFile::write(picture, folder.filePath(QStringLiteral("cartella.gif"))));
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("cartella.gif"))).isDir());
    EXPECT_FALSE(GifFile::write(QImage(), folder.filePath(QStringLiteral("vuota.gif"))));
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("vuota.gif"))));
}

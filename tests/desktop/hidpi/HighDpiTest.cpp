// A display twice as dense as the one the program is laid out for: every screen
// keeps its layout in logical pixels and pictures are enlarged without blur.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QStyleFactory>

#include "AllScreens.h"
#include "mandel/frmMandel.h"
#include "shell/Canvas.h"
#include "shell/Dialogs.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"

namespace {

constexpr int Scale = 2;

// The colour of logical pixel (x, y): neighbours always differ, so any smoothing
// between them shows.
ColourNumber patternColour(int x, int y) {
    return Colour::rgb((x * 37 + y * 11) % 256, (x + y) % 2 ? 255 : 0, (x * 5 + y * 97) % 256);
}

// How many logical pixels of the canvas are not shown as a Scale x Scale block of
// exactly their own colour in the shot, whose top-left corner is at `origin`.
int blurredPixels(const Canvas& canvas, const QImage& shot, QPoint origin) {
    int faults = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb expected = Colour::toQRgb(canvas.Point(x, y));
            for (int dy = 0; dy < Scale; ++dy) {
                for (int dx = 0; dx < Scale; ++dx) {
                    const QPoint device = (origin + QPoint(x, y)) * Scale + QPoint(dx, dy);
                    if ((shot.pixel(device) & 0xFFFFFF) != (expected & 0xFFFFFF)) {
                        ++faults;
                        dx = dy = Scale;
                    }
                }
            }
        }
    }
    return faults;
}

}  // namespace

TEST(HighDpi, TheDisplayIsTwiceAsDenseAndKeepsItsLogicalSize) {
    EXPECT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0);
    EXPECT_EQ(ScreenLayout::displaySize(), QSize(1024, 768));
}

TEST(HighDpi, ACanvasShowsEachPixelAsASharpTwoByTwoBlock) {
    QWidget window;
    window.setGeometry(0, 0, 64, 48);
    auto* canvas = new Canvas(&window);
    canvas->setGeometry(5, 7, 23, 17);
    canvas->setBackColor(Colour::White);
    canvas->Cls();
    for (int y = 0; y < canvas->height(); ++y) {
        for (int x = 0; x < canvas->width(); ++x) {
            canvas->PSet(x, y, patternColour(x, y));
        }
    }
    window.show();

    // The picture keeps its pixel size: one image pixel to one logical pixel.
    EXPECT_EQ(canvas->image().size(), QSize(23, 17));
    const QPixmap shot = window.grab();
    EXPECT_DOUBLE_EQ(shot.devicePixelRatio(), 2.0);
    const QImage image = shot.toImage();
    ASSERT_EQ(image.size(), QSize(64 * Scale, 48 * Scale));
    EXPECT_EQ(blurredPixels(*canvas, image, QPoint(5, 7)), 0);
}

TEST(HighDpi, TheExplorerKeepsItsLayoutAndShowsItsPictureSharp) {
    auto* explorer = static_cast<frmMandel*>(Screens::show(QStringLiteral("frmMandel")));
    ASSERT_NE(explorer, nullptr);
    // Placed in logical pixels around the centre of the 1024 x 768 display.
    const QPoint centre = ScreenLayout::centre();
    EXPECT_EQ(explorer->pictmandel->geometry(),
              QRect(centre + QPoint(-150, -150), QSize(300, 300)));
    EXPECT_EQ(explorer->pictmandel->image().size(), QSize(300, 300));

    const QImage shot = explorer->pictmandel->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(300 * Scale, 300 * Scale));
    EXPECT_EQ(blurredPixels(*explorer->pictmandel, shot, QPoint(0, 0)), 0);
    Screens::unloadAll();
}

int main(int argc, char** argv) {
    // Headless, on a 2048 x 1536 screen at a scale factor of 2: 1024 x 768 logical pixels.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" HIDPI_CONFIG);
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Dialogs::install(std::make_unique<ScriptedDialogs>());
    defineAllScreens();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

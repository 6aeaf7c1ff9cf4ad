#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "shell/Canvas.h"
#include "shell/RuntimeFailure.h"

namespace {

// A white canvas of the given pixel size, black ink, cleared.
std::unique_ptr<Canvas> makeCanvas(int width = 200, int height = 100) {
    auto canvas = std::make_unique<Canvas>();
    canvas->resize(width, height);
    canvas->setBackColor(Colour::White);
    canvas->setForeColor(Colour::Black);
    canvas->Cls();
    return canvas;
}

// How many pixels in the rectangle [left, right) x [top, bottom) are not `colour`.
int countOther(const Canvas& canvas, int left, int top, int right, int bottom,
               ColourNumber colour) {
    int count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (canvas.Point(x, y) != colour) {
                ++count;
            }
        }
    }
    return count;
}

void sendMouse(Canvas& canvas, QEvent::Type type, QPointF position, Qt::MouseButton button,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent event(type, position, canvas.mapToGlobal(position), button, held, modifiers);
    QApplication::sendEvent(&canvas, &event);
}

}  // namespace

TEST(Canvas, StartsWhollyInTheBackgroundColourSetBeforeItIsPlaced) {
    QWidget parent;
    auto* canvas = new Canvas(&parent);
    canvas->setBackColor(Colour::Blue);
    canvas->setGeometry(10, 10, 217, 137);
    canvas->PSet(5, 5, Colour::Red);
    EXPECT_EQ(countOther(*canvas, 0, 0, 217, 137, Colour::Blue), 1);
    EXPECT_EQ(canvas->Point(0, 0), Colour::Blue);
    EXPECT_EQ(canvas->Point(5, 5), Colour::Red);
}

TEST(Canvas, ClsFillsWithBackColorAndGoesHome) {
    auto canvas = makeCanvas();
    canvas->PSet(10, 10, Colour::Red);
    canvas->setCurrentX(50);
    canvas->setCurrentY(60);
    // Setting the back colour alone leaves the picture as it is.
    canvas->setBackColor(Colour::Blue);
    EXPECT_EQ(canvas->Point(10, 10), Colour::Red);
    EXPECT_EQ(canvas->Point(0, 0), Colour::White);

    canvas->Cls();
    EXPECT_EQ(canvas->CurrentX(), 0);
    EXPECT_EQ(canvas->CurrentY(), 0);
    EXPECT_EQ(countOther(*canvas, 0, 0, 200, 100, Colour::Blue), 0);
}

TEST(Canvas, ImageMatchesTheWidgetAt96Dpi) {
    auto canvas = makeCanvas(123, 45);
    EXPECT_EQ(canvas->image().size(), QSize(123, 45));
    EXPECT_EQ(canvas->image().format(), QImage::Format_RGB32);
    EXPECT_EQ(canvas->image().dotsPerMeterX(), 3780);
    EXPECT_EQ(canvas->image().dotsPerMeterY(), 3780);
}

TEST(Canvas, PSetSetsAPixelAndMovesThePrintPosition) {
    auto canvas = makeCanvas();
    canvas->PSet(30.4, 40.6, Colour::Red);
    EXPECT_EQ(canvas->Point(30, 41), Colour::Red);
    EXPECT_EQ(countOther(*canvas, 0, 0, 200, 100, Colour::White), 1);
    EXPECT_DOUBLE_EQ(canvas->CurrentX(), 30.4);
    EXPECT_DOUBLE_EQ(canvas->CurrentY(), 40.6);
}

TEST(Canvas, PointOutsideTheSurfaceIsMinusOne) {
    auto canvas = makeCanvas();
    EXPECT_EQ(canvas->Point(-1, 0), -1);
    EXPECT_EQ(canvas->Point(0, -1), -1);
    EXPECT_EQ(canvas->Point(200, 0), -1);
    EXPECT_EQ(canvas->Point(0, 100), -1);
    EXPECT_EQ(canvas->Point(199, 99), Colour::White);
}

TEST(Canvas, PrintStartsAtThePointLastSet) {
    auto canvas = makeCanvas();
    const int x = 40;
    const int y = 30;
    // In the back colour, so only the text can change pixels.
    canvas->PSet(x, y, Colour::White);
    canvas->Print(QStringLiteral("MW"));

    EXPECT_GT(countOther(*canvas, x, y, x + 20, y + 12, Colour::White), 0);
    EXPECT_EQ(countOther(*canvas, 0, 0, 200, y - 1, Colour::White), 0);
    EXPECT_EQ(countOther(*canvas, 0, 0, x - 1, 100, Colour::White), 0);
}

TEST(Canvas, PrintMovesToTheStartOfTheNextLine) {
    auto canvas = makeCanvas();
    canvas->setCurrentX(40);
    canvas->setCurrentY(10);
    canvas->Print(QStringLiteral("MW"));
    EXPECT_EQ(canvas->CurrentX(), 0);
    const double lineHeight = canvas->CurrentY() - 10;
    // 8 points at 96 dpi is about 11 pixels of type.
    EXPECT_GT(lineHeight, 10);
    EXPECT_LT(lineHeight, 16);

    // The next text goes below the first, at the left edge.
    canvas->Print(QStringLiteral("MW"));
    EXPECT_GT(countOther(*canvas, 0, 10 + static_cast<int>(lineHeight), 20, 100, Colour::White), 0);
    EXPECT_DOUBLE_EQ(canvas->CurrentY(), 10 + 2 * lineHeight);

    // An empty text only moves down a line.
    const QImage before = canvas->image();
    canvas->Print(QString());
    EXPECT_EQ(canvas->image(), before);
    EXPECT_DOUBLE_EQ(canvas->CurrentY(), 10 + 3 * lineHeight);
}

TEST(Canvas, PrintUsesForeColorAndFontSize) {
    auto small = makeCanvas();
    small->Print(QStringLiteral("MW"));
    const double smallLine = small->CurrentY();

    auto large = makeCanvas();
    large->setForeColor(Colour::Red);
    large->setFontSize(16);
    large->setFontBold(true);
    large->Print(QStringLiteral("MW"));
    EXPECT_GT(large->CurrentY(), 1.5 * smallLine);
    // Thick strokes have solid pixels of the ink colour; shading at the edges
    // only mixes it with the white paper.
    int red = 0;
    int other = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 60; ++x) {
            const QRgb pixel = Colour::toQRgb(large->Point(x, y));
            if (pixel == qRgb(255, 0, 0)) {
                ++red;
            } else if (qRed(pixel) != 255 || qGreen(pixel) != qBlue(pixel)) {
                ++other;
            }
        }
    }
    EXPECT_GT(red, 20);
    EXPECT_EQ(other, 0);
}

TEST(Canvas, LineSetsBothEndsAndNothingBeyond) {
    auto canvas = makeCanvas();
    canvas->Line(10, 10, 50, 30, Colour::Red);
    EXPECT_EQ(canvas->Point(10, 10), Colour::Red);
    EXPECT_EQ(canvas->Point(50, 30), Colour::Red);
    EXPECT_EQ(canvas->Point(30, 20), Colour::Red);
    EXPECT_EQ(canvas->Point(10, 30), Colour::White);
    EXPECT_EQ(canvas->Point(51, 30), Colour::White);
    EXPECT_EQ(canvas->CurrentX(), 50);
    EXPECT_EQ(canvas->CurrentY(), 30);
    // One pixel per column of an x-major line.
    EXPECT_EQ(countOther(*canvas, 0, 0, 200, 100, Colour::White), 41);

    canvas->Line(100, 5, 100, 9, Colour::Blue);
    EXPECT_EQ(countOther(*canvas, 100, 0, 101, 100, Colour::White), 5);
    EXPECT_EQ(canvas->Point(100, 4), Colour::White);
    EXPECT_EQ(canvas->Point(100, 10), Colour::White);

    // A line that goes nowhere is a single point.
    canvas->Line(150, 50, 150, 50, Colour::Green);
    EXPECT_EQ(countOther(*canvas, 140, 40, 160, 60, Colour::White), 1);
    EXPECT_EQ(canvas->Point(150, 50), Colour::Green);
}

TEST(Canvas, DrawWidthThickensLinesAndPoints) {
    auto canvas = makeCanvas();
    canvas->setDrawWidth(2);
    canvas->Line(10, 20, 40, 20, Colour::Red);
    EXPECT_EQ(canvas->Point(25, 19), Colour::White);
    EXPECT_EQ(canvas->Point(25, 20), Colour::Red);
    EXPECT_EQ(canvas->Point(25, 21), Colour::Red);
    EXPECT_EQ(canvas->Point(25, 22), Colour::White);

    canvas->setDrawWidth(3);
    canvas->Line(10, 50, 40, 50, Colour::Blue);
    EXPECT_EQ(canvas->Point(25, 48), Colour::White);
    EXPECT_EQ(canvas->Point(25, 49), Colour::Blue);
    EXPECT_EQ(canvas->Point(25, 50), Colour::Blue);
    EXPECT_EQ(canvas->Point(25, 51), Colour::Blue);
    EXPECT_EQ(canvas->Point(25, 52), Colour::White);
    EXPECT_EQ(canvas->Point(9, 50), Colour::Blue);
    EXPECT_EQ(canvas->Point(41, 50), Colour::Blue);
    EXPECT_EQ(canvas->Point(8, 50), Colour::White);

    canvas->PSet(100, 80, Colour::Green);
    EXPECT_EQ(countOther(*canvas, 90, 70, 110, 90, Colour::White), 9);

    canvas->setDrawWidth(0);
    EXPECT_EQ(canvas->DrawWidth(), 1);
}

TEST(Canvas, DrawingPartlyOutsideIsClipped) {
    auto canvas = makeCanvas();
    canvas->Line(-50, -50, 150, 150, Colour::Red);
    EXPECT_EQ(canvas->Point(0, 0), Colour::Red);
    EXPECT_EQ(canvas->Point(99, 99), Colour::Red);
    EXPECT_EQ(countOther(*canvas, 0, 0, 200, 100, Colour::White), 100);

    canvas->PSet(-5, -5, Colour::Red);
    canvas->PSet(500, 50, Colour::Red);
    canvas->setDrawWidth(5);
    canvas->PSet(-1, 50, Colour::Blue);
    EXPECT_EQ(canvas->Point(0, 50), Colour::Blue);
    EXPECT_EQ(canvas->Point(1, 50), Colour::Blue);
    EXPECT_EQ(canvas->Point(2, 50), Colour::White);

    canvas->setDrawWidth(1);
    canvas->Circle(0, 50, 30, Colour::Green);
    EXPECT_EQ(canvas->Point(30, 50), Colour::Green);
    canvas->Box(-10, -10, 1000, 1000, Colour::Green);
    // A far-away line, almost all outside, still draws the part inside.
    canvas->Line(-1e8, 90, 1e8, 90, Colour::Blue);
    EXPECT_EQ(countOther(*canvas, 0, 90, 200, 91, Colour::Blue), 0);
    canvas->Circle(1e8, 1e8, 10, Colour::Blue);
}

TEST(Canvas, BoxDrawsTheOutline) {
    auto canvas = makeCanvas();
    canvas->Box(20, 10, 60, 40, Colour::Red);
    for (auto [x, y] : {std::pair{20, 10},
                        {60, 10},
                        {20, 40},
                        {60, 40},
                        {40, 10},
                        {40, 40},
                        {20, 25},
                        {60, 25}}) {
        EXPECT_EQ(canvas->Point(x, y), Colour::Red) << x << "," << y;
    }
    EXPECT_EQ(canvas->Point(40, 25), Colour::White);
    EXPECT_EQ(canvas->Point(19, 10), Colour::White);
    EXPECT_EQ(canvas->Point(61, 40), Colour::White);
    EXPECT_EQ(countOther(*canvas, 0, 0, 200, 100, Colour::White), 2 * 41 + 2 * 29);
    EXPECT_EQ(canvas->CurrentX(), 60);
    EXPECT_EQ(canvas->CurrentY(), 40);
}

TEST(Canvas, CircleDrawsTheOutlineAroundTheCentre) {
    auto canvas = makeCanvas();
    canvas->Circle(50, 50, 20, Colour::Red);
    EXPECT_EQ(canvas->Point(70, 50), Colour::Red);
    EXPECT_EQ(canvas->Point(30, 50), Colour::Red);
    EXPECT_EQ(canvas->Point(50, 70), Colour::Red);
    EXPECT_EQ(canvas->Point(50, 30), Colour::Red);
    EXPECT_EQ(canvas->Point(50, 50), Colour::White);
    EXPECT_EQ(canvas->Point(71, 50), Colour::White);
    EXPECT_EQ(canvas->Point(69, 50), Colour::White);
    EXPECT_EQ(canvas->CurrentX(), 50);
    EXPECT_EQ(canvas->CurrentY(), 50);
    // Symmetric: each quadrant has the same number of points.
    EXPECT_EQ(countOther(*canvas, 51, 29, 71, 50, Colour::White),
              countOther(*canvas, 30, 51, 50, 71, Colour::White));

    canvas->Circle(150, 50, 0, Colour::Blue);
    EXPECT_EQ(canvas->Point(150, 50), Colour::Blue);
    EXPECT_EQ(countOther(*canvas, 140, 40, 160, 60, Colour::White), 1);
}

TEST(Canvas, BlitColumnsReadsColumnByColumn) {
    auto canvas = makeCanvas();
    const std::vector<ColourNumber> colours = {
        Colour::Red,    Colour::Green,  // column 0
        Colour::Blue,   Colour::Black,  // column 1
        16777216 + 255, -1,             // column 2, wrapping
    };
    canvas->blitColumns(10, 20, 3, 2, colours.data());
    EXPECT_EQ(canvas->Point(10, 20), Colour::Red);
    EXPECT_EQ(canvas->Point(10, 21), Colour::Green);
    EXPECT_EQ(canvas->Point(11, 20), Colour::Blue);
    EXPECT_EQ(canvas->Point(11, 21), Colour::Black);
    EXPECT_EQ(canvas->Point(12, 20), Colour::Red);
    EXPECT_EQ(canvas->Point(12, 21), Colour::White);
    EXPECT_EQ(canvas->Point(13, 20), Colour::White);
}

TEST(Canvas, BlitColumnsIsClipped) {
    auto canvas = makeCanvas(20, 10);
    std::vector<ColourNumber> colours(9);
    for (int i = 0; i < 9; ++i) {
        colours[i] = i + 1;
    }
    // Column c, row r holds c * 3 + r + 1; the first column and row fall outside.
    canvas->blitColumns(-1, -1, 3, 3, colours.data());
    EXPECT_EQ(canvas->Point(0, 0), 5);
    EXPECT_EQ(canvas->Point(0, 1), 6);
    EXPECT_EQ(canvas->Point(1, 0), 8);
    EXPECT_EQ(canvas->Point(1, 1), 9);
    EXPECT_EQ(countOther(*canvas, 0, 0, 20, 10, Colour::White), 4);

    canvas->blitColumns(19, 9, 3, 3, colours.data());
    EXPECT_EQ(canvas->Point(19, 9), 1);
    EXPECT_EQ(countOther(*canvas, 0, 0, 20, 10, Colour::White), 5);

    canvas->blitColumns(-100, 50, 3, 3, colours.data());
    canvas->blitColumns(1000, 0, 3, 3, colours.data());
    EXPECT_EQ(countOther(*canvas, 0, 0, 20, 10, Colour::White), 5);
}

TEST(Canvas, CoordinatesBeyondTheSurfaceRangeAreARuntimeFailure) {
    auto canvas = makeCanvas();
    const double limit = 2147483647.0 / 15;
    EXPECT_NO_THROW(canvas->PSet(limit, -limit, Colour::Red));
    EXPECT_THROW(canvas->PSet(limit + 1, 0, Colour::Red), RuntimeFailure);
    EXPECT_THROW(canvas->PSet(0, -limit - 1, Colour::Red), RuntimeFailure);
    EXPECT_THROW(canvas->PSet(std::nan(""), 0, Colour::Red), RuntimeFailure);
    EXPECT_THROW(canvas->Line(0, 0, std::numeric_limits<double>::infinity(), 0, Colour::Red),
                 RuntimeFailure);
    EXPECT_THROW(canvas->Box(0, 0, 10, 1e10, Colour::Red), RuntimeFailure);
    EXPECT_THROW(canvas->Circle(10, 10, 1e10, Colour::Red), RuntimeFailure);
    canvas->setCurrentY(1e10);
    EXPECT_THROW(canvas->Print(QStringLiteral("x")), RuntimeFailure);
    // A failed PSet leaves the print position where it was.
    canvas->PSet(3, 4, Colour::Red);
    EXPECT_THROW(canvas->PSet(3e9, 0, Colour::Red), RuntimeFailure);
    EXPECT_EQ(canvas->CurrentX(), 3);
    EXPECT_EQ(canvas->CurrentY(), 4);
}

TEST(Canvas, ResizeKeepsThePicture) {
    auto canvas = makeCanvas(100, 50);
    canvas->show();
    canvas->PSet(5, 5, Colour::Red);
    canvas->PSet(99, 49, Colour::Blue);
    canvas->setBackColor(Colour::Green);

    canvas->resize(200, 100);
    EXPECT_EQ(canvas->image().size(), QSize(200, 100));
    EXPECT_EQ(canvas->Point(5, 5), Colour::Red);
    EXPECT_EQ(canvas->Point(99, 49), Colour::Blue);
    EXPECT_EQ(canvas->Point(0, 0), Colour::White);
    EXPECT_EQ(canvas->Point(150, 80), Colour::Green);
    EXPECT_EQ(canvas->Point(50, 80), Colour::Green);

    canvas->resize(60, 30);
    EXPECT_EQ(canvas->image().size(), QSize(60, 30));
    EXPECT_EQ(canvas->Point(5, 5), Colour::Red);
    EXPECT_EQ(canvas->Point(99, 49), -1);
}

TEST(Canvas, HiddenCanvasFollowsItsSizeWhenDrawnOn) {
    auto canvas = makeCanvas(100, 50);
    canvas->PSet(5, 5, Colour::Red);
    canvas->resize(200, 100);
    canvas->PSet(150, 80, Colour::Blue);
    EXPECT_EQ(canvas->image().size(), QSize(200, 100));
    EXPECT_EQ(canvas->Point(5, 5), Colour::Red);
    EXPECT_EQ(canvas->Point(150, 80), Colour::Blue);
}

TEST(Canvas, SaveBitmapWritesAWindowsBitmap) {
    auto canvas = makeCanvas(37, 23);
    canvas->Line(0, 0, 36, 22, Colour::Red);
    canvas->Circle(18, 11, 8, Colour::rgb(12, 34, 56));
    canvas->PSet(36, 0, Colour::Blue);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    ASSERT_TRUE(canvas->saveBitmap(path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), QByteArray("BM"));
    file.close();

    QImage loaded(path);
    ASSERT_FALSE(loaded.isNull());
    ASSERT_EQ(loaded.size(), QSize(37, 23));
    int differences = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 37; ++x) {
            if (Colour::fromQRgb(loaded.pixel(x, y)) != canvas->Point(x, y)) {
                ++differences;
            }
        }
    }
    EXPECT_EQ(differences, 0);

    EXPECT_FALSE(canvas->saveBitmap(dir.filePath(QStringLiteral("no/such/folder/x.bmp"))));
}

TEST(Canvas, MouseReportsPressesAndClicks) {
    auto canvas = makeCanvas();
    int presses = 0;
    int lastButton = 0;
    int lastShift = 0;
    QPointF lastPosition;
    int clicks = 0;
    QObject::connect(canvas.get(), &Canvas::mouseDown,
                     [&](int button, int shift, double x, double y) {
                         ++presses;
                         lastButton = button;
                         lastShift = shift;
                         lastPosition = QPointF(x, y);
                     });
    QObject::connect(canvas.get(), &Canvas::clicked, [&] { ++clicks; });

    sendMouse(*canvas, QEvent::MouseButtonPress, QPointF(10.5, 20), Qt::LeftButton,
              Qt::ShiftModifier);
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(lastButton, 1);
    EXPECT_EQ(lastShift, 1);
    EXPECT_EQ(lastPosition, QPointF(10.5, 20));
    EXPECT_EQ(clicks, 0);
    sendMouse(*canvas, QEvent::MouseButtonRelease, QPointF(12, 22), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);

    sendMouse(*canvas, QEvent::MouseButtonPress, QPointF(30, 40), Qt::RightButton);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(lastButton, 2);
    EXPECT_EQ(lastShift, 0);
    // Released outside the canvas: no click.
    sendMouse(*canvas, QEvent::MouseButtonRelease, QPointF(300, 40), Qt::RightButton);
    EXPECT_EQ(clicks, 1);
    // A release with no press before it is no click either.
    sendMouse(*canvas, QEvent::MouseButtonRelease, QPointF(30, 40), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST(Canvas, ShowsItsPicturePixelForPixel) {
    auto canvas = makeCanvas(40, 30);
    canvas->Line(0, 0, 39, 29, Colour::Red);
    canvas->Circle(20, 15, 10, Colour::Blue);
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(40, 30));
    EXPECT_EQ(shown, canvas->image());
}

TEST(Canvas, PrintPageClearsMarksThePointAndPrintsTheLinesFromThere) {
    const QStringList lines = {QStringLiteral("Prima riga"), QStringLiteral(""),
                               QStringLiteral("Terza riga")};
    auto byHand = makeCanvas();
    byHand->PSet(150, 80, Colour::Blue);
    byHand->Cls();
    byHand->PSet(20, 30, Colour::Red);
    for (const QString& line : lines) {
        byHand->Print(line);
    }

    auto page = makeCanvas();
    page->PSet(150, 80, Colour::Blue);
    page->printPage(20, 30, lines, Colour::Red);
    EXPECT_EQ(page->image(), byHand->image());
    EXPECT_EQ(page->Point(150, 80), Colour::White);
    EXPECT_EQ(page->Point(20, 30), Colour::Red);
    EXPECT_GT(countOther(*page, 20, 31, 200, 100, Colour::White), 0);
    EXPECT_EQ(countOther(*page, 0, 0, 200, 30, Colour::White), 0);
    EXPECT_DOUBLE_EQ(page->CurrentX(), 0);
    EXPECT_DOUBLE_EQ(page->CurrentY(), byHand->CurrentY());

    // printLines goes on from where the print position is, clearing nothing.
    page->printLines({QStringLiteral("Quarta")});
    EXPECT_EQ(page->Point(20, 30), Colour::Red);
    EXPECT_GT(page->CurrentY(), byHand->CurrentY());
}

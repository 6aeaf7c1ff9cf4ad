// The screens on displays of other sizes than the 1024 x 768 they are made for: the
// whole design is scaled to fill the display and stays centred, its pictures keep
// their points, and the large-screen drawing uses every pixel of the display.
// The program runs once per display (its first argument names one of the table).
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QStyleFactory>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "AllScreens.h"
#include "input/RealInput.h"
#include "mandel/EscapeTime.h"
#include "mandel/frmMandel.h"
#include "shell/Canvas.h"
#include "shell/Dialogs.h"
#include "shell/DisplayScale.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"

namespace {

// The display's size in device pixels, what the platform itself scales by (a high-DPI
// screen), the --scala option and QT_SCALE_FACTOR ("" for none), and the scale they
// should give: display pixels to a pixel of the design.
struct DisplayCase {
    std::string name;
    int width, height;
    double ratio;
    const char *scala, *scaleFactor;
    double scale;
};
// clang-format off
const DisplayCase Displays[] = {
    {"1024x768", 1024, 768, 1, "", "", 1}, {"1280x720", 1280, 720, 1, "", "", 0.9375},
    {"1920x1080", 1920, 1080, 1, "", "", 1.40625}, {"3840x2160", 3840, 2160, 1, "", "", 2.8125},
    {"2048x1536", 2048, 1536, 1, "", "", 2}, {"3840x2160-at-200%", 3840, 2160, 2, "", "", 2.8125},
    {"1920x1080-scala-1", 1920, 1080, 1, "1", "", 1},
    {"3840x2160-QT_SCALE_FACTOR-2", 3840, 2160, 1, "", "2", 2}};
// clang-format on
const DisplayCase* display = nullptr;

// Where every screen's controls lie together on a 1024 x 768 display.
const std::pair<const char*, QRect> Extents1024[] = {
    {"frmlancio2", {250, 236, 537, 281}},    {"frmMandel", {242, 153, 520, 490}},
    {"frmMandiversi", {255, 210, 513, 345}}, {"Frmfelce", {132, 94, 730, 540}},
    {"frmverhulst2", {181, 94, 662, 540}},   {"frmkochisle", {182, 104, 670, 520}},
    {"frmattratHenon", {182, 104, 580, 530}}};

// A widget's rectangle in the display's pixels.
QRectF onDisplay(const QWidget* widget) {
    const double ratio = widget->devicePixelRatioF();
    return QRectF(QPointF(widget->mapToGlobal(QPoint(0, 0))) * ratio,
                  QSizeF(widget->size()) * ratio);
}

// Whether the point's neighbours all have its colour.
bool amongItsLike(const QImage& picture, int x, int y) {
    for (int n = 0; n < 9; ++n) {
        const QPoint at(std::clamp(x + n % 3 - 1, 0, picture.width() - 1),
                        std::clamp(y + n / 3 - 1, 0, picture.height() - 1));
        if (picture.pixel(at) != picture.pixel(x, y)) {
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(ScaledDisplay, EveryScreenIsItsDesignScaledAroundTheCentre) {
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio() * ScreenLayout::scale(), display->scale);
    // Rounding to whole logical pixels moves an edge by less than one of them.
    const double slack = std::max(display->scale, 1.0) + 2;
    const QRectF screen(-1, -1, display->width + 2, display->height + 2);
    const QPointF centre(display->width / 2.0, display->height / 2.0);
    for (const auto& [name, extent] : Extents1024) {
        SCOPED_TRACE(name);
        Form* form = Screens::show(QLatin1String(name));
        QRectF controls;
        for (QWidget* control :
             form->surface()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            SCOPED_TRACE(control->objectName().toStdString());
            EXPECT_TRUE(control->isHidden() || screen.contains(onDisplay(control)));
            // The magnification box alone stands at the screen's top-left corner.
            if (!control->isHidden() && control->objectName() != QLatin1String("Txting")) {
                controls = controls.united(onDisplay(control));
            }
        }
        const QRectF expected(
            centre + (QPointF(extent.topLeft()) - QPointF(512, 384)) * display->scale,
            QSizeF(extent.size()) * display->scale);
        for (const auto& [got, wanted] : {std::pair{controls.topLeft(), expected.topLeft()},
                                          {controls.bottomRight(), expected.bottomRight()}}) {
            EXPECT_NEAR(got.x(), wanted.x(), slack);
            EXPECT_NEAR(got.y(), wanted.y(), slack);
        }
        Screens::unloadAll();
    }
}

TEST(ScaledDisplay, TheExplorersPicturesKeepTheirPointsAndTheLargeScreenUsesEveryPixel) {
    auto* form = static_cast<frmMandel*>(Screens::show(QStringLiteral("frmMandel")));
    const QImage& picture = form->pictmandel->image();
    ASSERT_EQ(picture.size(), QSize(300, 300));
    QImage shot = form->grab().toImage();
    const QPointF origin = onDisplay(form->pictmandel).topLeft() - onDisplay(form).topLeft();
    const double s = display->scale;
    // At a whole factor every point is a sharp s x s block; otherwise the middle of a
    // point among points of its colour shows that colour, give or take the smoothing.
    const int block = s == std::round(s) ? static_cast<int>(s) : 0;
    auto shown = [&](double x, double y) {
        return shot.pixel(static_cast<int>(origin.x() + x), static_cast<int>(origin.y() + y));
    };
    int wrong = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QRgb point = picture.pixel(x, y);
            for (int n = 0; n < block * block; ++n) {
                wrong += shown(x * s + n % block, y * s + n / block) != point ? 1 : 0;
            }
            if (block == 0 && amongItsLike(picture, x, y)) {
                const QRgb middle = shown((x + 0.5) * s, (y + 0.5) * s);
                wrong += std::max({std::abs(qRed(middle) - qRed(point)),
                                   std::abs(qGreen(middle) - qGreen(point)),
                                   std::abs(qBlue(middle) - qBlue(point))}) > 2;
            }
        }
    }
    EXPECT_EQ(wrong, 0);

    RealInput::activate(form);
    RealInput::click(form->Cmdschermo);
    RealInput::click(form->cmddisegna);
    const int rows = display->height * 9 / 10;
    const EscapeTime::Picture expected = EscapeTime::largeMandel(
        EscapeTime::mandelView(-0.75, 0, 1), EscapeTime::mandelCycleLimit(1, 30),
        {200, 125, 125, 1}, display->height, 1, display->width, rows);
    shot = form->surface()->grab().toImage();
    // A window of whole logical pixels may miss the display's last column.
    const int columns = std::min(shot.width(), display->width);
    ASSERT_GE(columns, display->width - 1);
    ASSERT_GE(shot.height(), rows);
    // The right half, clear of the notes printed on the left, one point to a pixel.
    wrong = 0;
    for (int x = display->width / 2; x < columns; ++x) {
        for (int y = 1; y <= rows; ++y) {
            const ColourNumber colour = expected.colours[std::size_t(x - 1) * rows + (y - 1)];
            wrong += (shot.pixel(x, y) ^ Colour::toQRgb(colour)) & 0xFFFFFFu ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
}

int main(int argc, char** argv) {
    for (const DisplayCase& d : Displays) {
        display = argc > 1 && d.name == argv[1] ? &d : display;
    }
    if (display == nullptr) {
        std::fprintf(stderr, "usage: %s <display> [gtest options]\n", argv[0]);
        return 2;
    }
    // Headless, on one screen of that size without window frames.
    const std::string config = DISPLAY_CONFIG_DIR "/offscreen-" + display->name + ".json";
    std::ofstream(config) << "{\"synchronousWindowSystemEvents\": false, \"windowFrameMargins\": "
                             "false, \"screens\": [{\"name\": \"frattalia\", \"x\": 0, \"y\": 0, "
                          << "\"width\": " << display->width / display->ratio
                          << ", \"height\": " << display->height / display->ratio
                          << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": "
                          << display->ratio << "}]}";
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
    qunsetenv("QT_FONT_DPI");
    qputenv("QT_SCALE_FACTOR", display->scaleFactor);
    std::vector<char*> options{argv[0], const_cast<char*>("--scala"),
                               const_cast<char*>(display->scala)};
    DisplayScale::prepare(*display->scala ? 3 : 1, options.data());
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Dialogs::install(std::make_unique<ScriptedDialogs>());
    defineAllScreens();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

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
#include <string>
#include <vector>

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

struct DisplayCase {
    const char* name;
    int width, height;        // device pixels
    double ratio;             // what the platform itself scales by (a high-DPI screen)
    const char* option;       // --scala, or ""
    const char* scaleFactor;  // QT_SCALE_FACTOR, or ""
    double scale;             // display pixels to a pixel of the design
};

const DisplayCase Displays[] = {
    {"1024x768", 1024, 768, 1, "", "", 1},
    {"1280x720", 1280, 720, 1, "", "", 0.9375},
    {"1920x1080", 1920, 1080, 1, "", "", 1.40625},
    {"3840x2160", 3840, 2160, 1, "", "", 2.8125},
    {"2048x1536", 2048, 1536, 1, "", "", 2},
    {"3840x2160-at-200%", 3840, 2160, 2, "", "", 2.8125},
    {"1920x1080-scala-1", 1920, 1080, 1, "1", "", 1},
    {"3840x2160-QT_SCALE_FACTOR-2", 3840, 2160, 1, "", "2", 2},
};
const DisplayCase* display = nullptr;

// Where every screen's controls lie together on a 1024 x 768 display.
struct Extent {
    const char* screen;
    QRect controls;
};
const Extent Extents1024[] = {
    {"frmlancio2", QRect(250, 236, 537, 281)},     {"frmMandel", QRect(242, 153, 520, 490)},
    {"frmMandiversi", QRect(255, 210, 513, 345)},  {"Frmfelce", QRect(132, 94, 730, 540)},
    {"frmverhulst2", QRect(181, 94, 662, 540)},    {"frmkochisle", QRect(182, 104, 670, 520)},
    {"frmattratHenon", QRect(182, 104, 580, 530)},
};
// Placed from the top-left corner of the screen, not from its centre.
const char* const FromTheCorner = "Txting";

// A widget's rectangle in the display's pixels.
QRectF onDisplay(const QWidget* widget) {
    const double ratio = widget->devicePixelRatioF();
    return QRectF(QPointF(widget->mapToGlobal(QPoint(0, 0))) * ratio,
                  QSizeF(widget->size()) * ratio);
}

// The same colour, give or take the rounding of smooth scaling.
bool alike(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 2 && std::abs(qGreen(a) - qGreen(b)) <= 2 &&
           std::abs(qBlue(a) - qBlue(b)) <= 2;
}

// Whether the point's neighbours all have its colour.
bool amongItsLike(const QImage& picture, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint n(std::clamp(x + dx, 0, picture.width() - 1),
                           std::clamp(y + dy, 0, picture.height() - 1));
            if (picture.pixel(n) != picture.pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

QRectF aroundCentre(const QRect& design) {
    const QPointF centre(display->width / 2.0, display->height / 2.0);
    return QRectF(centre + (QPointF(design.topLeft()) - QPointF(512, 384)) * display->scale,
                  QSizeF(design.size()) * display->scale);
}

}  // namespace

TEST(ScaledDisplay, EveryScreenIsItsDesignScaledAroundTheCentre) {
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio() * ScreenLayout::scale(), display->scale);
    // Rounding to whole logical pixels moves an edge by less than one of them.
    const double slack = std::max(display->scale, 1.0) + 2;
    const QRectF screen(0, 0, display->width, display->height);
    for (const Extent& extent : Extents1024) {
        SCOPED_TRACE(extent.screen);
        Form* form = Screens::show(QLatin1String(extent.screen));
        QRectF controls;
        for (QWidget* control :
             form->surface()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (control->isHidden()) {
                continue;
            }
            SCOPED_TRACE(control->objectName().toStdString());
            const QRectF place = onDisplay(control);
            EXPECT_TRUE(screen.adjusted(-1, -1, 1, 1).contains(place));
            if (control->objectName() != QLatin1String(FromTheCorner)) {
                controls = controls.united(place);
            }
        }
        const QRectF expected = aroundCentre(extent.controls);
        EXPECT_NEAR(controls.left(), expected.left(), slack);
        EXPECT_NEAR(controls.top(), expected.top(), slack);
        EXPECT_NEAR(controls.right(), expected.right(), slack);
        EXPECT_NEAR(controls.bottom(), expected.bottom(), slack);
        Screens::unloadAll();
    }
}

TEST(ScaledDisplay, TheExplorersStartPictureKeepsItsPointsAtTheDisplaysScale) {
    auto* explorer = static_cast<frmMandel*>(Screens::show(QStringLiteral("frmMandel")));
    const QImage& picture = explorer->pictmandel->image();
    ASSERT_EQ(picture.size(), QSize(300, 300));
    const QImage shot = explorer->grab().toImage();
    const QPointF origin =
        onDisplay(explorer->pictmandel).topLeft() - onDisplay(explorer).topLeft();
    const double s = display->scale;
    // At a whole factor every point is a sharp s x s block; otherwise the middle of a
    // point among points of its colour shows that colour.
    const bool whole = s == std::round(s);
    const int block = whole ? static_cast<int>(s) : 1;
    const double middle = whole ? 0 : 0.5;
    int wrong = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QRgb point = picture.pixel(x, y);
            if (!whole && !amongItsLike(picture, x, y)) {
                continue;
            }
            for (int j = 0; j < block; ++j) {
                for (int i = 0; i < block; ++i) {
                    const QPointF at = origin + QPointF((x + middle) * s + i, (y + middle) * s + j);
                    const QRgb shown =
                        shot.pixel(static_cast<int>(at.x()), static_cast<int>(at.y()));
                    wrong += (whole ? shown == point : alike(shown, point)) ? 0 : 1;
                }
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    Screens::unloadAll();
}

TEST(ScaledDisplay, TheLargeScreenDrawsOnePointPerPixelOfTheDisplay) {
    auto* explorer = static_cast<frmMandel*>(Screens::show(QStringLiteral("frmMandel")));
    RealInput::activate(explorer);
    RealInput::click(explorer->Cmdschermo);
    RealInput::click(explorer->cmddisegna);

    const int rows = display->height * 9 / 10;
    const EscapeTime::Picture expected = EscapeTime::largeMandel(
        EscapeTime::mandelView(-0.75, 0, 1), EscapeTime::mandelCycleLimit(1, 30),
        {200, 125, 125, 1}, display->height, 1, display->width, rows);
    const QImage shot = explorer->surface()->grab().toImage();
    // A window of whole logical pixels may miss the display's last column.
    const int columns = std::min(shot.width(), display->width);
    ASSERT_GE(columns, display->width - 1);
    ASSERT_GE(shot.height(), rows);
    // The right half: the notes printed on the left stay clear of it.
    int wrong = 0;
    for (int x = display->width / 2; x < columns; ++x) {
        for (int y = 1; y <= rows; ++y) {
            const ColourNumber colour =
                expected.colours[static_cast<std::size_t>(x - 1) * rows + (y - 1)];
            wrong += (shot.pixel(x, y) & 0xFFFFFFu) != (Colour::toQRgb(colour) & 0xFFFFFFu) ? 1 : 0;
        }
    }
    EXPECT_EQ(wrong, 0);
    Screens::unloadAll();
}

int main(int argc, char** argv) {
    for (const DisplayCase& d : Displays) {
        if (argc > 1 && d.name == std::string(argv[1])) {
            display = &d;
        }
    }
    if (display == nullptr) {
        std::fprintf(stderr, "usage: %s <display> [gtest options]\n", argv[0]);
        return 2;
    }
    // Headless, on one screen of that size without window frames.
    const std::string config =
        std::string(DISPLAY_CONFIG_DIR "/offscreen-") + display->name + ".json";
    std::ofstream(config) << "{\"synchronousWindowSystemEvents\": false, \"windowFrameMargins\": "
                             "false, \"screens\": [{\"name\": \"frattalia\", \"x\": 0, \"y\": 0, "
                          << "\"width\": " << display->width / display->ratio
                          << ", \"height\": " << display->height / display->ratio
                          << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": "
                          << display->ratio << "}]}";
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.c_str());
    qunsetenv("QT_FONT_DPI");
    qputenv("QT_SCALE_FACTOR", display->scaleFactor);
    std::vector<char*> options{argv[0]};
    std::string scala = display->option;
    std::string flag = "--scala";
    if (!scala.empty()) {
        options.push_back(flag.data());
        options.push_back(scala.data());
    }
    DisplayScale::prepare(static_cast<int>(options.size()), options.data());

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    Dialogs::install(std::make_unique<ScriptedDialogs>());
    defineAllScreens();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

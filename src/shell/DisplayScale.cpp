#include "DisplayScale.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "ScreenLayout.h"

namespace DisplayScale {
namespace {
constexpr double DesignWidth = 1024;
constexpr double DesignHeight = 768;
// Beyond this a window would outgrow any display and its memory.
constexpr double LargestFactor = 8;

// The factor at which the design fills an area of this many device pixels.
double fitting(double width, double height) {
    return std::min(width / DesignWidth, height / DesignHeight);
}

// What the program needs to know of the primary screen.
struct Screen {
    double width = 0;  // available area, device pixels
    double height = 0;
    double ratio = 1;  // device pixels to a logical pixel, as Qt sets it without us
    double dotsPerInch = 96;
};

// Qt knows the screens only once an application has started, and it reads its
// settings once per process: so a child process starts one and reports, and the real
// application starts afterwards with the scale chosen from it.
std::optional<Screen> measurePrimaryScreen(int argc, char** argv) {
    int channel[2];
    if (pipe(channel) != 0) {
        return std::nullopt;
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::vector<char*> arguments(argv, argv + argc);
        arguments.push_back(nullptr);
        int count = argc;
        const QGuiApplication probe(count, arguments.data());
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const double ratio = screen->devicePixelRatio();
            const Screen found{screen->availableGeometry().width() * ratio,
                               screen->availableGeometry().height() * ratio, ratio,
                               screen->logicalDotsPerInchY()};
            [[maybe_unused]] const ssize_t written = ::write(channel[1], &found, sizeof found);
        }
        _exit(0);
    }
    close(channel[1]);
    Screen found;
    const ssize_t got = child > 0 ? ::read(channel[0], &found, sizeof found) : 0;
    close(channel[0]);
    if (child > 0) {
        waitpid(child, nullptr, 0);
    }
    return got == static_cast<ssize_t>(sizeof found) ? std::optional<Screen>(found) : std::nullopt;
}
}  // namespace

QCommandLineOption option() {
    return QCommandLineOption(
        QStringLiteral("scala"),
        QStringLiteral("Ingrandisce tutte le schermate del fattore dato (per esempio 2 o 1,5); "
                       "1 le mostra come su uno schermo 1024x768. Senza questa opzione le "
                       "schermate si adattano allo schermo."),
        QStringLiteral("fattore"));
}

std::optional<double> read(const QString& text) {
    bool ok = false;
    const double factor = QString(text).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !(factor > 0 && factor <= LargestFactor)) {
        return std::nullopt;
    }
    return factor;
}

void prepare(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    const QCommandLineOption scale = option();
    parser.addOption(scale);
    // Other options are checked once the application exists.
    parser.parse(arguments);
    const std::optional<double> chosen = read(parser.value(scale));
    if (!chosen && !qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        return;
    }
    const std::optional<Screen> screen = measurePrimaryScreen(argc, argv);
    if (!screen) {
        return;
    }
    // The factor on top of what Qt does by itself: a high-DPI screen is already scaled.
    const double factor = chosen ? *chosen : fitting(screen->width, screen->height) / screen->ratio;
    if (factor >= 1) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 17));
        return;
    }
    // Qt draws nothing smaller than its logical pixels: the layout shrinks the screens,
    // and the fonts shrink with them.
    ScreenLayout::setScale(factor);
    qputenv("QT_FONT_DPI", QByteArray::number(qRound(screen->dotsPerInch * factor)));
}

}  // namespace DisplayScale

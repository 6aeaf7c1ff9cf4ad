// How long each picture takes: the kernels into their buffers, the explorer's small
// presets side by side with a straightforward reference, and two drawings through
// their handlers with yields and painting included.
#include <benchmark/benchmark.h>
#include <hwy/targets.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>
#include <cmath>
#include <functional>

#include "AllScreens.h"
#include "henon/HenonMap.h"
#include "henon/frmattratHenon.h"
#include "ifs/IfsPresets.h"
#include "kernels/PlainEscape.h"
#include "koch/KochIsland.h"
#include "mandel/EscapeColumns.h"
#include "mandel/EscapeTime.h"
#include "mandel/frmMandel.h"
#include "shell/Canvas.h"
#include "shell/Dialogs.h"
#include "shell/Random.h"
#include "shell/ScreenLayout.h"
#include "shell/Screens.h"
#include "variants/Relief.h"
#include "variants/VariantSets.h"
#include "verhulst/Logistic.h"

namespace {

using EscapeTime::Escape;
using EscapeTime::Picture;
using EscapeTime::View;

const EscapeTime::Weights StartColours{200, 125, 125, 1};

struct Place {
    const char* name;
    double x, y, z, cycles;
};
const Place Places[] = {
    {"MiniMandel", -0.166494436, 1.04054054, 10000000, 70},
    {"Palle", -0.750252702027307, 1.24345324727702E-02, 90000, 970},
    {"Pizzo", -0.75030681107, 0.014565363385, 1540000, 70},
    {"Spirale", -0.74581603327, 0.10509166308, 10000000, 70},
    {"Fiocco", -0.67033333, -0.45766666, 125, -10},
    {"Occhio", -1.6744005587, 0.00568563985, 244140625, 470},
    {"Stellamarina", -0.817985614202, 0.190171752437, 320000000, 70},
};

// The small picture's points as the explorer draws them.
template <typename PointFunction>
void forEachSmallPoint(const View& view, PointFunction point) {
    for (int i = 0; i <= 300; ++i) {
        const double x0 = (i / 300.0) * (view.xmax - view.xmin) + view.xmin;
        for (int j = 0; j <= 300; ++j) {
            point(x0, (j / 300.0) * (view.ymin - view.ymax) + view.ymax);
        }
    }
}

// The cycles counted over a small picture, for the iterations-per-second counter.
double smallCycles(const View& view, int limit) {
    double cycles = 0;
    forEachSmallPoint(
        view, [&](double x0, double y0) { cycles += EscapeTime::mandelPoint(x0, y0, limit).k; });
    return cycles;
}

// Times the drawing of a picture and reports the cycles counted per second of wall
// time: the work runs on every core, so the main thread's processor time would
// overstate the rate.
template <typename Draw>
void timePictures(benchmark::State& state, double cyclesPerPicture, Draw draw) {
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        draw();
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    state.counters["iter_per_s"] =
        cyclesPerPicture * static_cast<double>(state.iterations()) / wall.count();
}

void smallPicture(benchmark::State& state, const View& view, int limit) {
    timePictures(state, smallCycles(view, limit), [&] {
        benchmark::DoNotOptimize(EscapeTime::smallMandel(view, limit, StartColours, 300, 300));
    });
}

void ExplorerStartView(benchmark::State& state) {
    smallPicture(state, EscapeTime::mandelView(-0.75, 0, 1), EscapeTime::mandelCycleLimit(1, 30));
}
BENCHMARK(ExplorerStartView)->Name("Explorer/StartView")->Unit(benchmark::kMillisecond);

void registerPresets() {
    for (const Place& place : Places) {
        benchmark::RegisterBenchmark(
            (std::string("Explorer/Preset/") + place.name).c_str(),
            [place](benchmark::State& state) {
                smallPicture(state, EscapeTime::mandelView(place.x, place.y, place.z),
                             EscapeTime::mandelCycleLimit(place.z, place.cycles));
            })
            ->Unit(benchmark::kMillisecond);
    }
}

// The plain definition: one pixel after another on one core, the cosine and the
// sine at every step.
void ReferenceOcchio(benchmark::State& state) {
    const Place& occhio = Places[5];
    const View view = EscapeTime::mandelView(occhio.x, occhio.y, occhio.z);
    const int limit = EscapeTime::mandelCycleLimit(occhio.z, occhio.cycles);
    timePictures(state, smallCycles(view, limit), [&] {
        std::vector<ColourNumber> colours;
        colours.reserve(301 * 301);
        forEachSmallPoint(view, [&](double x0, double y0) {
            colours.push_back(
                EscapeTime::mandelColour(plainMandelEscape(x0, y0, limit, true), StartColours));
        });
        benchmark::DoNotOptimize(colours);
    });
}
BENCHMARK(ReferenceOcchio)->Name("Reference/Explorer/Preset/Occhio")->Unit(benchmark::kMillisecond);

constexpr double ScreenHeight = 768;
constexpr int ScreenColumns = 1024;
constexpr int ScreenRows = 691;

void ExplorerFullScreen(benchmark::State& state) {
    const View view = EscapeTime::mandelView(-0.75, 0, 1);
    double cycles = 0;
    for (int i = 1; i <= ScreenColumns; ++i) {
        for (int j = 1; j <= ScreenRows; ++j) {
            cycles += EscapeTime::mirroredMandelPoint(
                          (i / ScreenHeight) * (view.xmax - view.xmin) + view.xmin,
                          (j / ScreenHeight) * (view.ymin - view.ymax) + view.ymax, 70)
                          .k;
        }
    }
    timePictures(state, cycles, [&] {
        benchmark::DoNotOptimize(EscapeTime::largeMandel(view, 70, StartColours, ScreenHeight, 1,
                                                         ScreenColumns, ScreenRows));
    });
}
BENCHMARK(ExplorerFullScreen)->Name("Explorer/FullScreen1024x768")->Unit(benchmark::kMillisecond);

void JuliaStartView(benchmark::State& state) {
    const View window = EscapeTime::juliaWindow(1);
    const int limit = EscapeTime::juliaCycleLimit(1, 30);
    double cycles = 0;
    const double step = (window.xmax - window.xmin) / 300;
    for (int c = 1; c <= 300; ++c) {
        for (int r = 1; r <= 300; ++r) {
            cycles += EscapeTime::juliaPoint(window.xmin + c * step, window.ymin + r * step, -0.75,
                                             0, limit)
                          .k;
        }
    }
    timePictures(state, cycles, [&] {
        benchmark::DoNotOptimize(EscapeTime::julia(window, -0.75, 0, limit, StartColours));
    });
}
BENCHMARK(JuliaStartView)->Name("Julia/StartView")->Unit(benchmark::kMillisecond);

void FilmFrame(benchmark::State& state) {
    const double k = 200 + 256 * 125 + 65536 * 125 + 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EscapeTime::filmFrame(-1, -0.75, k));
    }
}
BENCHMARK(FilmFrame)->Name("Film/Frame")->Unit(benchmark::kMillisecond);

void variantPicture(benchmark::State& state, int formula) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(VariantSets::variant(formula));
    }
}
void VariantOne(benchmark::State& state) {
    variantPicture(state, 1);
}
BENCHMARK(VariantOne)->Name("Variants/1")->Unit(benchmark::kMillisecond);
void VariantTen(benchmark::State& state) {
    variantPicture(state, 10);
}
BENCHMARK(VariantTen)->Name("Variants/10")->Unit(benchmark::kMillisecond);

void VariantCube(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(VariantSets::cube());
    }
}
BENCHMARK(VariantCube)->Name("Variants/Cube")->Unit(benchmark::kMillisecond);

void VariantRelief(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Relief::relief());
    }
}
BENCHMARK(VariantRelief)->Name("Variants/Relief")->Unit(benchmark::kMillisecond);

void IfsPino(benchmark::State& state) {
    const Ifs::Preset& pino = Ifs::pino();
    std::vector<ColourNumber> picture(500 * 500);
    Ifs::Steps steps;
    steps.random = Random::next;
    steps.colour = [&pino](int k) { return pino.colours[k - 1].fixed; };
    steps.stop = [] { return false; };
    steps.offsets = [] { return Ifs::Offsets{}; };
    steps.plot = [&picture](Ifs::Pixel p, ColourNumber colour) {
        const int x = static_cast<int>(p.column);
        const int y = static_cast<int>(p.row);
        if (x >= 0 && x < 500 && y >= 0 && y < 500) {
            picture[x * 500 + y] = colour;
        }
    };
    for (auto _ : state) {
        Ifs::run(pino.run, pino.maps, steps);
        benchmark::DoNotOptimize(picture);
    }
}
BENCHMARK(IfsPino)->Name("Ifs/Preset/pino")->Unit(benchmark::kMillisecond);

void VerhulstCaos(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(Logistic::bifurcation(Logistic::Caos, 1, 0.18, Colour::Black));
    }
}
BENCHMARK(VerhulstCaos)->Name("Verhulst/Caos")->Unit(benchmark::kMillisecond);

void KochSeries(benchmark::State& state) {
    const double lengths[] = {410, 136.5, 45, 15, 5};
    for (auto _ : state) {
        for (int n = 0; n < 5; ++n) {
            benchmark::DoNotOptimize(KochIsland::stage(n, {45, 371}, lengths[n]));
        }
    }
}
BENCHMARK(KochSeries)->Name("Koch/Series")->Unit(benchmark::kMillisecond);

void HenonPoints(benchmark::State& state) {
    constexpr double Z = 1000;
    // The points put on a picture area as the screen puts them, but without the
    // events between them.
    Canvas picture;
    picture.resize(500, 500);
    std::vector<Canvas::Dot> dots;
    for (auto _ : state) {
        const double count = HenonMap::pointCount(Z);
        HenonMap::Point point = HenonMap::Start;
        dots.clear();
        for (double n = 0; n < count; ++n) {
            point = HenonMap::next(point);
            const ColourNumber colour = HenonMap::colour(Random::next(), count);
            if (const auto pixel = HenonMap::pixel(point, Z)) {
                dots.push_back({pixel->x, pixel->y, colour});
            }
        }
        picture.PSetAll(dots);
    }
}
BENCHMARK(HenonPoints)->Name("Henon/Z1000")->Unit(benchmark::kMillisecond);

void FullScreenHandler(benchmark::State& state) {
    auto* explorer = static_cast<frmMandel*>(Screens::show(QStringLiteral("frmMandel")));
    for (auto _ : state) {
        explorer->Cmdschermo->setText(QStringLiteral("Schermo grande"));
        explorer->cmddisegna_Click();
    }
    Screens::unloadAll();
}
BENCHMARK(FullScreenHandler)->Name("Screen/FullScreenHandler")->Unit(benchmark::kMillisecond);

void HenonHandler(benchmark::State& state) {
    auto* henon = static_cast<frmattratHenon*>(Screens::show(QStringLiteral("frmattratHenon")));
    henon->Txtx->setText(QStringLiteral("1000"));
    for (auto _ : state) {
        henon->cmddisegna_Click();
    }
    Screens::unloadAll();
}
BENCHMARK(HenonHandler)->Name("Screen/HenonHandler")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" OFFSCREEN_CONFIG);
    QApplication app(argc, argv);
    ScreenLayout::setDisplaySize(QSize(1024, 768));
    Dialogs::install(std::make_unique<ScriptedDialogs>());
    defineAllScreens();
    registerPresets();
    // The vector unit the escape-time columns run on, chosen for this processor.
    benchmark::AddCustomContext("vector_target", hwy::TargetName(EscapeTime::columnTarget()));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

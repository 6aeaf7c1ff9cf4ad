#include <benchmark/benchmark.h>

#include "mandel/EscapeTime.h"

namespace {

const EscapeTime::Weights StartColours{200, 125, 125, 1};

// The explorer's start picture: the whole set, 70 cycles.
void SmallMandelStartView(benchmark::State& state) {
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(EscapeTime::smallMandel(view, 70, StartColours, 300, 300));
    }
}
BENCHMARK(SmallMandelStartView)->Unit(benchmark::kMillisecond);

// A deep view on the edge of the set, where most pixels use many cycles.
void SmallMandelDeepView(benchmark::State& state) {
    const double z = 1000000;
    const EscapeTime::View view = EscapeTime::mandelView(-0.743643887037151, 0.13182590420533, z);
    const int limit = EscapeTime::mandelCycleLimit(z, 2000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(EscapeTime::smallMandel(view, limit, StartColours, 300, 300));
    }
}
BENCHMARK(SmallMandelDeepView)->Unit(benchmark::kMillisecond);

void JuliaStartView(benchmark::State& state) {
    const EscapeTime::View window = EscapeTime::juliaWindow(1);
    const int limit = EscapeTime::juliaCycleLimit(1, 30);
    for (auto _ : state) {
        benchmark::DoNotOptimize(EscapeTime::julia(window, -0.75, 0.1, limit, StartColours));
    }
}
BENCHMARK(JuliaStartView)->Unit(benchmark::kMillisecond);

// One full-screen picture of 1024 x 691 points, point by point as the screen draws it.
void LargeMandelPoints(benchmark::State& state) {
    const EscapeTime::View view = EscapeTime::mandelView(-0.75, 0, 1);
    const double hf = 768;
    for (auto _ : state) {
        for (int i = 1; i <= 1024; ++i) {
            const double x0 = (i / hf) * (view.xmax - view.xmin) + view.xmin;
            for (int j = 1; j <= 691; ++j) {
                const double y0 = (j / hf) * (view.ymin - view.ymax) + view.ymax;
                benchmark::DoNotOptimize(EscapeTime::mandelColour(
                    EscapeTime::mirroredMandelPoint(x0, y0, 70), StartColours));
            }
        }
    }
}
BENCHMARK(LargeMandelPoints)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

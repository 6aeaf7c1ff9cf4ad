#include "Random.h"

#include <QDateTime>
#include <random>

namespace Random {
namespace {

constexpr std::uint32_t StartSeed = 327680;

std::mt19937& generator() {
    static std::mt19937 engine(StartSeed);
    return engine;
}

}  // namespace

double next() {
    return generator()() / 4294967296.0;
}

void seed(std::uint32_t value) {
    generator().seed(value);
}

void seedFromClock() {
    seed(static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()));
}

}  // namespace Random

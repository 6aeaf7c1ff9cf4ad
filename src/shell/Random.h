#pragma once

#include <cstdint>

// The program's one uniform generator. Without seeding it gives the same
// sequence at every start, as teaching examples expect; seedFromClock varies it.
namespace Random {

// Uniform in [0, 1).
double next();
void seed(std::uint32_t value);
void seedFromClock();

}  // namespace Random

#include <gtest/gtest.h>

#include "ifs/IfsEngine.h"

// A random number just below 1 rounds up to 1 in single precision; it must still
// choose the last map, not one past it.
TEST(IfsEngine, ARandomNumberJustBelowOneChoosesTheLastMap) {
    for (const double n : {4.0, 3.0, 2.0}) {
        EXPECT_EQ(Ifs::chooseMap(Ifs::toSingleRandom(1.0 - 1e-9), n), n);
    }
}

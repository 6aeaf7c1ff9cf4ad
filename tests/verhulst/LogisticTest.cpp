#include <gtest/gtest.h>

#include "verhulst/Logistic.h"

// The values beside the lower graph: seven significant digits, the decimal comma.
TEST(Logistic, PopulationsPrintWithSevenDigitsAndTheComma) {
    EXPECT_EQ(Logistic::printedPopulation(0.965949178f), " 0,9659492");
    EXPECT_EQ(Logistic::printedPopulation(-3.375f), "-3,375");
    EXPECT_EQ(Logistic::printedPopulation(12345678.f), " 12345680");
    EXPECT_EQ(Logistic::printedPopulation(1e-5f), " 1E-05");
}

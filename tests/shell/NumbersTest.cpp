#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>

#include "shell/Clock.h"
#include "shell/DecimalEntry.h"
#include "shell/Numbers.h"
#include "shell/RuntimeFailure.h"

namespace {

// The C library's number format of a machine, as the program's start-up takes it from
// the environment: the plain one, and the Italian one with the decimal comma.
class NumberFormat : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        if (std::setlocale(LC_NUMERIC, GetParam()) == nullptr) {
            GTEST_SKIP() << GetParam() << " is not installed";
        }
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, "C"); }
};

constexpr double Largest = std::numeric_limits<double>::max();

// clang-format off
// Texts as typed, and the number each reads as; none for a text that is not a number.
const std::pair<const char*, std::optional<double>> Typed[] = {
    {"1,5", 1.5}, {"1.5", 15}, {"-0.75", -75}, {"-0,75", -0.75}, {"1.000,5", 1000.5},
    {"  30 ", 30}, {"+2", 2}, {",5", 0.5}, {"1,24345324727702E-02", 0.0124345324727702},
    {"25000000000", 25e9}, {"", {}}, {"   ", {}}, {"a", {}}, {"1a", {}}, {"1,5,5", {}},
    {"-", {}}, {",", {}}, {".", {}}, {"1e", {}}, {"e5", {}}, {"1 2", {}}, {"1e400", {}},
    {"--1", {}}};

// Numbers and the texts they are written as.
const std::pair<double, const char*> Written[] = {
    {-2, "-2"}, {0, "0"}, {-0.0, "0"}, {0.2, "0,2"}, {-0.75 + 0.1, "-0,65"},
    {0.0124345324727702, "0,0124345324727702"}, {1.0 / 3, "0,333333333333333"},
    {123456789012345, "123456789012345"}, {0.0001, "0,0001"}, {0.00001, "1E-05"},
    {1.5e-7, "1,5E-07"}, {1e15, "1E+15"}, {-1.23456789012345e20, "-1,23456789012345E+20"},
    // Rounded to 15 digits these would pass the largest double and never read back.
    {Largest, "1,79769313486231E+308"}, {-std::nextafter(Largest, 0.0), "-1,79769313486231E+308"},
    {1.7976931348623e308, "1,7976931348623E+308"}};
// clang-format on

}  // namespace

TEST_P(NumberFormat, BoxesReadAndWriteTheDecimalCommaAndThePeriodGroupsDigits) {
    for (const auto& [text, number] : Typed) {
        SCOPED_TRACE(text);
        if (number) {
            EXPECT_EQ(DecimalEntry::read(QString::fromLatin1(text)), *number);
        } else {
            EXPECT_THROW(DecimalEntry::read(QString::fromLatin1(text)), RuntimeFailure);
        }
    }
    for (const auto& [number, text] : Written) {
        SCOPED_TRACE(text);
        EXPECT_EQ(DecimalEntry::write(number), QString::fromLatin1(text));
        EXPECT_NEAR(DecimalEntry::read(QString::fromLatin1(text)), number,
                    std::fabs(number) * 1e-14);
    }
    for (double value : {1.0 / 0.0, std::nan("")}) {
        EXPECT_THROW(DecimalEntry::read(DecimalEntry::write(value)), RuntimeFailure);
    }
}

INSTANTIATE_TEST_SUITE_P(DecimalEntry, NumberFormat, ::testing::Values("C", "it_IT.UTF-8"));

// The remainder rounds first and keeps the sign of the left operand.
TEST(Numbers, WholeNumbersRoundHalfToEvenAndFailOutsideTheirRange) {
    // clang-format off
    for (const auto& [got, wanted] : {std::pair<double, double>{Numbers::toInt16(2.5), 2},
         {Numbers::toInt16(-3.5), -4}, {Numbers::mod(-7, 3), -1}, {Numbers::mod(7.5, 2), 0},
         {Numbers::mod(6.5, 4), 2}, {Numbers::intFloor(-1.5), -2}}) {
        EXPECT_EQ(got, wanted);
    }
    // clang-format on
    for (const auto fails : {+[] { Numbers::toInt16(32767.5); }, +[] { Numbers::toInt32(NAN); },
                             +[] { Numbers::mod(5, 0.4); }, +[] { Numbers::mod(3e9, 255); },
                             +[] { Numbers::divide(1, 0); }, +[] { Numbers::toSingle(1e39); }}) {
        EXPECT_THROW(fails(), RuntimeFailure);
    }
}

TEST(Clock, CountsWholeMinutesAndSecondsAcrossMidnight) {
    EXPECT_EQ(Clock::elapsedBetween(10, 75.4f).seconds, 5);
    EXPECT_EQ(Clock::elapsedBetween(86390, 10).seconds, 20);
    const auto late = Clock::elapsedBetween(0, 119.6f);
    EXPECT_EQ(std::pair(late.minutes, late.seconds), std::pair(2, 0));
}

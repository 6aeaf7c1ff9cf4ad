#include <gtest/gtest.h>

#include <QLineEdit>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "shell/Clock.h"
#include "shell/DecimalEntry.h"
#include "shell/Numbers.h"
#include "shell/Random.h"
#include "shell/RuntimeFailure.h"

TEST(DecimalEntry, ReadsTheCommaAsDecimalSeparatorAndThePeriodAsGrouping) {
    EXPECT_DOUBLE_EQ(DecimalEntry::read("1,5"), 1.5);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("1.5"), 15);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("0.2"), 2);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("-0.75"), -75);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("-0,75"), -0.75);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("1.000,5"), 1000.5);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("  30 "), 30);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("+2"), 2);
    EXPECT_DOUBLE_EQ(DecimalEntry::read(",5"), 0.5);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("1,24345324727702E-02"), 0.0124345324727702);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("25000000000"), 25e9);
}

TEST(DecimalEntry, FailsOnTextsThatAreNotNumbers) {
    for (const char* text :
         {"", "   ", "a", "1a", "1,5,5", "-", ",", ".", "1e", "e5", "1 2", "1e400", "--1"}) {
        EXPECT_THROW(DecimalEntry::read(QString::fromLatin1(text)), RuntimeFailure) << text;
    }
}

TEST(DecimalEntry, WritesNumbersBackWithTheComma) {
    EXPECT_EQ(DecimalEntry::write(-2), "-2");
    EXPECT_EQ(DecimalEntry::write(0), "0");
    EXPECT_EQ(DecimalEntry::write(-0.0), "0");
    EXPECT_EQ(DecimalEntry::write(0.2), "0,2");
    EXPECT_EQ(DecimalEntry::write(-0.75), "-0,75");
    EXPECT_EQ(DecimalEntry::write(0.0124345324727702), "0,0124345324727702");
    EXPECT_EQ(DecimalEntry::write(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(DecimalEntry::write(-0.75 + 0.1), "-0,65");
    EXPECT_EQ(DecimalEntry::write(25e9), "25000000000");
    EXPECT_EQ(DecimalEntry::write(123456789012345), "123456789012345");
    EXPECT_EQ(DecimalEntry::write(0.0001), "0,0001");
    EXPECT_EQ(DecimalEntry::write(0.00001), "1E-05");
    EXPECT_EQ(DecimalEntry::write(1.5e-7), "1,5E-07");
    EXPECT_EQ(DecimalEntry::write(1e15), "1E+15");
    EXPECT_EQ(DecimalEntry::write(-1.23456789012345e20), "-1,23456789012345E+20");
    // A value beyond the double range never reads back as a number.
    EXPECT_THROW(DecimalEntry::read(DecimalEntry::write(1.0 / 0.0)), RuntimeFailure);
    EXPECT_THROW(DecimalEntry::read(DecimalEntry::write(std::nan(""))), RuntimeFailure);
    // What is written reads back as the same number.
    for (double value : {0.0124345324727702, -1.25, 1e-300, 5.0 / 7, 98765.4321}) {
        EXPECT_DOUBLE_EQ(DecimalEntry::read(DecimalEntry::write(value)), value);
    }
}

TEST(DecimalEntry, TheLargestNumbersAreWrittenSoThatTheyReadBack) {
    // Rounded to 15 digits they would pass the largest double and read as an overflow.
    const double largest = std::numeric_limits<double>::max();
    for (double value : {largest, -largest, std::nextafter(largest, 0.0), 1.7976931348623155e308}) {
        const QString text = DecimalEntry::write(value);
        EXPECT_EQ(text, value > 0 ? "1,79769313486231E+308" : "-1,79769313486231E+308");
        EXPECT_NEAR(DecimalEntry::read(text), value, 1e-14 * largest) << text.toStdString();
    }
    EXPECT_EQ(DecimalEntry::write(1.79769313486231e308), "1,79769313486231E+308");
    EXPECT_EQ(DecimalEntry::write(1.7976931348623e308), "1,7976931348623E+308");
}

TEST(DecimalEntry, PrintsNonNegativeNumbersWithALeadingBlank) {
    EXPECT_EQ(DecimalEntry::printed(0.5), " 0,5");
    EXPECT_EQ(DecimalEntry::printed(0), " 0");
    EXPECT_EQ(DecimalEntry::printed(-1.25), "-1,25");
    EXPECT_EQ(DecimalEntry::printed(70), " 70");
}

namespace {

// Switches the C library's number format to a locale that writes the decimal comma,
// as the program's start-up does on such a machine, and back again at the end.
class CommaLocale {
  public:
    CommaLocale() : before_(std::setlocale(LC_NUMERIC, nullptr)) {
        for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "it_IT", "de_DE.UTF-8", "de_DE.utf8",
                                 "fr_FR.UTF-8", "fr_FR.utf8"}) {
            if (std::setlocale(LC_NUMERIC, name) != nullptr &&
                std::string(std::localeconv()->decimal_point) == ",") {
                active_ = true;
                return;
            }
        }
        std::setlocale(LC_NUMERIC, before_.c_str());
    }
    ~CommaLocale() { std::setlocale(LC_NUMERIC, before_.c_str()); }
    bool active() const { return active_; }

  private:
    std::string before_;
    bool active_ = false;
};

}  // namespace

TEST(DecimalEntry, ReadsAndWritesTheSameWhateverTheMachinesNumberFormat) {
    const CommaLocale comma;
    if (!comma.active()) {
        GTEST_SKIP() << "no locale with the decimal comma is installed";
    }
    EXPECT_DOUBLE_EQ(DecimalEntry::read("0,18"), 0.18);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("-3,99"), -3.99);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("1,24345324727702E-02"), 0.0124345324727702);
    EXPECT_DOUBLE_EQ(DecimalEntry::read("1.000,5"), 1000.5);
    EXPECT_THROW(DecimalEntry::read("1e400"), RuntimeFailure);
    EXPECT_EQ(DecimalEntry::write(0.18), "0,18");
    EXPECT_EQ(DecimalEntry::write(-0.75), "-0,75");
    EXPECT_EQ(DecimalEntry::write(1.5e-7), "1,5E-07");
    EXPECT_EQ(DecimalEntry::write(-1.23456789012345e20), "-1,23456789012345E+20");
    EXPECT_EQ(DecimalEntry::printed(3.52), " 3,52");
}

TEST(Numbers, WholeNumbersRoundHalfToEvenAndFailOnOverflow) {
    EXPECT_EQ(Numbers::toInt16(2.5), 2);
    EXPECT_EQ(Numbers::toInt16(3.5), 4);
    EXPECT_EQ(Numbers::toInt16(-2.5), -2);
    EXPECT_EQ(Numbers::toInt16(32767.4), 32767);
    EXPECT_EQ(Numbers::toInt16(-32768.5), -32768);
    EXPECT_THROW(Numbers::toInt16(32767.5), RuntimeFailure);
    EXPECT_THROW(Numbers::toInt16(-32769), RuntimeFailure);
    EXPECT_EQ(Numbers::toInt32(2147483647.4), 2147483647);
    EXPECT_THROW(Numbers::toInt32(2147483647.5), RuntimeFailure);
    EXPECT_THROW(Numbers::toInt32(1.0 / 0.0), RuntimeFailure);
    EXPECT_THROW(Numbers::toInt32(std::nan("")), RuntimeFailure);
}

TEST(Numbers, RemainderRoundsFirstAndKeepsTheSignOfTheLeftOperand) {
    EXPECT_EQ(Numbers::mod(7, 3), 1);
    EXPECT_EQ(Numbers::mod(-7, 3), -1);
    EXPECT_EQ(Numbers::mod(7, -3), 1);
    EXPECT_EQ(Numbers::mod(7.5, 2), 0);  // 8 Mod 2
    EXPECT_EQ(Numbers::mod(6.5, 4), 2);  // 6 Mod 4
    EXPECT_EQ(Numbers::mod(-2147483648.0, -1), 0);
    EXPECT_THROW(Numbers::mod(5, 0.4), RuntimeFailure);
    EXPECT_THROW(Numbers::mod(3e9, 255), RuntimeFailure);
}

TEST(Numbers, IntDropsTheFractionDownwardsAndDivisionChecksItsResult) {
    EXPECT_EQ(Numbers::intFloor(1.9), 1);
    EXPECT_EQ(Numbers::intFloor(-1.5), -2);
    EXPECT_DOUBLE_EQ(Numbers::divide(1.25, 0.8), 1.5625);
    EXPECT_THROW(Numbers::divide(1, 0), RuntimeFailure);
    EXPECT_THROW(Numbers::divide(1e308, 1e-308), RuntimeFailure);
    EXPECT_FLOAT_EQ(Numbers::toSingle(0.015), 0.015f);
    EXPECT_THROW(Numbers::toSingle(1e39), RuntimeFailure);
}

TEST(Clock, ElapsedTimeCountsMinutesAndSecondsAcrossMidnight) {
    EXPECT_EQ(Clock::elapsedBetween(10, 75.4f).minutes, 1);
    EXPECT_EQ(Clock::elapsedBetween(10, 75.4f).seconds, 5);
    const Clock::Elapsed overMidnight = Clock::elapsedBetween(86390, 10);
    EXPECT_EQ(overMidnight.minutes, 0);
    EXPECT_EQ(overMidnight.seconds, 20);
    const Clock::Elapsed almostTwoMinutes = Clock::elapsedBetween(0, 119.6f);
    EXPECT_EQ(almostTwoMinutes.minutes, 2);
    EXPECT_EQ(almostTwoMinutes.seconds, 0);
    const float now = Clock::secondsSinceMidnight();
    EXPECT_GE(now, 0);
    EXPECT_LT(now, 86400);
}

TEST(Random, RepeatsItsSequenceFromTheSameSeedAndStaysInTheUnitInterval) {
    Random::seed(42);
    std::vector<double> first;
    for (int i = 0; i < 1000; ++i) {
        first.push_back(Random::next());
        ASSERT_GE(first.back(), 0.0);
        ASSERT_LT(first.back(), 1.0);
    }
    Random::seed(42);
    for (double value : first) {
        EXPECT_EQ(Random::next(), value);
    }
    // Whole numbers 1..10 drawn as Int(Rnd * 10) + 1 cover every value.
    std::vector<int> seen(11, 0);
    for (int i = 0; i < 1000; ++i) {
        ++seen[static_cast<int>(Numbers::intFloor(Random::next() * 10)) + 1];
    }
    EXPECT_EQ(seen[0], 0);
    for (int value = 1; value <= 10; ++value) {
        EXPECT_GT(seen[value], 50) << value;
    }
}

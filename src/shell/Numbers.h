#pragma once

#include <cstdint>

// The whole-number and floating rules the drawings rely on. Conversions round half
// to even and fail (RuntimeFailure) when the result does not fit.
namespace Numbers {

std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// Whole-number remainder: both operands are first rounded to 32-bit whole numbers;
// the result has the sign of the left operand. A zero divisor fails.
std::int32_t mod(double left, double right);

// Drops the fraction downwards (Int(-1.5) = -2).
double intFloor(double value);

// Floating division that fails on a zero divisor or a result that is not finite.
double divide(double numerator, double denominator);

// Fails when a computed value has left the double range (overflow to infinity, NaN).
double finite(double value);

// Rounds to single precision, failing where the value does not fit.
float toSingle(double value);

}  // namespace Numbers

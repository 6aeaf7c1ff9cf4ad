#include "Numbers.h"

#include <cfloat>
#include <climits>
#include <cmath>

#include "RuntimeFailure.h"

namespace Numbers {
namespace {

// Round half to even (the default floating rounding mode), failing outside [low, high].
double roundedWithin(double value, double low, double high) {
    if (!std::isfinite(value)) {
        throw RuntimeFailure("overflow");
    }
    const double rounded = std::nearbyint(value);
    if (rounded < low || rounded > high) {
        throw RuntimeFailure("overflow");
    }
    return rounded;
}

}  // namespace

std::int16_t toInt16(double value) {
    return static_cast<std::int16_t>(roundedWithin(value, INT16_MIN, INT16_MAX));
}

std::int32_t toInt32(double value) {
    return static_cast<std::int32_t>(roundedWithin(value, INT32_MIN, INT32_MAX));
}

std::int32_t mod(double left, double right) {
    const std::int32_t a = toInt32(left);
    const std::int32_t b = toInt32(right);
    if (b == 0) {
        throw RuntimeFailure("division by zero");
    }
    if (b == -1) {
        return 0;  // INT32_MIN % -1 would trap
    }
    return a % b;
}

double intFloor(double value) {
    return std::floor(value);
}

double divide(double numerator, double denominator) {
    if (denominator == 0) {
        throw RuntimeFailure("division by zero");
    }
    return finite(numerator / denominator);
}

double finite(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeFailure("overflow");
    }
    return value;
}

float toSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) {
        throw RuntimeFailure("overflow");
    }
    return static_cast<float>(value);
}

}  // namespace Numbers

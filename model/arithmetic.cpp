#include "model/arithmetic.h"

#include <cfenv>
#include <cmath>
#include <limits>
#include <numbers>

std::int64_t Round(double value)
{
    // 2^63 is the first double outside the int64 range.
    constexpr double limit = 9223372036854775808.0;
    if (!std::isfinite(value) || value >= limit || value < -limit)
        throw ArithmeticFault("invalid floating point operation");
    // llrint honours the current rounding mode, which is round-to-nearest-even
    // unless someone changed it; guard against that rather than trust it.
    if (std::fegetround() != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    return std::llrint(value);
}

std::int32_t ToInt32(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw ArithmeticFault("integer overflow");
    return static_cast<std::int32_t>(value);
}

double DegToRad(double degrees)
{
    return degrees * (std::numbers::pi / 180.0);
}

double RadToDeg(double radians)
{
    return radians * (180.0 / std::numbers::pi);
}

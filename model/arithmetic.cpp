// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/arithmetic.h"

#include <cmath>
#include <limits>
#include <numbers>

void ThrowInvalidOperation()
{
    throw ArithmeticFault("invalid floating point operation");
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

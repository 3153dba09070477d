// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

// The body arithmetic reports faults (a NaN, an infinity, a value too large
// for its integer) by throwing ArithmeticFault; the operations that are
// allowed to fail catch it and answer false. Plain C++ would instead carry
// on with undefined behaviour, so every conversion to an integer goes
// through the checked helpers below.
class ArithmeticFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void ThrowInvalidOperation();

// Round to the nearest integer, halves to the even neighbour (llrint in the
// default rounding mode, which nothing in the program changes).
inline std::int64_t Round(double value)
{
    // 2^63 is the first double outside the int64 range; NaN fails both tests.
    constexpr double limit = 9223372036854775808.0;
    if (!(value < limit && value >= -limit))
        ThrowInvalidOperation();
    return std::llrint(value);
}

// Narrow a 64-bit result into a 32-bit field, faulting when it does not fit.
std::int32_t ToInt32(std::int64_t value);

// Midpoint of two integers, rounded toward the first.
constexpr int Mid(int a, int b)
{
    return a + (b - a) / 2;
}

double DegToRad(double degrees);
double RadToDeg(double radians);

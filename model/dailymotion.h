// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How fast each body's true geocentric longitude can move: the largest
// change between two instants 24 hours apart over every day from 1600 to
// 2600 (tools/dailymotion.cpp), raised by a tenth and rounded up. The
// alignment finder skips the days these bounds prove unaligned, and the
// trusted years weigh ΔT's uncertainty with them.

#include "model/catalogue.h"

#include <array>

namespace truesky {

// Degrees a day, by Body; the Earth's is the Sun's geocentric motion.
// Measured: 2.2036 (Mercury), 1.2589, 1.0201 (the Sun), 0.7917, 0.2429,
// 0.1307, 0.0633, 0.0381, 0.0405 (Pluto) and 15.3916 (the Moon).
inline constexpr std::array<double, 10> DailyMotionBounds{
    2.43, 1.39, 1.13, 0.88, 0.27, 0.144, 0.070, 0.042, 0.045, 16.94,
};

constexpr double DailyMotionBound(Body body)
{
    return DailyMotionBounds[static_cast<std::size_t>(body)];
}

// Degrees a day, by Body, that the apparent direction can turn through on
// the sky, the Earth's being the Sun's: the largest angle between the
// directions of two instants 24 hours apart over every day from 1600 to
// 2600 (tools/dailymotion.cpp --sky), raised by a tenth and rounded up. Two
// directions cannot close faster than the sum of their bounds, and an angle
// from the Sun cannot change faster than the body's bound and the Sun's.
// Measured: 2.2089 (Mercury), 1.2603, 1.0201 (the Sun), 0.7915, 0.2429,
// 0.1308, 0.0646, 0.0421, 0.0391 (Pluto) and 15.3350 (the Moon). Neptune's
// is its motion along the ecliptic and the Sun's deflection of its light
// changing as it passed behind the Sun.
inline constexpr std::array<double, 10> SkyMotionBounds{
    2.43, 1.39, 1.13, 0.88, 0.27, 0.144, 0.072, 0.047, 0.044, 16.87,
};

constexpr double SkyMotionBound(Body body)
{
    return SkyMotionBounds[static_cast<std::size_t>(body)];
}

} // namespace truesky

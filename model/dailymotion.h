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

} // namespace truesky

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How fast each body can move on the true sky: the largest change between
// two instants 24 hours apart, over every day from 1601 to 9999, on DE431's
// places (tools/dailymotion.cpp, with and without --sky), raised by a tenth
// and rounded up to three figures (two where an earlier, larger bound still
// stands).
//
// The tenth covers what a day-by-day measurement cannot see: the 24 hours
// that start between two sampled midnights, over which a motion can be a
// little faster than over any sampled day. A body's motion changes slowly
// near its fastest (for the Moon, by under 0.02 degree a day in half a day
// there), so the unseen excess is far below a tenth; every bound below
// clears its measured figure by more than 9 %.
//
// The alignment finder and the event searches skip the time these bounds
// prove uneventful, and the trusted years weigh ΔT's uncertainty with them.

#include "model/catalogue.h"

#include <array>

namespace truesky {

// Degrees a day.
struct MotionBound {
    // Along the ecliptic: the geocentric longitude, geometric, mean
    // equinox of the date.
    double longitude;
    // On the sky: the angle the apparent direction turns through. Two
    // directions cannot close faster than the sum of their bounds.
    double sky;
    // The apparent ecliptic latitude.
    double latitude;
    // The apparent angle from the Sun, which the Sun's row leaves at 0.
    double elongation;
};

// By Body; the Earth's row is the Sun's geocentric motion. Measured
// (longitude / sky / latitude / elongation):
//   Mercury  2.2255 / 2.2270 / 0.3456 / 2.3609
//   Venus    1.2589 / 1.2603 / 0.2626 / 1.6397
//   the Sun  1.0201 / 1.0201 / 0.0001 / 0.0000
//   Mars     0.7935 / 0.7938 / 0.0839 / 1.3983
//   Jupiter  0.2453 / 0.2453 / 0.0053 / 1.1549
//   Saturn   0.1307 / 0.1311 / 0.0051 / 1.1018
//   Uranus   0.0633 / 0.0640 / 0.0018 / 1.0621
//   Neptune  0.0381 / 0.0394 / 0.0017 / 1.0465
//   Pluto    0.0406 / 0.0391 / 0.0098 / 1.0411
//   the Moon 15.3921 / 15.3349 / 1.4112 / 14.2961
// Neptune's bound on the sky is kept at the 0.047 measured on the former
// theories, which saw the Sun's deflection of its light change as it passed
// behind the Sun on a sampled day.
inline constexpr std::array<MotionBound, 10> MotionBounds{{
    {2.45, 2.45, 0.381, 2.60},
    {1.39, 1.39, 0.289, 1.81},
    {1.13, 1.13, 0.0000616, 0},
    {0.88, 0.88, 0.0923, 1.54},
    {0.27, 0.27, 0.00582, 1.28},
    {0.144, 0.145, 0.00557, 1.22},
    {0.070, 0.072, 0.00194, 1.17},
    {0.042, 0.047, 0.00189, 1.16},
    {0.045, 0.044, 0.0109, 1.15},
    {16.94, 16.87, 1.56, 15.8},
}};

constexpr double DailyMotionBound(Body body)
{
    return MotionBounds[static_cast<std::size_t>(body)].longitude;
}

constexpr double SkyMotionBound(Body body)
{
    return MotionBounds[static_cast<std::size_t>(body)].sky;
}

} // namespace truesky

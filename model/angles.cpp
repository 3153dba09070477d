// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/angles.h"

#include <cmath>

Quadrant QuadrantOf(double a)
{
    if (a <= 90)
        return {+1, -1, 90 - a};
    if (a <= 180)
        return {+1, +1, a - 90};
    if (a <= 270)
        return {-1, +1, 270 - a};
    return {-1, -1, a - 270};
}

namespace {

// fmod(d, 360) for d >= 0, without fmod's slow general loop. Below 2^44 the
// quotient times 360 is exact and so is d less it (both are multiples of d's
// spacing), so the remainder is exact once a quotient one too large or too
// small is corrected.
double Remainder360(double d)
{
    if (d < 360)
        return d;
    if (d >= 17592186044416.0) // 2^44
        return std::fmod(d, 360.0);
    // A multiplication estimates the quotient as well as a division would:
    // either may be one out, which the corrections below put right.
    const double q = std::floor(d * (1.0 / 360));
    double r = d - 360 * q;
    if (r < 0)
        r += 360;
    else if (r >= 360)
        r -= 360;
    return r;
}

} // namespace

double NormaliseLongitude(double d)
{
    // Subtracting or adding 360 is exact for every value below 2^56 (360 is a
    // multiple of their spacing), so the repeated steps land exactly on the
    // remainder. Only the last addition for a negative value can round, and
    // 360 less the remainder of -d performs that very addition.
    if (d > 360)
        d = Remainder360(d); // 720 gives 0, as the loop does
    if (d < 0)
        d = 360.0 - Remainder360(-d); // -360 gives 360, as the loop does
    return d;
}

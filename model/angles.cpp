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

double NormaliseLongitude(double d)
{
    // Subtracting or adding 360 is exact for every value below 2^56 (360 is a
    // multiple of their spacing), so the repeated steps land exactly where
    // fmod does. Only the last addition for a negative value can round, and
    // fmod + 360 performs that very addition.
    if (d > 360)
        d = std::fmod(d, 360.0); // 720 gives 0, as the loop does
    if (d < 0)
        d = std::fmod(d, 360.0) + 360.0; // -360 gives 360, as the loop does
    return d;
}

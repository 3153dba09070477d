// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Screen angles: 0 points up, 90 right, 180 down, 270 left, growing
// clockwise. Every placement on a view splits an angle into a quadrant with
// the signs of its horizontal and vertical offsets and the angle measured
// from the horizontal.
struct Quadrant {
    int xSign;      // +1 right of the centre, -1 left
    int ySign;      // +1 below the centre, -1 above
    double reduced; // angle from the horizontal, 0 to 90 degrees
};

// a <= 90, a <= 180, a <= 270, otherwise: tested in that order.
Quadrant QuadrantOf(double angle);

// Brings a longitude into [0, 360] exactly as "subtract 360 while above 360"
// followed by "add 360 while below 0" would, but in constant time: a value of
// exactly 360 stays 360, and a negative multiple of 360 ends at 360.
double NormaliseLongitude(double degrees);

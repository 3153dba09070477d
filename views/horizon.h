// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The horizon line: two rays from the Earth's picture that bound the part of
// the sky a person at a latitude sees at an hour of the night, turned
// towards each other or apart with the length of the night, and the little
// marker at the person's zenith.

#include "model/geometry.h"

#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>

// 1 to 11 am give 1 to 11, noon 12, 1 to 11 pm 13 to 23, midnight 24 (the
// end of the status date).
int ClockHour(int hour, const QString &label);

// The night-length offset in degrees for the status date's calendar day and
// time of day: positive in the summer half, negative in the winter half,
// growing with the latitude. Empty when the latitude is past 90.
std::optional<double> NightShift(std::chrono::year_month_day day, double timeOfDay, int latitude);

struct HorizonAngles {
    double base;   // P: at right angles to the zenith
    double shift;  // g
    double ray1;   // theta1
    double ray2;   // theta2
    double zenith; // M
};

struct HorizonInputs {
    double earthLongitude;       // E, the Earth's display angle
    std::int32_t hemisphereSign; // H
    std::chrono::year_month_day day;
    double timeOfDay;
    int latitude;       // L
    int hour;           // n, 1 to 12
    QString label;      // "am", "pm", "noon" or "mdnt"
    int daylightSaving; // D, 0 or 1
};

// Empty when the horizon cannot be computed (a latitude past 90).
std::optional<HorizonAngles> ComputeHorizon(const HorizonInputs &in);

// Where the ray from the Earth's centre in direction theta crosses the left
// or right edge of a picture `picture` wide and high. A ray straight up or
// down ends just beyond the top or bottom edge above or below the Earth.
// Throws ArithmeticFault when a near-vertical ray ends beyond any integer.
struct FarPoint {
    std::int64_t x;
    std::int64_t y;
    friend bool operator==(const FarPoint &, const FarPoint &) = default;
};
FarPoint HorizonRayEnd(double theta, Point earth, Size picture);

// The marker's centre, 12 pixels from the Earth's centre towards the zenith.
Point PersonMarkerCentre(double zenith, Point earth);

// The night-time hour's label after the hour moved from `previous` to `h`
// (1 to 12), and whether the status date moves a day: passing midnight
// forwards moves it on, backwards moves it back.
struct HourChange {
    QString label;
    int dateMove; // -1, 0 or +1
};
HourChange NextHourLabel(int h, int previous, const QString &label);

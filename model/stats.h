// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of one body's column in the statistics table.

#include "model/planet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The user's separators: the decimal separator of numbers and the separator
// of hours and minutes.
struct NumberStyle {
    std::string decimalSeparator = ".";
    std::string timeSeparator = ":";
};

// The shortest decimal form with at most 15 significant digits and no
// trailing zeros: 346, 341.9, 0.387, 27.321661.
std::string GeneralFormat(double value, const NumberStyle &style);

// Rows 0 to 7 of a body's column: name, heliocentric angle, geocentric angle,
// right ascension, mass, mean distance, period in days and in years. The
// northern figures are mirrored back, so both hemispheres read alike. On an
// arithmetic fault the rows worked out so far are returned, fewer than 8.
//
// With the true sky's figures of the body, the geocentric angle is its true
// geocentric longitude to whole degrees and the right ascension the true one
// to the minute, both alike in either hemisphere.
struct TrueFigures {
    double geocentricLongitude; // degrees
    double rightAscension;      // degrees
};
std::vector<std::string> StatsColumnTexts(const TPlanet &body, std::int32_t hemisphereSign,
                                          const NumberStyle &style,
                                          const std::optional<TrueFigures> &sky = {});

inline const char *const StatsRowHeadings[] = {
    "Heliocentric angle",          "Geocentric angle",
    "Right ascension (hr:min)",    "Mass ( x Earth )",
    "Mean distance from Sun (au)", "Orbital period (Earth days)",
    "Orbital period (Earth years)"};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The years over which each body's true place can be trusted to a tenth of
// a degree: those the ephemeris files on this machine hold a place for
// (model/ephemerisfiles.h), narrowed where the uncertainty of ΔT moves the
// body by more than that.

#include "model/catalogue.h"

#include <vector>

namespace truesky {

// The tenth of a degree the spans promise.
inline constexpr double TrustedDegrees = 0.1;

struct YearSpan {
    int first;
    int last;
    bool contains(int year) const { return year >= first && year <= last; }
};

// Every body; the Earth's span holds for the Sun's direction as well.
YearSpan ReliableYears(Body body);

// The bodies whose true place a year lies outside the span of, in the
// catalogue's order.
std::vector<Body> BodiesBeyondTheirYears(int year);

} // namespace truesky

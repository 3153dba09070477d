// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sky as the event search sees it, in two grades:
// - rough: cheap directions whose angle from the exact ones is bounded and
//   measured, for stepping through the years;
// - exact: the apparent directions of the true sky (model/truesky.h), for
//   each event found.
// Both are geocentric unit vectors on the mean ecliptic and equinox of the
// date, by Body, the Sun's in the Earth's place, at instants in universal
// time.

#include "model/skyevents.h"
#include "model/truesky.h"

#include <array>

namespace skyevents {

using Direction = truesky::Direction;
using SkyDirections = std::array<Direction, 10>;

// The Earth's bit stands for the Sun.
inline constexpr Bodies SunBit = BodyBit(Body::Earth);

// The bodies whose bits are set, into their slots. The exact directions
// are worked out from the places given: the ephemeris' own, or a table of
// them (model/placetable.h).
void RoughDirections(Bodies bodies, double julianDay, SkyDirections &out);
void ExactDirections(Bodies bodies, double julianDay, SkyDirections &out,
                     const truesky::Places &places);

// The most a rough direction can be from the exact one near an instant,
// degrees.
double RoughError(Body body, double julianDay);

// Angles between directions and along the ecliptic, degrees.
double Separation(const Direction &a, const Direction &b);
double Longitude(const Direction &d);

} // namespace skyevents

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A cheap sky, good to a known fraction of a degree, for searches that must
// step through centuries: they bracket an event on this sky, then find it
// on the true one (model/truesky.h).
//
// - the planets and the Earth–Moon barycentre: E. M. Standish's Keplerian
//   elements and their rates for 3000 BC to 3000 AD ("Keplerian Elements
//   for Approximate Positions of the Major Planets", JPL), with the extra
//   terms of the mean anomaly for Jupiter to Pluto, on the ecliptic and
//   equinox of J2000, their mean longitudes corrected beyond 3000;
// - the Moon: the abridged ELP 2000-82 of Meeus, "Astronomical Algorithms"
//   (2nd ed.), chapter 47, on the mean ecliptic and equinox of the date;
// - the Earth: the barycentre less the Moon's share of their distance.
//
// The heliocentric places are carried to the mean ecliptic and equinox of
// the date by ERFA's long-term precession, as the true sky does. Every
// place is geometric: no light time, aberration or nutation. ErrorBound()
// says how far these directions can stray from the true sky's apparent
// ones (truesky::ApparentDirections); it was measured, century by century,
// by tools/roughsky.cpp. In 2000-2099 the bound is 0.0052° for the Moon,
// 0.022° to 0.058° for the Sun, Mercury and Venus, and 0.067° (Pluto) to
// 0.48° (Saturn) for the rest. It grows away from 2000, fastest beyond
// 3000, past the span the elements were fitted to, where the planets' mean
// longitudes are corrected to DE431 (tools/roughfit.cpp): in 9900-9999 it
// is 0.088° for Neptune, 0.49° for Uranus, 1.1° for Pluto, and 1.5° to
// 1.9° for Venus, Mars, Jupiter and Saturn.
//
// Plain C++, no shared state: callable from any thread.

#include "model/catalogue.h"

#include <array>
#include <cstdint>

namespace roughsky {

// A unit vector: x towards the mean equinox of the date, z towards the
// north pole of the mean ecliptic of the date.
using Direction = std::array<double, 3>;

// Geocentric directions at terrestrial time `tt` (a Julian day) of the
// bodies whose bits are set in `bodies`, bit i for static_cast<Body>(i);
// the Earth's bit, 1 << 2, asks for the Sun. Slots not asked for are left
// untouched. The precession to the date is worked out once a call.
void Directions(std::uint16_t bodies, double tt, std::array<Direction, 10> &out);

// A planet's heliocentric place, or the Earth's, au, on the ecliptic and
// equinox of J2000, at terrestrial time `tt`: the orbit of the elements,
// the Earth's taken from the barycentre's with the Moon's place below.
// Body::Mercury to Body::Pluto, the Earth included.
std::array<double, 3> Heliocentric(Body planet, double tt);

// The correction to a planet's mean longitude that carries its elements
// past 3000, degrees, at a Julian epoch of terrestrial time; 0 before 3000.
// Body::Mercury to Body::Pluto, the Earth's for the barycentre.
double LongitudeCorrection(Body planet, double epoch);

// The largest angle, degrees, between Directions() and the true sky's
// apparent direction for this body (the Sun for Body::Earth) in the
// century that holds `year`, 1601 to 9999, with a margin: how far a search
// may trust the rough sky. The year is the Julian epoch of terrestrial
// time, 2000 + (tt - 2451545) / 365.25; within a quarter of a year of a
// century's end the larger of the two centuries' bounds is given, so a
// calendar year, or universal time, serves as well. Years beyond the ends
// take the nearest century's.
double ErrorBound(Body body, double year);

// The Moon's geocentric place on the mean ecliptic and equinox of the
// date, as Meeus' chapter 47 gives it.
struct LunarPlace {
    double longitude; // degrees, [0, 360)
    double latitude;  // degrees
    double distance;  // kilometres, centre to centre
};
LunarPlace Moon(double tt);

} // namespace roughsky

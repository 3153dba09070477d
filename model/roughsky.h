#pragma once

// A cheap sky, good to a known fraction of a degree, for searches that must
// step through centuries: they bracket an event on this sky, then find it
// on the true one (model/truesky.h).
//
// - the planets and the Earth–Moon barycentre: E. M. Standish's Keplerian
//   elements and their rates for 3000 BC to 3000 AD ("Keplerian Elements
//   for Approximate Positions of the Major Planets", JPL), with the extra
//   terms of the mean anomaly for Jupiter to Pluto, on the ecliptic and
//   equinox of J2000;
// - the Moon: the abridged ELP 2000-82 of Meeus, "Astronomical Algorithms"
//   (2nd ed.), chapter 47, on the mean ecliptic and equinox of the date;
// - the Earth: the barycentre less the Moon's share of their distance.
//
// The heliocentric places are carried to the mean ecliptic and equinox of
// the date by ERFA's long-term precession, as the true sky does. Every
// place is geometric: no light time, aberration or nutation. ErrorBound()
// says how far these directions can stray from the true sky's apparent
// ones (truesky::ApparentDirections); it was measured, century by century,
// by tools/roughsky.cpp.
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

// The Moon's geocentric place on the mean ecliptic and equinox of the
// date, as Meeus' chapter 47 gives it.
struct LunarPlace {
    double longitude; // degrees, [0, 360)
    double latitude;  // degrees
    double distance;  // kilometres, centre to centre
};
LunarPlace Moon(double tt);

} // namespace roughsky

#pragma once

// The real sky from a planetary theory (libnova: VSOP87 for the planets,
// ELP 2000-82B for the Moon, Meeus' series for Pluto). Every angle is in
// degrees in [0, 360), on the ecliptic and equinox of the date. Instants are
// Julian days in universal time.
//
// libnova keeps the last result of each theory in static storage, so its
// calls are serialised here: these functions may be called from any thread.

#include "model/catalogue.h"

#include <array>

namespace truesky {

// The Julian day of 1 January 2002, 0 h universal time.
inline constexpr double EpochJulianDay = 2452275.5;

// Seen from the Sun: every planet, the Earth included (not the Moon).
double HeliocentricLongitude(Body planet, double julianDay);

// Seen from the centre of the Earth: every body but the Earth. Geometric:
// the planets' places at the instant itself, without light time.
double GeocentricLongitude(Body body, double julianDay);

// The same direction as GeocentricLongitude, with its right ascension.
struct Direction {
    double longitude;      // ecliptic, degrees
    double rightAscension; // degrees
};
Direction GeocentricDirection(Body body, double julianDay);

// Everything the scene needs for one instant, worked out together: the
// Earth's place is computed once for all nine planets.
struct Sky {
    std::array<double, 10> heliocentric{}; // by Body; the Moon's stays 0
    std::array<double, 10> geocentric{};   // by Body; the Earth's stays 0
};
Sky SkyAt(double julianDay);

// The geocentric longitudes of the chosen bodies alone (not the Earth), in
// their order, into `out`: the alignment finder's day. The Earth's place is
// worked out once for all of them.
void GeocentricLongitudes(const Body *bodies, std::size_t count, double julianDay, double *out);

} // namespace truesky

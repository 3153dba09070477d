// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The real sky from JPL's DE431 ephemeris, as the Swiss Ephemeris reads it
// from its files (model/ephemerisfiles.h): geometric vectors of every body,
// Pluto's system included, on DE431's own axes, the ICRS, at the program's
// own terrestrial time. Everything else is ERFA's, the same way for every
// body: light time, the Sun's deflection of light, aberration, the long-term
// precession and the nutation that bring each place to the ecliptic and
// equinox of the date.
//
// Two kinds of place:
// - geometric, mean ecliptic and equinox of the date: where a body is at the
//   instant itself. The views, the alignment finder and every search take
//   these; they differ from the apparent places by 0.022° at most
//   (Mercury; the Moon 0.006°);
// - apparent, true ecliptic and equator of the date: as an almanac prints
//   them, with light time, the Sun's light deflection, aberration and
//   nutation, right ascension from the true equator. The Stats page shows
//   these.
//
// Angles are in degrees, longitudes and right ascensions in [0, 360).
// Instants are Julian days in universal time (UT1); the ephemeris runs on
// terrestrial time, TT = UT + ΔT (model/deltat.h), the program's own ΔT,
// never the library's.
//
// The library keeps its working state per thread: these functions may be
// called from any thread, and run on all of them at once. Where the files
// hold no place for an instant, a place is not a number.

#include "model/catalogue.h"

#include <array>

namespace truesky {

// The Julian day of 1 January 2002, 0 h universal time.
inline constexpr double EpochJulianDay = 2452275.5;

// One instant on both clocks, as Julian days.
struct Instant {
    double ut; // universal time
    double tt; // terrestrial time, the theories' uniform time
};
Instant AtUniversalTime(double julianDay);
Instant AtTerrestrialTime(double julianDay);

// Seen from the Sun: every planet, the Earth included (not the Moon).
// Geometric, mean ecliptic and equinox of the date.
double HeliocentricLongitude(Body planet, double julianDay);

// Seen from the centre of the Earth: every body but the Earth. Geometric,
// mean ecliptic and equinox of the date.
double GeocentricLongitude(Body body, double julianDay);

// An apparent geocentric place.
struct Place {
    double longitude;      // true ecliptic of the date
    double latitude;       //
    double rightAscension; // true equator and equinox of the date
    double declination;    //
    double distance;       // from the Earth's centre, au
};
// Every body but the Earth.
Place ApparentPlace(Body body, Instant when);

// An astrometric geocentric place, as JPL's tables and the almanacs' give
// it: the body where the light that reaches the Earth's centre at the
// instant left it, on the ICRS's axes, with neither aberration nor the
// Sun's deflection of the light, so that no model of precession enters it.
// The Sun's for Body::Earth.
struct Equatorial {
    double rightAscension; // degrees
    double declination;
};
Equatorial AstrometricPlace(Body body, Instant when);
Place ApparentSun(Instant when);
// Every body's at once, by Body, the Sun's in the Earth's place: the
// Earth's motion and the rotation to the date are worked out once.
std::array<Place, 10> ApparentSkyAt(Instant when);

// The apparent directions of the chosen bodies (the Sun's for Body::Earth),
// as unit vectors on the mean ecliptic and equinox of the date: the
// apparent places without nutation, which turns every direction alike
// about the ecliptic's pole and so changes no separation, no angle from the
// Sun and no difference of longitudes. For searches.
using Direction = std::array<double, 3>;
void ApparentDirections(const Body *bodies, std::size_t count, Instant when, Direction *out);

// The geometric places that apparent directions are worked out from, au,
// on the ecliptic and equinox of J2000, at terrestrial times: the
// ephemeris' own, or a stand-in that follows it closely
// (model/placetable.h). Must be callable from any thread.
using Position = std::array<double, 3>;
class Places {
public:
    virtual ~Places() = default;
    // Heliocentric, of a planet or the Earth.
    virtual Position Heliocentric(Body planet, double tt) const = 0;
    // Geocentric, of the Moon, as the apparent directions need it.
    virtual Position Lunar(double tt) const = 0;
};
const Places &EphemerisPlaces();
void ApparentDirections(const Body *bodies, std::size_t count, Instant when, Direction *out,
                        const Places &places);

// Everything the scene needs for one instant, worked out together: the
// Earth's place is computed once for all nine planets. Geometric, mean
// ecliptic and equinox of the date.
struct Sky {
    std::array<double, 10> heliocentric{}; // by Body; the Moon's stays 0
    std::array<double, 10> geocentric{};   // by Body; the Earth's stays 0
};
Sky SkyAt(double julianDay);

// The geocentric longitudes of the chosen bodies alone (not the Earth), in
// their order, into `out`: the alignment finder's day. Geometric, mean
// ecliptic and equinox of the date, as GeocentricLongitude.
void GeocentricLongitudes(const Body *bodies, std::size_t count, double julianDay, double *out);

} // namespace truesky

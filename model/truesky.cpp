// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/truesky.h"

#include "model/deltat.h"
#include "model/ephemerisfiles.h"

#include <erfa.h>
#include <erfam.h>
#include <swephexp.h>

#include <cmath>
#include <limits>

namespace truesky {

namespace {

// The step of the difference that gives the Earth's velocity, days. Taken
// backwards from the instant, it gives the velocity half a step earlier:
// 0.009 % off, which moves the aberration by 0.002".
constexpr double VelocityStep = 0.01;

// ERFA's limiter of the Sun's light deflection (its eraLdsun's at 1 au):
// it keeps the deflection finite for light that would pass through the
// Sun's disk.
constexpr double DeflectionLimit = 1e-6;

// The light time of the Moon's mean distance, days. The Moon's true
// distance is within 7 % of it, and the Moon moves less than 0.00002° in
// that difference of light time.
constexpr double LunarLightTime = 384400.0 / 299792.458 / 86400;

struct Vector {
    double p[3];
};

struct Matrix {
    double r[3][3];
};

// ERFA takes its arguments as plain arrays, so these take copies.
Vector Rotated(Matrix m, Vector v)
{
    Vector out;
    eraRxp(m.r, v.p, out.p);
    return out;
}

Vector Minus(const Vector &a, const Vector &b)
{
    return {{a.p[0] - b.p[0], a.p[1] - b.p[1], a.p[2] - b.p[2]}};
}

Vector Plus(const Vector &a, const Vector &b)
{
    return {{a.p[0] + b.p[0], a.p[1] + b.p[1], a.p[2] + b.p[2]}};
}

double Length(Vector v)
{
    return eraPm(v.p);
}

Vector Unit(Vector v)
{
    Vector u;
    double length = 0;
    eraPn(v.p, &length, u.p);
    return u;
}

double Degrees(double radians)
{
    return radians * ERFA_DR2D;
}

// Longitude in [0, 360) and latitude of a vector, degrees.
std::array<double, 2> Spherical(Vector v)
{
    double theta = 0, phi = 0;
    eraC2s(v.p, &theta, &phi);
    return {Degrees(eraAnp(theta)), Degrees(phi)};
}

double Longitude(const Vector &v)
{
    return Spherical(v)[0];
}

// The Julian epoch of a terrestrial-time Julian day, for ERFA's long-term
// precession.
double Epoch(double tt)
{
    return eraEpj(tt, 0);
}

// The ecliptic of J2000's axes from the ICRS's, and back.
const Matrix &EclipticOfJ2000()
{
    static const Matrix m = [] {
        Matrix toEcliptic;
        eraLtecm(2000.0, toEcliptic.r);
        return toEcliptic;
    }();
    return m;
}

const Matrix &EquatorialOfJ2000()
{
    static const Matrix m = [] {
        Matrix toEcliptic = EclipticOfJ2000(), fromEcliptic;
        eraTr(toEcliptic.r, fromEcliptic.r);
        return fromEcliptic;
    }();
    return m;
}

// From the ecliptic of J2000 to the mean ecliptic and equinox of the date,
// by the long-term precession (Vondrák, Capitaine and Wallace 2011), which
// agrees with the IAU 2006 model over the centuries near 2000 and stays good
// across the calendar's whole span, 1601 to 9999.
Matrix EclipticOfDate(double tt)
{
    Matrix toDate, fromJ2000 = EquatorialOfJ2000(), product;
    eraLtecm(Epoch(tt), toDate.r);
    eraRxr(toDate.r, fromJ2000.r, product.r);
    return product;
}

// A geometric place from the ephemeris, ecliptic of J2000, au: no light
// time, no aberration, no deflection, on DE431's own axes (the ICRS) and
// turned by ERFA. Where the library has no place, not a number, so that no
// zeros pass for one.
Vector FromEphemeris(Body body, double tt, bool heliocentric)
{
    double place[6] = {};
    char error[AS_MAXCH] = "";
    const int32 flags = SEFLG_SWIEPH | SEFLG_J2000 | SEFLG_ICRS | SEFLG_EQUATORIAL | SEFLG_XYZ |
                        SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL |
                        (heliocentric ? SEFLG_HELCTR : 0);
    if (ephemeris::Calc(tt, body, flags, place, error) < 0) {
        const double nothing = std::numeric_limits<double>::quiet_NaN();
        return {{nothing, nothing, nothing}};
    }
    return Rotated(EclipticOfJ2000(), {{place[0], place[1], place[2]}});
}

// A heliocentric place of J2000, au.
Vector Heliocentric(Body planet, double tt)
{
    return FromEphemeris(planet, tt, true);
}

// The Moon's geocentric place of J2000, au.
Vector Lunar(double tt)
{
    return FromEphemeris(Body::Moon, tt, false);
}

// A geometric geocentric place of J2000, with the Earth's heliocentric one
// already known.
Vector Geocentric(Body body, double tt, const Vector &earth)
{
    if (body == Body::Moon)
        return Lunar(tt);
    return Minus(Heliocentric(body, tt), earth);
}

// The Sun, the planets and the Moon, as the apparent place needs them.
enum class Target { Sun, Moon, Planet };

// Everything an apparent place needs of one instant: the Earth's place and
// velocity, and the rotation to the equator of the date.
struct Observer {
    Vector earth;    // heliocentric, ecliptic of J2000, au
    Vector velocity; // of the Earth, ecliptic of J2000, au a day
    Matrix toEquator;
    double obliquity; // radians
};

// The equator of the date is the true one with nutation, the mean one
// without. Nutation turns every direction alike about the ecliptic's pole:
// it changes no separation, no angle from the Sun and no difference of
// longitudes.
enum class Nutation { Included, LeftOut };

Vector FromPosition(const Position &p)
{
    return {{p[0], p[1], p[2]}};
}

// The ephemeris' own places.
class EphemerisItself final : public Places {
public:
    Position Heliocentric(Body planet, double tt) const override
    {
        const Vector v = truesky::Heliocentric(planet, tt);
        return {v.p[0], v.p[1], v.p[2]};
    }
    Position Lunar(double tt) const override
    {
        const Vector v = truesky::Lunar(tt);
        return {v.p[0], v.p[1], v.p[2]};
    }
};

Observer ObserverAt(double tt, Nutation nutation, const Places &places)
{
    Observer observer;
    observer.earth = FromPosition(places.Heliocentric(Body::Earth, tt));
    const Vector behind = FromPosition(places.Heliocentric(Body::Earth, tt - VelocityStep));
    for (int i = 0; i < 3; ++i)
        observer.velocity.p[i] = (observer.earth.p[i] - behind.p[i]) / VelocityStep;
    // Nutation (IAU 2006/2000A) on the long-term precession's mean equator,
    // whose mean obliquity is the angle between the two poles of the date.
    const double epoch = Epoch(tt);
    Vector equatorPole, eclipticPole;
    eraLtpequ(epoch, equatorPole.p);
    eraLtpecl(epoch, eclipticPole.p);
    const double meanObliquity = std::acos(eraPdp(equatorPole.p, eclipticPole.p));
    double dpsi = 0, deps = 0;
    if (nutation == Nutation::Included)
        eraNut06a(ERFA_DJM0, tt - ERFA_DJM0, &dpsi, &deps);
    Matrix precession, rotation;
    eraLtpb(epoch, precession.r);
    eraNumat(meanObliquity, dpsi, deps, rotation.r);
    eraRxr(rotation.r, precession.r, observer.toEquator.r);
    observer.obliquity = meanObliquity + deps;
    return observer;
}

// The body as the light that reaches the Earth at `tt` left it, from the
// Earth, ecliptic of J2000, au: the planets at the time of departure, the
// Moon as well, moved along with the Earth's motion in the meantime.
//
// One round of light time leaves the planets' places 0.00001° from the
// converged ones: the light time changes by the rate of the distance times
// itself, 0.2 s at most.
Vector Astrometric(Target target, Body body, double tt, const Observer &observer,
                   const Places &places)
{
    if (target == Target::Sun)
        return {{-observer.earth.p[0], -observer.earth.p[1], -observer.earth.p[2]}};
    if (target == Target::Moon) {
        const Vector moon = FromPosition(places.Lunar(tt - LunarLightTime));
        const double lightTime = Length(moon) / ERFA_DC;
        Vector seen;
        for (int i = 0; i < 3; ++i)
            seen.p[i] = moon.p[i] - observer.velocity.p[i] * lightTime;
        return seen;
    }
    const Vector geometric = Minus(FromPosition(places.Heliocentric(body, tt)), observer.earth);
    return Minus(FromPosition(places.Heliocentric(body, tt - Length(geometric) / ERFA_DC)),
                 observer.earth);
}

// The direction in which the body is seen, ICRS axes, unit vector; and its
// distance, au.
struct Seen {
    Vector direction;
    double distance;
};

Seen SeenFrom(Target target, Body body, double tt, const Observer &observer, const Places &places)
{
    const Vector seenJ2000 = Astrometric(target, body, tt, observer, places);
    const Matrix &toIcrs = EquatorialOfJ2000();
    const Vector seen = Rotated(toIcrs, seenJ2000);
    const Vector earth = Rotated(toIcrs, observer.earth);
    const double sunDistance = Length(earth);

    Vector direction = Unit(seen);
    if (target == Target::Planet) {
        // The Sun bends the light on its way past.
        Vector fromSun = Unit(Rotated(toIcrs, Plus(seenJ2000, observer.earth)));
        Vector sunToEarth = Unit(earth);
        Vector bent;
        // Limited, as ERFA limits it for the Sun itself, where the light
        // would pass within the Sun's disk: no body is seen there.
        eraLd(1.0, direction.p, fromSun.p, sunToEarth.p, sunDistance, DeflectionLimit, bent.p);
        direction = bent;
    }
    // The Earth's motion: the heliocentric velocity stands in for the
    // barycentric one, which differs by the Sun's 13 m/s at most (0.01").
    Vector velocity = Rotated(toIcrs, observer.velocity);
    for (double &component : velocity.p)
        component /= ERFA_DC;
    Vector aberrated;
    eraAb(direction.p, velocity.p, sunDistance, std::sqrt(1 - eraPdp(velocity.p, velocity.p)),
          aberrated.p);
    return {aberrated, Length(seen)};
}

// From the ICRS's axes to the ecliptic of the date, through its equator.
Matrix EclipticAxes(const Observer &observer)
{
    Matrix toEcliptic, toEquator = observer.toEquator, product;
    eraIr(toEcliptic.r);
    eraRx(observer.obliquity, toEcliptic.r);
    eraRxr(toEcliptic.r, toEquator.r, product.r);
    return product;
}

Target TargetOf(Body body)
{
    return body == Body::Earth ? Target::Sun : body == Body::Moon ? Target::Moon : Target::Planet;
}

Place Apparent(Target target, Body body, double tt, const Observer &observer)
{
    const Seen seen = SeenFrom(target, body, tt, observer, EphemerisPlaces());
    const Vector equatorial = Rotated(observer.toEquator, seen.direction);
    Matrix toEcliptic;
    eraIr(toEcliptic.r);
    eraRx(observer.obliquity, toEcliptic.r);
    const Vector ecliptic = Rotated(toEcliptic, equatorial);

    const auto [ra, dec] = Spherical(equatorial);
    const auto [longitude, latitude] = Spherical(ecliptic);
    return {longitude, latitude, ra, dec, seen.distance};
}

} // namespace

Instant AtUniversalTime(double julianDay)
{
    return {julianDay, julianDay + DeltaT(julianDay) / ERFA_DAYSEC};
}

Instant AtTerrestrialTime(double julianDay)
{
    // ΔT changes by far less than a second in a minute: two rounds settle it.
    double ut = julianDay - DeltaT(julianDay) / ERFA_DAYSEC;
    ut = julianDay - DeltaT(ut) / ERFA_DAYSEC;
    return {ut, julianDay};
}

double HeliocentricLongitude(Body planet, double julianDay)
{
    const double tt = AtUniversalTime(julianDay).tt;
    return Longitude(Rotated(EclipticOfDate(tt), Heliocentric(planet, tt)));
}

double GeocentricLongitude(Body body, double julianDay)
{
    double longitude = 0;
    GeocentricLongitudes(&body, 1, julianDay, &longitude);
    return longitude;
}

Place ApparentPlace(Body body, Instant when)
{
    return Apparent(TargetOf(body), body, when.tt,
                    ObserverAt(when.tt, Nutation::Included, EphemerisPlaces()));
}

Equatorial AstrometricPlace(Body body, Instant when)
{
    const Observer observer = ObserverAt(when.tt, Nutation::LeftOut, EphemerisPlaces());
    const Vector seen = Rotated(EquatorialOfJ2000(), Astrometric(TargetOf(body), body, when.tt,
                                                                 observer, EphemerisPlaces()));
    const auto [ra, dec] = Spherical(seen);
    return {ra, dec};
}

Place ApparentSun(Instant when)
{
    return Apparent(Target::Sun, Body::Earth, when.tt,
                    ObserverAt(when.tt, Nutation::Included, EphemerisPlaces()));
}

std::array<Place, 10> ApparentSkyAt(Instant when)
{
    const Observer observer = ObserverAt(when.tt, Nutation::Included, EphemerisPlaces());
    std::array<Place, 10> sky{};
    for (std::size_t i = 0; i < sky.size(); ++i) {
        const auto body = static_cast<Body>(i);
        sky[i] = Apparent(TargetOf(body), body, when.tt, observer);
    }
    return sky;
}

const Places &EphemerisPlaces()
{
    static const EphemerisItself places;
    return places;
}

void ApparentDirections(const Body *bodies, std::size_t count, Instant when, Direction *out)
{
    ApparentDirections(bodies, count, when, out, EphemerisPlaces());
}

void ApparentDirections(const Body *bodies, std::size_t count, Instant when, Direction *out,
                        const Places &places)
{
    const Observer observer = ObserverAt(when.tt, Nutation::LeftOut, places);
    const Matrix toEcliptic = EclipticAxes(observer);
    for (std::size_t i = 0; i < count; ++i) {
        const Vector direction =
            Rotated(toEcliptic,
                    SeenFrom(TargetOf(bodies[i]), bodies[i], when.tt, observer, places).direction);
        out[i] = {direction.p[0], direction.p[1], direction.p[2]};
    }
}

void GeocentricLongitudes(const Body *bodies, std::size_t count, double julianDay, double *out)
{
    const double tt = AtUniversalTime(julianDay).tt;
    const Matrix toDate = EclipticOfDate(tt);
    const Vector earth = Heliocentric(Body::Earth, tt);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = Longitude(Rotated(toDate, Geocentric(bodies[i], tt, earth)));
}

Sky SkyAt(double julianDay)
{
    const double tt = AtUniversalTime(julianDay).tt;
    const Matrix toDate = EclipticOfDate(tt);
    Sky sky;
    const Vector earth = Heliocentric(Body::Earth, tt);
    // The planets, the Earth among them, come before the Moon.
    for (std::size_t i = 0; i < static_cast<std::size_t>(Body::Moon); ++i) {
        const auto body = static_cast<Body>(i);
        if (body == Body::Earth) {
            sky.heliocentric[i] = Longitude(Rotated(toDate, earth));
            continue;
        }
        const Vector place = Heliocentric(body, tt);
        sky.heliocentric[i] = Longitude(Rotated(toDate, place));
        sky.geocentric[i] = Longitude(Rotated(toDate, Minus(place, earth)));
    }
    sky.geocentric[static_cast<std::size_t>(Body::Moon)] = Longitude(Rotated(toDate, Lunar(tt)));
    return sky;
}

} // namespace truesky

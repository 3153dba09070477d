#include "model/truesky.h"

#include <libnova/dynamical_time.h>
#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/transform.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <cmath>
#include <mutex>
#include <numbers>

namespace truesky {

namespace {

std::mutex &LibraryLock()
{
    static std::mutex lock;
    return lock;
}

using HelioTheory = void (*)(double, ln_helio_posn *);

constexpr std::array<HelioTheory, 9> Theories{
    ln_get_mercury_helio_coords, ln_get_venus_helio_coords,   ln_get_earth_helio_coords,
    ln_get_mars_helio_coords,    ln_get_jupiter_helio_coords, ln_get_saturn_helio_coords,
    ln_get_uranus_helio_coords,  ln_get_neptune_helio_coords, ln_get_pluto_helio_coords,
};

double Normalised(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360 : d;
}

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

double Degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

// Pluto's series gives its place on the ecliptic of J2000; the others are of
// the date. The general precession in longitude brings it to the date.
double PrecessionSinceJ2000(double jde)
{
    const double t = (jde - 2451545.0) / 36525;
    return (5029.0966 * t + 1.11113 * t * t) / 3600;
}

// ELP 2000-82B without its terms below a microradian (0.2 arc seconds): the
// longitude moves by less than a thousandth of a degree, and the Moon costs
// a thirtieth of the full series.
constexpr double LunarTruncation = 1e-6;

struct Rect {
    double x, y, z;
};

// Called with the lock held.
ln_helio_posn HelioOfDate(Body planet, double jde)
{
    ln_helio_posn p{};
    Theories[static_cast<std::size_t>(planet)](jde, &p);
    if (planet == Body::Pluto)
        p.L += PrecessionSinceJ2000(jde);
    return p;
}

Rect ToRect(const ln_helio_posn &p)
{
    const double l = Radians(p.L), b = Radians(p.B);
    return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

ln_lnlat_posn ToEcliptic(Rect r)
{
    return {Normalised(Degrees(std::atan2(r.y, r.x))),
            Degrees(std::atan2(r.z, std::hypot(r.x, r.y)))};
}

// A planet's heliocentric place as seen from the Earth's.
ln_lnlat_posn FromEarth(const ln_helio_posn &place, Rect earth)
{
    const Rect p = ToRect(place);
    return ToEcliptic({p.x - earth.x, p.y - earth.y, p.z - earth.z});
}

// The geocentric ecliptic place of one body, with the Earth's heliocentric
// place already known. Called with the lock held.
ln_lnlat_posn GeocentricOfDate(Body body, double jde, Rect earth)
{
    if (body == Body::Moon) {
        ln_lnlat_posn moon{};
        ln_get_lunar_ecl_coords(jde, &moon, LunarTruncation);
        moon.lng = Normalised(moon.lng);
        return moon;
    }
    return FromEarth(HelioOfDate(body, jde), earth);
}

Rect EarthOfDate(double jde)
{
    return ToRect(HelioOfDate(Body::Earth, jde));
}

} // namespace

double HeliocentricLongitude(Body planet, double julianDay)
{
    const double jde = ln_get_jde(julianDay);
    const std::lock_guard held(LibraryLock());
    return Normalised(HelioOfDate(planet, jde).L);
}

double GeocentricLongitude(Body body, double julianDay)
{
    double longitude = 0;
    GeocentricLongitudes(&body, 1, julianDay, &longitude);
    return longitude;
}

Direction GeocentricDirection(Body body, double julianDay)
{
    const double jde = ln_get_jde(julianDay);
    const std::lock_guard held(LibraryLock());
    ln_lnlat_posn ecliptic = GeocentricOfDate(body, jde, EarthOfDate(jde));
    ln_equ_posn equatorial{};
    ln_get_equ_from_ecl(&ecliptic, jde, &equatorial);
    return {ecliptic.lng, Normalised(equatorial.ra)};
}

void GeocentricLongitudes(const Body *bodies, std::size_t count, double julianDay, double *out)
{
    const double jde = ln_get_jde(julianDay);
    const std::lock_guard held(LibraryLock());
    const Rect earth = EarthOfDate(jde);
    for (std::size_t i = 0; i < count; ++i)
        out[i] = GeocentricOfDate(bodies[i], jde, earth).lng;
}

Sky SkyAt(double julianDay)
{
    const double jde = ln_get_jde(julianDay);
    const std::lock_guard held(LibraryLock());
    Sky sky;
    const ln_helio_posn earthPlace = HelioOfDate(Body::Earth, jde);
    const Rect earth = ToRect(earthPlace);
    for (std::size_t i = 0; i < Theories.size(); ++i) {
        const auto body = static_cast<Body>(i);
        if (body == Body::Earth) {
            sky.heliocentric[i] = Normalised(earthPlace.L);
            continue;
        }
        const ln_helio_posn place = HelioOfDate(body, jde);
        sky.heliocentric[i] = Normalised(place.L);
        sky.geocentric[i] = FromEarth(place, earth).lng;
    }
    sky.geocentric[static_cast<std::size_t>(Body::Moon)] =
        GeocentricOfDate(Body::Moon, jde, earth).lng;
    return sky;
}

} // namespace truesky

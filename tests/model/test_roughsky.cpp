// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"
#include "model/roughsky.h"
#include "model/truesky.h"

#include <QTest>
#include <cmath>
#include <erfa.h>
#include <limits>
#include <random>

namespace {

constexpr double Degree = 3.14159265358979323846 / 180;
constexpr double J2000 = 2451545.0;
constexpr double ArcSecond = 1.0 / 3600; // degrees

double Longitude(const roughsky::Direction &d)
{
    const double l = std::atan2(d[1], d[0]) / Degree;
    return l < 0 ? l + 360 : l;
}

double Latitude(const roughsky::Direction &d)
{
    return std::asin(d[2]) / Degree;
}

// The angle between two unit vectors, degrees.
double Between(const roughsky::Direction &a, const roughsky::Direction &b)
{
    const double cross[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                             a[0] * b[1] - a[1] * b[0]};
    return std::atan2(std::hypot(cross[0], cross[1], cross[2]),
                      a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) /
           Degree;
}

double JulianEpoch(double tt)
{
    return 2000 + (tt - J2000) / 365.25;
}

// The Sun's geocentric longitude on the mean ecliptic and equinox of the
// date, degrees, from ERFA's Earth (eraEpv00: heliocentric, within a few
// kilometres from 1900 to 2100) and ERFA's long-term precession.
double ErfaSunLongitude(double tt)
{
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(J2000, tt - J2000, heliocentric, barycentric);
    double toDate[3][3];
    eraLtecm(JulianEpoch(tt), toDate);
    double sun[3] = {-heliocentric[0][0], -heliocentric[0][1], -heliocentric[0][2]}, ofDate[3];
    eraRxp(toDate, sun, ofDate);
    return Longitude({ofDate[0], ofDate[1], ofDate[2]});
}

double RoughSunLongitude(double tt)
{
    std::array<roughsky::Direction, 10> out{};
    roughsky::Directions(1u << static_cast<unsigned>(Body::Earth), tt, out);
    return Longitude(out[std::size_t(Body::Earth)]);
}

constexpr std::uint16_t Bit(Body body)
{
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(body));
}

} // namespace

class TestRoughSky : public QObject {
    Q_OBJECT
private slots:
    // Meeus, Astronomical Algorithms (2nd ed.), example 47.a: 1992 April 12,
    // 0 h TD (JDE 2448724.5), λ = 133.162655°, β = -3.229126°,
    // Δ = 368409.7 km, on the mean ecliptic and equinox of the date.
    void theMoonOfMeeusExample47a()
    {
        const double tt = 2448724.5;
        const roughsky::LunarPlace moon = roughsky::Moon(tt);
        QVERIFY(std::fabs(moon.longitude - 133.162655) < 1e-5);
        QVERIFY(std::fabs(moon.latitude - -3.229126) < 1e-5);
        QVERIFY(std::fabs(moon.distance - 368409.7) < 0.05);

        std::array<roughsky::Direction, 10> out{};
        roughsky::Directions(Bit(Body::Moon), tt, out);
        const roughsky::Direction &direction = out[std::size_t(Body::Moon)];
        QVERIFY(std::fabs(Longitude(direction) - 133.162655) < 1e-5);
        QVERIFY(std::fabs(Latitude(direction) - -3.229126) < 1e-5);
    }

    // Meeus, example 25.b: 1992 October 13, 0 h TD (JDE 2448908.5), the
    // Sun's geometric place from the whole VSOP87 on the mean ecliptic and
    // equinox of the date (FK5): λ = 199.907347°, β = +0.62". The apparent
    // longitude the example goes on to, 199°54'21.818", adds nutation and
    // aberration, which the rough sky leaves out; the low-accuracy example
    // 25.a's 199.90988° is its own geometric figure, good to 0.01°. The
    // tolerance is the error JPL gives for the barycentre from these
    // elements, 3000 BC to 3000 AD: 40" in right ascension, 15" in
    // declination (ssd.jpl.nasa.gov, "Approximate Positions of the
    // Planets").
    void theSunOfMeeusExample25b()
    {
        std::array<roughsky::Direction, 10> out{};
        roughsky::Directions(Bit(Body::Earth), 2448908.5, out);
        const roughsky::Direction &sun = out[std::size_t(Body::Earth)];
        QVERIFY2(std::fabs(Longitude(sun) - 199.907347) < 40 * ArcSecond,
                 qPrintable(QString::number((Longitude(sun) - 199.907347) / ArcSecond)));
        QVERIFY2(std::fabs(Latitude(sun) - 0.62 * ArcSecond) < 15 * ArcSecond,
                 qPrintable(QString::number(Latitude(sun) / ArcSecond)));
    }

    // The Earth lies off the Earth–Moon barycentre by the Moon's share of
    // their distance, 1/82.3006 of it, which turns the Sun by ±6.4" at the
    // Moon's quarters. At a first quarter, the last quarter after it and
    // the next first quarter, the rough Sun's departures from ERFA's Earth
    // have a second difference of 4 × 6.4" when the share is left out, and
    // of 2.6" at most from the elements' own errors, which run with the
    // year (JPL's 40" above, × (2π × 14.8 / 365.25)²).
    void theSunFollowsTheEarthRoundTheBarycentre()
    {
        const auto elongation = [](double tt, double from) {
            return std::remainder(roughsky::Moon(tt).longitude - ErfaSunLongitude(tt) - from,
                                  360.0);
        };
        // From 1 October 1992, the instants the Moon passes 90°, 270° and
        // 90° from the Sun, to a tenth of a day.
        std::array<double, 3> quarters{};
        const std::array<double, 3> angles{90, 270, 90};
        double tt = 2448896.5;
        for (std::size_t k = 0; k < quarters.size(); ++k) {
            while (!(elongation(tt, angles[k]) < 0 && elongation(tt + 0.1, angles[k]) >= 0))
                tt += 0.1;
            quarters[k] = tt += 0.1;
        }
        std::array<double, 3> departure{}; // arc seconds
        for (std::size_t k = 0; k < quarters.size(); ++k)
            departure[k] =
                std::remainder(RoughSunLongitude(quarters[k]) - ErfaSunLongitude(quarters[k]),
                               360.0) /
                ArcSecond;
        const double second = departure[0] - 2 * departure[1] + departure[2];
        QVERIFY2(std::fabs(second) < 8, qPrintable(QString::number(second)));
    }

    // Only the slots asked for are written, each with a unit vector, alone
    // or with others.
    void theBodiesAskedForAndNoOthers()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        for (const std::uint16_t bodies :
             {Bit(Body::Moon), Bit(Body::Earth), std::uint16_t(Bit(Body::Mars) | Bit(Body::Pluto)),
              std::uint16_t(0x3ff), std::uint16_t(0)}) {
            std::array<roughsky::Direction, 10> out;
            out.fill({nan, nan, nan});
            roughsky::Directions(bodies, 2460000.5, out);
            for (std::size_t i = 0; i < out.size(); ++i) {
                const roughsky::Direction &d = out[i];
                if (bodies & (1u << i))
                    QVERIFY(std::fabs(std::hypot(d[0], d[1], d[2]) - 1) < 1e-12);
                else
                    QVERIFY(std::isnan(d[0]) && std::isnan(d[1]) && std::isnan(d[2]));
            }
        }
    }

    // Every instant of the calendar has a bound for every body, finite and
    // above nothing, the calendar's ends included.
    void everyYearHasABound()
    {
        for (double year = 1601; year <= 10000; year += 0.5)
            for (std::size_t i = 0; i < Catalogue.size(); ++i) {
                const double bound = roughsky::ErrorBound(static_cast<Body>(i), year);
                QVERIFY(std::isfinite(bound) && bound > 0);
            }
    }

    // The bounds hold away from the instants they were measured at: random
    // instants from 1601 to 9999, every body against the true sky.
    void theBoundsHoldAtRandomInstants()
    {
        const double first = 2305813.5; // 1 January 1601
        const double end = 5373484.5;   // 1 January 10000
        std::mt19937_64 random(20240601);
        std::uniform_real_distribution<double> instant(first, end);
        std::array<Body, 10> bodies{};
        for (std::size_t i = 0; i < bodies.size(); ++i)
            bodies[i] = static_cast<Body>(i);
        std::array<double, 10> worstShare{}; // of the bound
        for (int n = 0; n < 300; ++n) {
            const double tt = instant(random);
            std::array<roughsky::Direction, 10> rough{};
            roughsky::Directions(0x3ff, tt, rough);
            std::array<truesky::Direction, 10> exact{};
            truesky::ApparentDirections(bodies.data(), bodies.size(),
                                        truesky::AtTerrestrialTime(tt), exact.data());
            for (std::size_t i = 0; i < bodies.size(); ++i) {
                const double angle = Between(rough[i], exact[i]);
                const double bound = roughsky::ErrorBound(bodies[i], JulianEpoch(tt));
                QVERIFY2(angle <= bound, qPrintable(QStringLiteral("%1 at %2: %3° > %4°")
                                                        .arg(QString::fromUtf8(BodyName(bodies[i])))
                                                        .arg(JulianEpoch(tt), 0, 'f', 2)
                                                        .arg(angle)
                                                        .arg(bound)));
                worstShare[i] = std::max(worstShare[i], angle / bound);
            }
        }
        // A bound far above every error would hold as well and skip nothing:
        // each body comes within reach of its own somewhere.
        for (std::size_t i = 0; i < bodies.size(); ++i)
            QVERIFY2(worstShare[i] > 0.5, qPrintable(QString::fromUtf8(BodyName(bodies[i]))));
    }
};

QTEST_APPLESS_MAIN(TestRoughSky)
#include "test_roughsky.moc"

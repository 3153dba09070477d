// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The true sky against published figures: almanac instants, worked examples
// and eclipse elements, none of them computed with this program or its
// libraries. Each row names its source.
#include "model/catalogue.h"
#include "model/truesky.h"

#include <QTest>
#include <chrono>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

// The Julian day of a calendar instant (Gregorian), on whatever clock the
// figures are given.
double JulianDay(int year, unsigned month, unsigned day, int hour = 0, int minute = 0,
                 double second = 0)
{
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    return truesky::EpochJulianDay + DayOffset(date) + (hour + minute / 60.0) / 24 + second / 86400;
}

// The angle from b to a, -180 to 180.
double Difference(double a, double b)
{
    return std::remainder(a - b, 360.0);
}

double Hours(int h, int m, double s)
{
    return (h + m / 60.0 + s / 3600) * 15;
}

double Degrees(int d, int m, double s)
{
    const double magnitude = std::abs(d) + m / 60.0 + s / 3600;
    return d < 0 ? -magnitude : magnitude;
}

// The largest difference each kind of figure showed, for the closing report.
struct Worst {
    double degrees = 0;
    QByteArray where;
    void note(double difference, const QByteArray &row)
    {
        if (std::fabs(difference) > std::fabs(degrees)) {
            degrees = difference;
            where = row;
        }
    }
};

enum class Clock { Terrestrial, Universal };

truesky::Instant At(Clock clock, double julianDay)
{
    return clock == Clock::Terrestrial ? truesky::AtTerrestrialTime(julianDay)
                                       : truesky::AtUniversalTime(julianDay);
}

// One Besselian element set's origin: the Moon's place on the fundamental
// plane (x, y, in the Earth's equatorial radii) and the declination d of
// the shadow's axis, worked out from the apparent Sun and Moon.
struct Shadow {
    double x, y, d;
};

Shadow ShadowAt(double terrestrialJulianDay)
{
    // The Earth's equatorial radius the eclipse elements are given in, km.
    constexpr double EarthRadius = 6378.137;
    constexpr double KilometresPerAu = 149597870.7;
    const truesky::Instant when = truesky::AtTerrestrialTime(terrestrialJulianDay);
    const auto vector = [](const truesky::Place &place) {
        const double a = place.rightAscension * Pi / 180, d = place.declination * Pi / 180;
        const double r = place.distance * KilometresPerAu / EarthRadius;
        return std::array{r * std::cos(d) * std::cos(a), r * std::cos(d) * std::sin(a),
                          r * std::sin(d)};
    };
    const auto sun = vector(truesky::ApparentSun(when));
    const auto moon = vector(truesky::ApparentPlace(Body::Moon, when));
    std::array<double, 3> axis{sun[0] - moon[0], sun[1] - moon[1], sun[2] - moon[2]};
    const double length = std::hypot(axis[0], axis[1], axis[2]);
    for (double &c : axis)
        c /= length;
    const double d = std::asin(axis[2]), a = std::atan2(axis[1], axis[0]);
    const double x = -moon[0] * std::sin(a) + moon[1] * std::cos(a);
    const double y = -moon[0] * std::sin(d) * std::cos(a) - moon[1] * std::sin(d) * std::sin(a) +
                     moon[2] * std::cos(d);
    return {x, y, d * 180 / Pi};
}

// The terrestrial-time instant in a span at which the Sun's apparent
// longitude reaches `target`, by halving the span.
double WhenTheSunReaches(double target, double from, double to)
{
    const auto past = [&](double t) {
        return Difference(truesky::ApparentSun(truesky::AtTerrestrialTime(t)).longitude, target) >=
               0;
    };
    while (to - from > 1e-6) {
        const double middle = (from + to) / 2;
        (past(middle) ? to : from) = middle;
    }
    return (from + to) / 2;
}

} // namespace

class TestAlmanac : public QObject {
    Q_OBJECT

    Worst sunWorst, bodyWorst, raWorst, shadowWorst, seasonWorst;
    std::array<Worst, 10> planetWorst;
    std::array<Worst, 10> astrometricWorst;

private slots:
    // The Sun's apparent longitude is 0, 90, 180 or 270 degrees at the
    // published instants of the equinoxes and solstices.
    void theSunAtTheSeasons_data()
    {
        QTest::addColumn<int>("clock");
        QTest::addColumn<double>("julianDay");
        QTest::addColumn<double>("longitude");
        QTest::addColumn<double>("tolerance");
        const int tt = int(Clock::Terrestrial), ut = int(Clock::Universal);
        // Meeus, Astronomical Algorithms, 2nd ed., Example 27.a: the June
        // solstice of 1962 by VSOP87, 21h24m42s TD.
        QTest::newRow("1962 June, Meeus 27.a")
            << tt << JulianDay(1962, 6, 21, 21, 24, 42) << 90.0 << 0.0005;
        // Meeus, the same chapter's table of instants 1996-2005, TD.
        QTest::newRow("1996 March, Meeus")
            << tt << JulianDay(1996, 3, 20, 8, 4, 7) << 0.0 << 0.0005;
        QTest::newRow("1999 June, Meeus")
            << tt << JulianDay(1999, 6, 21, 19, 50, 11) << 90.0 << 0.0005;
        QTest::newRow("2002 September, Meeus")
            << tt << JulianDay(2002, 9, 23, 4, 56, 28) << 180.0 << 0.0005;
        QTest::newRow("2005 December, Meeus")
            << tt << JulianDay(2005, 12, 21, 18, 36, 1) << 270.0 << 0.0005;
        // U.S. Naval Observatory, to the minute, UT: the December solstice
        // of 2020 at 10:02 and the March equinox of 2026 at 14:46.
        QTest::newRow("2020 December, USNO")
            << ut << JulianDay(2020, 12, 21, 10, 2) << 270.0 << 0.001;
        QTest::newRow("2026 March, USNO") << ut << JulianDay(2026, 3, 20, 14, 46) << 0.0 << 0.001;
    }
    void theSunAtTheSeasons()
    {
        QFETCH(int, clock);
        QFETCH(double, julianDay);
        QFETCH(double, longitude);
        QFETCH(double, tolerance);
        const double found =
            truesky::ApparentSun(At(static_cast<Clock>(clock), julianDay)).longitude;
        const double off = Difference(found, longitude);
        sunWorst.note(off, QTest::currentDataTag());
        QVERIFY2(std::fabs(off) <= tolerance, qPrintable(QString::number(off, 'g', 3)));
    }

    // Apparent places of worked examples, on the true equator and ecliptic
    // of the date.
    void apparentPlacesOfWorkedExamples_data()
    {
        QTest::addColumn<int>("body"); // -1 for the Sun
        QTest::addColumn<double>("terrestrialJulianDay");
        QTest::addColumn<double>("longitude"); // NaN when not given
        QTest::addColumn<double>("longitudeTolerance");
        QTest::addColumn<double>("rightAscension");
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("equatorialTolerance"); // degrees
        const double none = std::nan("");
        // One second of time.
        const double second = 15.0 / 3600;
        // Meeus, Example 25.b, with the whole of VSOP87: the Sun on
        // 1992 October 13.0 TD.
        QTest::newRow("Sun 1992, Meeus 25.b")
            << -1 << JulianDay(1992, 10, 13) << none << 0.0 << Hours(13, 13, 30.749)
            << Degrees(-7, 47, 1.74) << 0.01 * second;
        // Meeus, Example 33.a: Venus on 1992 December 20.0 TD, right
        // ascension and declination with the whole of VSOP87; the apparent
        // longitude from the example's abridged series (to 0.0002°).
        QTest::newRow("Venus 1992, Meeus 33.a")
            << int(Body::Venus) << JulianDay(1992, 12, 20) << 313.08151 << 0.001
            << Hours(21, 4, 41.454) << Degrees(-18, 53, 16.84) << 0.01 * second;
        // Meeus, Example 47.a: the Moon on 1992 April 12.0 TD, from the
        // chapter's abridged lunar theory (good to 10" in longitude).
        QTest::newRow("Moon 1992, Meeus 47.a")
            << int(Body::Moon) << JulianDay(1992, 4, 12) << 133.167265 << 0.005 << 134.688470
            << 13.768368 << second;
    }
    void apparentPlacesOfWorkedExamples()
    {
        QFETCH(int, body);
        QFETCH(double, terrestrialJulianDay);
        QFETCH(double, longitude);
        QFETCH(double, longitudeTolerance);
        QFETCH(double, rightAscension);
        QFETCH(double, declination);
        QFETCH(double, equatorialTolerance);
        const truesky::Instant when = truesky::AtTerrestrialTime(terrestrialJulianDay);
        const truesky::Place place =
            body < 0 ? truesky::ApparentSun(when) : truesky::ApparentPlace(Body(body), when);
        const QByteArray row = QTest::currentDataTag();
        if (!std::isnan(longitude)) {
            const double off = Difference(place.longitude, longitude);
            bodyWorst.note(off, row);
            QVERIFY2(std::fabs(off) <= longitudeTolerance,
                     qPrintable(QStringLiteral("longitude %1").arg(off)));
        }
        const double raOff = Difference(place.rightAscension, rightAscension);
        const double decOff = place.declination - declination;
        raWorst.note(raOff, row);
        raWorst.note(decOff, row);
        QVERIFY2(std::fabs(raOff) <= equatorialTolerance,
                 qPrintable(QStringLiteral("right ascension %1 s").arg(raOff * 240)));
        QVERIFY2(std::fabs(decOff) <= equatorialTolerance,
                 qPrintable(QStringLiteral("declination %1\"").arg(decOff * 3600)));
    }

    // Apparent places of the date from two independent ephemerides of the
    // Jet Propulsion Laboratory:
    // - DE405 through the U.S. Naval Observatory's NOVAS, as the tests of
    //   the Skyfield library quote them (test_against_novas.py), at TT;
    // - JPL Horizons' geocentric tables (DE440/441), "a-appar" right
    //   ascension and declination and the ecliptic longitude of the date
    //   ObsEcLon, at UT, as quoted verbatim in public test code.
    void planetsAgainstJplEphemerides_data()
    {
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("clock");
        QTest::addColumn<double>("julianDay");
        QTest::addColumn<double>("rightAscension"); // degrees
        QTest::addColumn<double>("declination");
        QTest::addColumn<double>("longitude"); // NaN when not given
        const int tt = int(Clock::Terrestrial), ut = int(Clock::Universal);
        const double none = std::nan("");
        const auto novas = [&](const char *row, Body body, double jd, double hours,
                               double degrees) {
            QTest::newRow(row) << int(body) << tt << jd << hours * 15 << degrees << none;
        };
        novas("Mercury 1969, DE405", Body::Mercury, 2440423.345833333, 7.874971625095716,
              22.415970392044663);
        novas("Mercury 2012, DE405", Body::Mercury, 2456164.5, 9.307566088097712,
              16.631743449679668);
        novas("Mars 1990, DE405", Body::Mars, 2448031.5, 23.536847630733252, -4.935089760397493);
        novas("Mars 2012, DE405", Body::Mars, 2456164.5, 13.9057161859901, -12.184654273116957);
        novas("Jupiter 1969, DE405", Body::Jupiter, 2440423.345833333, 12.07798204538282,
              0.8216129394812306);
        novas("Jupiter 2012, DE405", Body::Jupiter, 2456164.5, 4.835670404865467,
              21.670586389437943);
        novas("Saturn 1990, DE405", Body::Saturn, 2448031.5, 19.805277718955743,
              -20.958164640919684);
        novas("Uranus 2012, DE405", Body::Uranus, 2456164.5, 0.5005500654503398,
              2.4297793410408026);
        novas("Neptune 1969, DE405", Body::Neptune, 2440423.345833333, 15.608486730597074,
              -17.58379328551931);
        novas("Pluto 1969, DE405", Body::Pluto, 2440423.345833333, 11.989232654068259,
              16.792242650891883);
        novas("Pluto 1990, DE405", Body::Pluto, 2448031.5, 15.208581663980876, -1.302239488315164);
        novas("Pluto 2012, DE405", Body::Pluto, 2456164.5, 18.501338273669152, -19.54122790974374);
        QTest::newRow("Saturn 2015, Horizons")
            << int(Body::Saturn) << ut << JulianDay(2015, 8, 10, 17, 9) << 236.54879 << -17.89171
            << 238.3404810;
        QTest::newRow("Mars 2021, Horizons")
            << int(Body::Mars) << ut << JulianDay(2021, 1, 1) << 25.07558 << 11.34477 << 27.3576862;
        const double newYear2020 = JulianDay(2020, 1, 1);
        QTest::newRow("Mercury 2020, Horizons")
            << int(Body::Mercury) << ut << newYear2020 << 274.82205 << -24.63572 << none;
        QTest::newRow("Jupiter 2020, Horizons")
            << int(Body::Jupiter) << ut << newYear2020 << 277.25910 << -23.17971 << none;
        QTest::newRow("Uranus 2020, Horizons")
            << int(Body::Uranus) << ut << newYear2020 << 30.66643 << 11.94191 << none;
        QTest::newRow("Neptune 2020, Horizons")
            << int(Body::Neptune) << ut << newYear2020 << 347.76053 << -6.36481 << none;
    }
    void planetsAgainstJplEphemerides()
    {
        QFETCH(int, body);
        QFETCH(int, clock);
        QFETCH(double, julianDay);
        QFETCH(double, rightAscension);
        QFETCH(double, declination);
        QFETCH(double, longitude);
        const truesky::Place place =
            truesky::ApparentPlace(Body(body), At(static_cast<Clock>(clock), julianDay));
        const QByteArray row = QTest::currentDataTag();
        const double raOff = Difference(place.rightAscension, rightAscension);
        const double decOff = place.declination - declination;
        planetWorst[std::size_t(body)].note(raOff * std::cos(declination * Pi / 180), row);
        planetWorst[std::size_t(body)].note(decOff, row);
        // On DE431 the planets agree with JPL's other ephemerides to a few
        // hundredths of an arc second, and the figures are given to 0.04" or
        // better: 0.2" on the sky. DE405's Pluto, fitted to fewer years of
        // observations, lies up to half an arc second from DE431's.
        const double arcsecond = 1.0 / 3600;
        const double tolerance = (Body(body) == Body::Pluto ? 0.6 : 0.2) * arcsecond;
        const double raOnSky = raOff * std::cos(declination * Pi / 180);
        QVERIFY2(std::fabs(raOnSky) <= tolerance,
                 qPrintable(QStringLiteral("right ascension %1\"").arg(raOnSky * 3600)));
        QVERIFY2(std::fabs(decOff) <= tolerance,
                 qPrintable(QStringLiteral("declination %1\"").arg(decOff * 3600)));
        if (!std::isnan(longitude)) {
            const double off = Difference(place.longitude, longitude);
            planetWorst[std::size_t(body)].note(off, row);
            QVERIFY2(std::fabs(off) <= tolerance,
                     qPrintable(QStringLiteral("longitude %1\"").arg(off * 3600)));
        }
    }

    // Astrometric places, which no model of precession or nutation enters:
    // JPL's DE405 through the U.S. Naval Observatory's NOVAS, as the tests
    // of the Skyfield library quote them (test_against_novas.py), at TT, on
    // the ICRS's axes; the Sun's for the Sun.
    void astrometricPlacesAgainstJplEphemerides_data()
    {
        QTest::addColumn<int>("body");
        QTest::addColumn<double>("terrestrialJulianDay");
        QTest::addColumn<double>("rightAscension"); // hours
        QTest::addColumn<double>("declination");
        const auto row = [](const char *tag, Body body, double jd, double hours, double degrees) {
            QTest::newRow(tag) << int(body) << jd << hours << degrees;
        };
        row("Mercury 1969", Body::Mercury, 2440423.345833333, 7.905384000977572,
            22.332364359841474);
        row("Mercury 1990", Body::Mercury, 2448031.5, 2.4704717994133576, 11.250132844930501);
        row("Mercury 2000", Body::Mercury, 2451545.0, 18.13892977357885, -24.420324941080732);
        row("Mercury 2012", Body::Mercury, 2456164.5, 9.295934662566733, 16.68579742896488);
        row("Venus 1969", Body::Venus, 2440423.345833333, 4.966946050917652, 20.210417323471006);
        row("Venus 1990", Body::Venus, 2448031.5, 1.161811406279447, 5.32829157368082);
        row("Venus 2000", Body::Venus, 2451545.0, 15.993350650200568, -18.451653207795232);
        row("Venus 2012", Body::Venus, 2456164.5, 7.175585125577371, 19.874130272238094);
        row("Mars 1969", Body::Mars, 2440423.345833333, 16.0296606272219, -24.12731030858147);
        row("Mars 1990", Body::Mars, 2448031.5, 23.545034875459514, -4.882249043221036);
        row("Mars 2000", Body::Mars, 2451545.0, 22.034936616343344, -13.180707411034978);
        row("Mars 2012", Body::Mars, 2456164.5, 13.894324196598355, -12.122808318928705);
        row("Jupiter 1969", Body::Jupiter, 2440423.345833333, 12.104091505864655,
            0.6513409058207986);
        row("Jupiter 1990", Body::Jupiter, 2448031.5, 6.765154678701348, 23.17039770012201);
        row("Jupiter 2000", Body::Jupiter, 2451545.0, 1.5913207023268698, 8.595887646396902);
        row("Jupiter 2012", Body::Jupiter, 2456164.5, 4.822841055032964, 21.649994488649472);
        row("Saturn 1969", Body::Saturn, 2440423.345833333, 2.462774885242021, 12.045819985925936);
        row("Saturn 1990", Body::Saturn, 2448031.5, 19.814248756112033, -20.93339019805076);
        row("Saturn 2000", Body::Saturn, 2451545.0, 2.584400980536592, 12.616288735770388);
        row("Saturn 2012", Body::Saturn, 2456164.5, 13.628484577191722, -7.659435207931653);
        row("Uranus 1969", Body::Uranus, 2440423.345833333, 12.087167068351333,
            0.20723926118363262);
        row("Uranus 1990", Body::Uranus, 2448031.5, 18.668551452013403, -23.437331340689155);
        row("Uranus 2000", Body::Uranus, 2451545.0, 21.16558686754142, -17.018831731314233);
        row("Uranus 2012", Body::Uranus, 2456164.5, 0.48916431485643164, 2.3565095329111823);
        row("Neptune 1969", Body::Neptune, 2440423.345833333, 15.637210587139663,
            -17.67999613660563);
        row("Neptune 1990", Body::Neptune, 2448031.5, 19.03623522579387, -21.792864018500975);
        row("Neptune 2000", Body::Neptune, 2451545.0, 20.362841834121518, -19.212425239376326);
        row("Neptune 2012", Body::Neptune, 2456164.5, 22.252468120719442, -11.504657215501586);
        row("Pluto 1969", Body::Pluto, 2440423.345833333, 12.015311208821212, 16.620557180992584);
        row("Pluto 1990", Body::Pluto, 2448031.5, 15.216302246424346, -1.3346560528819575);
        row("Pluto 2000", Body::Pluto, 2451545.0, 16.761873062250743, -11.39643313463007);
        row("Pluto 2012", Body::Pluto, 2456164.5, 18.488351288595236, -19.552190994888846);
        row("Sun 1969", Body::Earth, 2440423.345833333, 8.03008088792976, 20.496475643233936);
        row("Sun 1990", Body::Earth, 2448031.5, 3.776110727862678, 19.907832379364578);
        row("Sun 2000", Body::Earth, 2451545.0, 18.752544254682526, -23.033309607967187);
        row("Sun 2012", Body::Earth, 2456164.5, 10.268162490439074, 10.751933902906117);
        row("Moon 1969", Body::Moon, 2440423.345833333, 12.472463241145173, -4.546618838171283);
        row("Moon 1990", Body::Moon, 2448031.5, 23.67644381740948, 1.8587554901327863);
        row("Moon 2000", Body::Moon, 2451545.0, 14.830020573942209, -10.900635500944452);
        row("Moon 2012", Body::Moon, 2456164.5, 16.39102815233177, -20.93676001523414);
    }
    void astrometricPlacesAgainstJplEphemerides()
    {
        QFETCH(int, body);
        QFETCH(double, terrestrialJulianDay);
        QFETCH(double, rightAscension);
        QFETCH(double, declination);
        const truesky::Equatorial place =
            truesky::AstrometricPlace(Body(body), truesky::AtTerrestrialTime(terrestrialJulianDay));
        const double raOnSky = Difference(place.rightAscension, rightAscension * 15) *
                               std::cos(declination * Pi / 180);
        const double decOff = place.declination - declination;
        const QByteArray row = QByteArray("astrometric, ") + QTest::currentDataTag();
        astrometricWorst[std::size_t(body)].note(raOnSky, row);
        astrometricWorst[std::size_t(body)].note(decOff, row);
        // The figures are given to a thousandth of an arc second. The Sun
        // and the inner planets, which both ephemerides fit to radar
        // ranging, agree to 0.01"; Jupiter and Neptune to 0.1", Saturn and
        // Uranus to 0.15", as far as DE405's outer planets lie from DE431's;
        // DE405's Pluto, fitted to fewer years of observations, up to half an
        // arc second. The Moon's light time is taken from its mean distance,
        // a 0.04" shortcut, within 0.5".
        const double arcsecond = 1.0 / 3600;
        const auto within = [](Body b) {
            switch (b) {
            case Body::Pluto:
                return 0.6;
            case Body::Moon:
                return 0.5;
            case Body::Saturn:
            case Body::Uranus:
                return 0.15;
            default:
                return 0.1;
            }
        };
        const double tolerance = within(Body(body)) * arcsecond;
        QVERIFY2(std::fabs(raOnSky) <= tolerance,
                 qPrintable(QStringLiteral("right ascension %1\"").arg(raOnSky * 3600)));
        QVERIFY2(std::fabs(decOff) <= tolerance,
                 qPrintable(QStringLiteral("declination %1\"").arg(decOff * 3600)));
    }

    // NASA's Besselian elements of solar eclipses (Espenak, Five Millennium
    // Canon of Solar Eclipses, eclipse.gsfc.nasa.gov): at each set's origin
    // t0 (TD), the Moon's place x, y on the plane through the Earth's centre
    // across the shadow, in the Earth's radii, and the declination d of the
    // shadow's axis. x and y hold the Moon against the Sun (a ten-thousandth
    // is a third of an arc second); d holds the Sun on the equator of the
    // date, where the frame of J2000 would put it a degree away in 1715 and
    // 2340.
    void eclipseElements_data()
    {
        QTest::addColumn<double>("terrestrialJulianDay");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("d");
        QTest::newRow("1715 May 3, 10h TD")
            << JulianDay(1715, 5, 3, 10) << 0.0718130 << 0.7433290 << 15.5370197;
        QTest::newRow("1780 May 4, 13h TD")
            << JulianDay(1780, 5, 4, 13) << 0.3066700 << -0.7436090 << 16.2334099;
        QTest::newRow("1787 June 15, 16h TD")
            << JulianDay(1787, 6, 15, 16) << 0.0579840 << 0.9721400 << 23.3436794;
        QTest::newRow("1855 May 16, 2h TD")
            << JulianDay(1855, 5, 16, 2) << -0.3896080 << 1.0552770 << 18.9370709;
        QTest::newRow("2340 October 22, 5h TD")
            << JulianDay(2340, 10, 22, 5) << -0.5375950 << -1.1884320 << -11.0034199;
    }
    void eclipseElements()
    {
        QFETCH(double, terrestrialJulianDay);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, d);
        const Shadow shadow = ShadowAt(terrestrialJulianDay);
        const QByteArray row = QTest::currentDataTag();
        // The Earth's radius seen from the Moon, about 0.95 degrees.
        const double radius = 6378.137 / 384400 * 180 / Pi;
        const std::array<double, 3> off{(shadow.x - x) * radius, (shadow.y - y) * radius,
                                        shadow.d - d};
        for (const double degrees : off) {
            shadowWorst.note(degrees, row);
            QVERIFY2(std::fabs(degrees) <= 0.005,
                     qPrintable(QStringLiteral("x, y, d off by %1\", %2\", %3\"")
                                    .arg(off[0] * 3600)
                                    .arg(off[1] * 3600)
                                    .arg(off[2] * 3600)));
        }
    }

    // Meeus, Astronomical Algorithms, Table 27.F: the lengths of the
    // seasons, in days, far from now. They follow from where the equinox of
    // the date stands against the Earth's perihelion, so the frame of J2000
    // would give the year 2000's lengths in every year.
    void seasonLengths_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<double>("spring");
        QTest::addColumn<double>("summer");
        QTest::addColumn<double>("autumn");
        QTest::addColumn<double>("winter");
        QTest::newRow("2000") << 2000 << 92.76 << 93.65 << 89.84 << 88.99;
        QTest::newRow("2500") << 2500 << 92.37 << 93.81 << 90.22 << 88.84;
        QTest::newRow("4000") << 4000 << 91.17 << 93.93 << 91.40 << 88.73;
        QTest::newRow("6000") << 6000 << 89.82 << 93.25 << 92.79 << 89.38;
    }
    void seasonLengths()
    {
        QFETCH(int, year);
        QFETCH(double, spring);
        QFETCH(double, summer);
        QFETCH(double, autumn);
        QFETCH(double, winter);
        // The March equinox comes within a few days of 20 March in every
        // one of these years; each season starts about a quarter year on.
        double start = WhenTheSunReaches(0, JulianDay(year, 3, 1), JulianDay(year, 4, 10));
        const std::array<double, 4> published{spring, summer, autumn, winter};
        for (std::size_t i = 0; i < 4; ++i) {
            const double next =
                WhenTheSunReaches(std::fmod(90.0 * double(i + 1), 360.0), start + published[i] - 3,
                                  start + published[i] + 3);
            const double off = next - start - published[i];
            // A day's worth of the Sun's motion, in degrees.
            seasonWorst.note(off * 0.9856, QTest::currentDataTag());
            // The table's hundredths, and the two hundredths by which it
            // and VSOP87 are known to differ.
            QVERIFY2(std::fabs(off) <= 0.025,
                     qPrintable(QStringLiteral("season %1 off by %2 days").arg(i).arg(off)));
            start = next;
        }
    }

    void cleanupTestCase()
    {
        const auto report = [](const char *what, const Worst &worst) {
            qInfo("%s: largest difference %.6f degrees (%.2f\"), %s", what, worst.degrees,
                  worst.degrees * 3600, worst.where.constData());
        };
        report("Sun at the seasons", sunWorst);
        report("Apparent longitudes", bodyWorst);
        report("Right ascensions and declinations", raWorst);
        report("Eclipse elements", shadowWorst);
        report("Season lengths (as the Sun's motion)", seasonWorst);
        for (std::size_t i = 0; i < planetWorst.size(); ++i) {
            if (!planetWorst[i].where.isEmpty())
                report(BodyName(Body(i)).data(), planetWorst[i]);
        }
        for (std::size_t i = 0; i < astrometricWorst.size(); ++i) {
            const char *name = Body(i) == Body::Earth ? "Sun" : BodyName(Body(i)).data();
            if (!astrometricWorst[i].where.isEmpty())
                report(name, astrometricWorst[i]);
        }
    }
};

QTEST_APPLESS_MAIN(TestAlmanac)
#include "test_almanac.moc"

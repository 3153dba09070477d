// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/roughsky.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace roughsky {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double RadiansPerDegree = Pi / 180;
constexpr double J2000 = 2451545.0;
constexpr double DaysPerCentury = 36525.0;
constexpr double KilometresPerAu = 149597870.7;
// The Earth's mass over the Moon's, JPL's DE405 figure (81.30056) rounded.
constexpr double EarthMoonMassRatio = 81.3006;

// ---- The planets ------------------------------------------------------------

// One planet's elements at J2000 and their rates a Julian century, on the
// mean ecliptic and equinox of J2000, with the extra terms of the mean
// anomaly, b T² + c cos(f T) + s sin(f T), for Jupiter to Pluto.
struct Elements {
    double a, aRate;                   // semi-major axis, au
    double e, eRate;                   // eccentricity
    double i, iRate;                   // inclination, degrees
    double meanLongitude, lRate;       // degrees
    double perihelion, perihelionRate; // longitude of perihelion, degrees
    double node, nodeRate;             // longitude of the ascending node, degrees
    double b, c, s, f;                 // degrees; f degrees a century
};

// Standish, tables 2a and 2b (3000 BC to 3000 AD), by Body; the Earth's row
// is the Earth–Moon barycentre's.
constexpr std::array<Elements, 9> Planets{{
    // Mercury
    {0.38709843, 0.00000000, 0.20563661, 0.00002123, 7.00559432, -0.00590158, 252.25166724,
     149472.67486623, 77.45771895, 0.15940013, 48.33961819, -0.12214182, 0, 0, 0, 0},
    // Venus
    {0.72332102, -0.00000026, 0.00676399, -0.00005107, 3.39777545, 0.00043494, 181.97970850,
     58517.81560260, 131.76755713, 0.05679648, 76.67261496, -0.27274174, 0, 0, 0, 0},
    // The Earth–Moon barycentre
    {1.00000018, -0.00000003, 0.01673163, -0.00003661, -0.00054346, -0.01337178, 100.46691572,
     35999.37306329, 102.93005885, 0.31795260, -5.11260389, -0.24123856, 0, 0, 0, 0},
    // Mars
    {1.52371243, 0.00000097, 0.09336511, 0.00009149, 1.85181869, -0.00724757, -4.56813164,
     19140.29934243, -23.91744784, 0.45223625, 49.71320984, -0.26852431, 0, 0, 0, 0},
    // Jupiter
    {5.20248019, -0.00002864, 0.04853590, 0.00018026, 1.29861416, -0.00322699, 34.33479152,
     3034.90371757, 14.27495244, 0.18199196, 100.29282654, 0.13024619, -0.00012452, 0.06064060,
     -0.35635438, 38.35125000},
    // Saturn
    {9.54149883, -0.00003065, 0.05550825, -0.00032044, 2.49424102, 0.00451969, 50.07571329,
     1222.11494724, 92.86136063, 0.54179478, 113.63998702, -0.25015002, 0.00025899, -0.13434469,
     0.87320147, 38.35125000},
    // Uranus
    {19.18797948, -0.00020455, 0.04685740, -0.00001550, 0.77298127, -0.00180155, 314.20276625,
     428.49512595, 172.43404441, 0.09266985, 73.96250215, 0.05739699, 0.00058331, -0.97731848,
     0.17689245, 7.67025000},
    // Neptune
    {30.06952752, 0.00006447, 0.00895439, 0.00000818, 1.77005520, 0.00022400, 304.22289287,
     218.46515314, 46.68158724, 0.01009938, 131.78635853, -0.00606302, -0.00041348, 0.68346318,
     -0.10162547, 7.67025000},
    // Pluto
    {39.48686035, 0.00449751, 0.24885238, 0.00006016, 17.14104260, 0.00000501, 238.96535011,
     145.18042903, 224.09702598, -0.00968827, 110.30167986, -0.00809981, -0.01262724, 0, 0, 0},
}};

using Vector = std::array<double, 3>;

// An angle in degrees brought to [-180, 180).
double Reduced(double degrees)
{
    return degrees - 360 * std::floor((degrees + 180) / 360);
}

// The eccentric anomaly, radians, for a mean anomaly in radians within
// [-π, π): Newton's method from Danby's start, which reaches a
// hundred-billionth of a radian in three or four steps at Pluto's
// eccentricity.
double EccentricAnomaly(double meanAnomaly, double e)
{
    double anomaly = meanAnomaly + (meanAnomaly < 0 ? -0.85 : 0.85) * e;
    for (int step = 0; step < 12; ++step) {
        const double change =
            (anomaly - e * std::sin(anomaly) - meanAnomaly) / (1 - e * std::cos(anomaly));
        anomaly -= change;
        if (std::fabs(change) < 1e-11)
            break;
    }
    return anomaly;
}

// The heliocentric place of a planet (or the barycentre), au, on the
// ecliptic and equinox of J2000; T in Julian centuries from J2000.
Vector Heliocentric(const Elements &p, double T)
{
    const double a = p.a + p.aRate * T;
    const double e = p.e + p.eRate * T;
    const double i = (p.i + p.iRate * T) * RadiansPerDegree;
    const double meanLongitude = p.meanLongitude + p.lRate * T;
    const double perihelion = p.perihelion + p.perihelionRate * T;
    const double node = (p.node + p.nodeRate * T) * RadiansPerDegree;
    double meanAnomaly = meanLongitude - perihelion + p.b * T * T;
    if (p.f != 0)
        meanAnomaly +=
            p.c * std::cos(p.f * T * RadiansPerDegree) + p.s * std::sin(p.f * T * RadiansPerDegree);
    const double E = EccentricAnomaly(Reduced(meanAnomaly) * RadiansPerDegree, e);

    // In the plane of the orbit, x towards the perihelion.
    const double x = a * (std::cos(E) - e);
    const double y = a * std::sqrt(1 - e * e) * std::sin(E);

    const double argument = perihelion * RadiansPerDegree - node; // of the perihelion
    const double cw = std::cos(argument), sw = std::sin(argument);
    const double cn = std::cos(node), sn = std::sin(node);
    const double ci = std::cos(i), si = std::sin(i);
    return {
        (cw * cn - sw * sn * ci) * x + (-sw * cn - cw * sn * ci) * y,
        (cw * sn + sw * cn * ci) * x + (-sw * sn + cw * cn * ci) * y,
        sw * si * x + cw * si * y,
    };
}

// ---- The Moon ---------------------------------------------------------------

// One periodic term: the multiples of D, M, M' and F in its argument, and
// its coefficient, in millionths of a degree for the longitude and latitude
// and in metres for the distance.
struct LongitudeTerm {
    std::int8_t d, m, mp, f;
    std::int32_t longitude, distance; // sine, cosine
};
struct LatitudeTerm {
    std::int8_t d, m, mp, f;
    std::int32_t latitude; // sine
};

// Meeus, table 47.A.
constexpr LongitudeTerm LongitudeTerms[] = {
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
};

// Meeus, table 47.B.
constexpr LatitudeTerm LatitudeTerms[] = {
    {0, 0, 0, 1, 5128122}, {0, 0, 1, 1, 280602},  {0, 0, 1, -1, 277693}, {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},  {2, 0, -1, -1, 46271}, {2, 0, 0, 1, 32573},   {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},   {0, 0, 2, -1, 8822},   {2, -1, 0, -1, 8216},  {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},    {2, 1, 0, -1, -3359},  {2, -1, -1, 1, 2463},  {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065}, {0, 1, -1, -1, -1870}, {4, 0, -1, -1, 1828},  {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},   {0, 1, -1, 1, -1565},  {1, 0, 0, 1, -1491},   {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},  {0, 1, 0, -1, -1344},  {1, 0, 0, -1, -1335},  {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},   {4, 0, -1, 1, 833},    {0, 0, 1, -3, 777},    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},    {2, 0, 2, -1, 596},    {2, -1, 1, -1, 491},   {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},    {2, 0, 2, 1, 422},     {2, 0, -3, -1, 421},   {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},    {4, 0, 0, 1, 331},     {2, -1, 1, 1, 315},    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},    {2, 1, 1, -1, -229},   {1, 1, 0, -1, 223},    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},  {2, 1, -1, -1, -220},  {1, 0, 1, 1, -185},    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},    {4, 0, -2, -1, 176},   {4, -1, -1, -1, 166},  {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},    {1, 0, -1, -1, -119},  {4, -1, 0, -1, 115},   {2, -2, 0, 1, 107},
};

// A point on the unit circle, cos + i sin, multiplied as complex numbers:
// the sines and cosines of the terms' arguments come from products of a
// few tabulated multiples instead of a sine each.
struct Turn {
    double c, s;
};

Turn operator*(Turn a, Turn b)
{
    return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s};
}

Turn TurnOf(double degrees)
{
    const double radians = Reduced(degrees) * RadiansPerDegree;
    return {std::cos(radians), std::sin(radians)};
}

// The turns of -n to n times an angle, the middle one at [n].
template <int N> struct Multiples {
    std::array<Turn, 2 * N + 1> turn;
    explicit Multiples(Turn once)
    {
        turn[N] = {1, 0};
        for (int k = 1; k <= N; ++k) {
            turn[N + k] = turn[N + k - 1] * once;
            turn[N - k] = {turn[N + k].c, -turn[N + k].s};
        }
    }
    Turn operator[](int k) const { return turn[N + k]; }
};

// A polynomial in T, coefficients from the constant term up.
template <std::size_t K> double Polynomial(const double (&c)[K], double T)
{
    double sum = 0;
    for (std::size_t k = K; k-- > 0;)
        sum = sum * T + c[k];
    return sum;
}

// ---- The frame of the date --------------------------------------------------

using Matrix = double[3][3];

// From the ecliptic of J2000 to the mean ecliptic and equinox of the date,
// by the long-term precession (Vondrák, Capitaine and Wallace 2011), as the
// true sky turns its places.
void PrecessionAt(double tt, Matrix &out)
{
    // From the ecliptic of J2000 to the ICRS.
    static const struct FromJ2000 {
        double r[3][3];
        FromJ2000()
        {
            double toEcliptic[3][3];
            eraLtecm(2000.0, toEcliptic);
            eraTr(toEcliptic, r);
        }
    } fromJ2000;
    double toDate[3][3];
    eraLtecm(eraEpj(tt, 0), toDate);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out[i][j] = toDate[i][0] * fromJ2000.r[0][j] + toDate[i][1] * fromJ2000.r[1][j] +
                        toDate[i][2] * fromJ2000.r[2][j];
}

// The same, for any instant, from the matrices of the two terrestrial-time
// midnights around it: they turn by 0.00014° a day, at a rate that changes
// by a part in a hundred thousand a year, so the straight line between them
// is good to 1e-12 of a radian, at a twentieth of the cost. Each thread
// keeps the last day's pair.
void EclipticOfDate(double tt, Matrix &out)
{
    thread_local struct Day {
        double midnight = std::numeric_limits<double>::quiet_NaN();
        Matrix first, second;
    } day;
    const double midnight = std::floor(tt - 0.5) + 0.5;
    if (midnight != day.midnight) {
        PrecessionAt(midnight, day.first);
        PrecessionAt(midnight + 1, day.second);
        day.midnight = midnight;
    }
    const double share = tt - midnight;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out[i][j] = day.first[i][j] + share * (day.second[i][j] - day.first[i][j]);
}

Vector Rotated(const Matrix &m, const Vector &v)
{
    return {
        m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
        m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
        m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2],
    };
}

Direction Unit(const Vector &v)
{
    const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return {v[0] / length, v[1] / length, v[2] / length};
}

// The Moon's geocentric place as a vector, au, on the mean ecliptic and
// equinox of the date.
Vector LunarVector(const LunarPlace &moon)
{
    const double r = moon.distance / KilometresPerAu;
    const double l = moon.longitude * RadiansPerDegree, b = moon.latitude * RadiansPerDegree;
    return {r * std::cos(b) * std::cos(l), r * std::cos(b) * std::sin(l), r * std::sin(b)};
}

// ---- How far the rough sky strays ----------------------------------------

// The largest angle between Directions() and truesky::ApparentDirections in
// each century from 1600 to 9999 (Julian epochs of terrestrial time), by
// Body, the Sun in the Earth's row, times 1.25 and rounded up to two
// figures: measured on DE431's places by tools/roughsky.cpp three times,
// and the largest of the three runs kept. The first took the Moon every 0.3
// day in windows of 90 days, a window every 3.1 years, Mercury, Venus, the
// Sun and Mars every 7.13 days and Jupiter to Pluto every 19.7 days; the
// second sampled three times as densely; the third, as the tool stands,
// took the Moon every 0.3 day throughout. The denser runs raised the
// planets' figures by 8 % at most, within the margin, and the Moon's by up
// to 40 % in some centuries, which the windows had stepped over: the Moon's
// come from the continuous run. To be run again whenever either sky
// changes.
//
// Measured in the last run, degrees, in 1600-1699, 2000-2099, 3000-3099,
// 5000-5099 and 9900-9999:
//   Mercury  0.0219  0.0256  0.0297  0.0686  0.273
//   Venus    0.0199  0.0462  0.108   0.33    1.33
//   the Sun  0.0117  0.0171  0.0232  0.0591  0.219
//   Mars     0.0556  0.121   0.0988  0.371   1.61
//   Jupiter  0.189   0.193   0.263   0.584   1.74
//   Saturn   0.38    0.378   0.34    0.59    1.95
//   Uranus   0.348   0.197   0.488   2.72    7.86
//   Neptune  0.0736  0.0886  0.232   1.72    5.3
//   Pluto    0.092   0.0532  0.132   5.61    114
//   the Moon 0.00418  0.0041  0.00701  0.0242  0.158
// Beyond 3000 the elements are carried past the span they were fitted to.
// JPL gives these elements' error for Pluto as 400" in right ascension from
// 3000 BC to 3000 AD, and beyond it Pluto's elements drift fastest of all.
constexpr int FirstCentury = 1600;
constexpr std::size_t Centuries = 84;
constexpr std::array<std::array<double, Centuries>, 10> Bounds{{
    // Mercury
    {0.028, 0.028, 0.030, 0.030, 0.033, 0.031, 0.033, 0.034, 0.035, 0.033, 0.034, 0.036,
     0.035, 0.038, 0.038, 0.038, 0.040, 0.042, 0.044, 0.047, 0.050, 0.052, 0.057, 0.062,
     0.060, 0.062, 0.064, 0.064, 0.068, 0.072, 0.075, 0.073, 0.078, 0.084, 0.086, 0.094,
     0.094, 0.10,  0.11,  0.12,  0.12,  0.13,  0.13,  0.13,  0.14,  0.14,  0.14,  0.14,
     0.15,  0.15,  0.16,  0.16,  0.17,  0.17,  0.18,  0.18,  0.19,  0.20,  0.20,  0.21,
     0.21,  0.22,  0.22,  0.23,  0.23,  0.23,  0.24,  0.25,  0.25,  0.25,  0.26,  0.27,
     0.28,  0.28,  0.29,  0.30,  0.30,  0.31,  0.32,  0.32,  0.33,  0.34,  0.34,  0.35},
    // Venus
    {0.025, 0.034, 0.042, 0.045, 0.058, 0.063, 0.071, 0.080, 0.081, 0.091, 0.089, 0.12, 0.12, 0.14,
     0.14,  0.14,  0.17,  0.18,  0.20,  0.21,  0.22,  0.25,  0.25,  0.28,  0.29,  0.30, 0.32, 0.31,
     0.35,  0.35,  0.38,  0.38,  0.39,  0.43,  0.42,  0.48,  0.47,  0.51,  0.53,  0.53, 0.58, 0.58,
     0.62,  0.63,  0.64,  0.68,  0.65,  0.72,  0.71,  0.75,  0.77,  0.77,  0.82,  0.82, 0.89, 0.89,
     0.93,  0.95,  0.94,  1.1,   1.1,   1.1,   1.1,   1.1,   1.2,   1.2,   1.2,   1.2,  1.3,  1.3,
     1.3,   1.4,   1.3,   1.4,   1.4,   1.5,   1.5,   1.5,   1.6,   1.6,   1.6,   1.6,  1.6,  1.7},
    // the Sun
    {0.015, 0.019, 0.019, 0.021, 0.022, 0.022, 0.024, 0.025, 0.025, 0.025, 0.026, 0.027,
     0.027, 0.030, 0.029, 0.031, 0.035, 0.037, 0.040, 0.042, 0.044, 0.048, 0.051, 0.053,
     0.054, 0.055, 0.055, 0.058, 0.061, 0.062, 0.063, 0.064, 0.068, 0.071, 0.074, 0.077,
     0.080, 0.083, 0.088, 0.092, 0.096, 0.098, 0.11,  0.11,  0.11,  0.11,  0.12,  0.12,
     0.12,  0.12,  0.13,  0.13,  0.14,  0.14,  0.14,  0.15,  0.15,  0.16,  0.16,  0.17,
     0.17,  0.17,  0.18,  0.18,  0.18,  0.19,  0.19,  0.20,  0.20,  0.20,  0.21,  0.22,
     0.22,  0.23,  0.23,  0.24,  0.24,  0.25,  0.26,  0.26,  0.26,  0.27,  0.27,  0.28},
    // Mars
    {0.070, 0.067, 0.098, 0.12, 0.16, 0.17, 0.18, 0.17, 0.15, 0.14, 0.15, 0.11, 0.12, 0.13,
     0.13,  0.13,  0.15,  0.18, 0.22, 0.25, 0.30, 0.32, 0.37, 0.37, 0.41, 0.43, 0.39, 0.45,
     0.42,  0.39,  0.42,  0.40, 0.43, 0.45, 0.47, 0.53, 0.59, 0.59, 0.64, 0.70, 0.75, 0.75,
     0.80,  0.84,  0.79,  0.86, 0.87, 0.81, 0.88, 0.85, 0.85, 0.90, 0.95, 0.96, 1.1,  1.1,
     1.2,   1.3,   1.3,   1.3,  1.4,  1.4,  1.4,  1.4,  1.5,  1.4,  1.5,  1.5,  1.4,  1.5,
     1.6,   1.5,   1.6,   1.7,  1.7,  1.9,  1.9,  1.9,  2.0,  2.1,  2.0,  2.1,  2.1,  2.1},
    // Jupiter
    {0.24, 0.27, 0.29, 0.28, 0.25, 0.25, 0.31, 0.31, 0.30, 0.23, 0.28, 0.34, 0.35, 0.34,
     0.33, 0.40, 0.40, 0.39, 0.29, 0.31, 0.41, 0.41, 0.42, 0.47, 0.51, 0.55, 0.54, 0.44,
     0.39, 0.43, 0.53, 0.52, 0.56, 0.67, 0.73, 0.73, 0.70, 0.60, 0.54, 0.62, 0.65, 0.74,
     0.87, 0.95, 0.97, 0.95, 0.84, 0.80, 0.78, 0.83, 0.96, 1.2,  1.2,  1.3,  1.3,  1.2,
     1.1,  1.1,  1.1,  1.2,  1.3,  1.5,  1.6,  1.6,  1.6,  1.5,  1.4,  1.4,  1.5,  1.6,
     1.8,  1.9,  1.9,  1.9,  1.8,  1.8,  1.8,  1.8,  2.0,  2.1,  2.2,  2.3,  2.3,  2.2},
    // Saturn
    {0.48, 0.48, 0.50, 0.50, 0.48, 0.42, 0.38, 0.44, 0.42, 0.46, 0.56, 0.61, 0.60, 0.56,
     0.43, 0.34, 0.47, 0.48, 0.46, 0.58, 0.65, 0.69, 0.65, 0.44, 0.47, 0.52, 0.63, 0.59,
     0.62, 0.73, 0.80, 0.77, 0.54, 0.62, 0.74, 0.81, 0.80, 0.73, 0.79, 0.92, 0.89, 0.78,
     0.81, 0.97, 1.1,  1.1,  1.0,  0.81, 0.94, 1.1,  0.90, 1.1,  1.3,  1.4,  1.4,  1.3,
     1.1,  1.1,  1.1,  1.1,  1.3,  1.5,  1.7,  1.8,  1.7,  1.6,  1.3,  1.3,  1.4,  1.5,
     1.8,  2.0,  2.1,  2.2,  2.0,  1.8,  1.6,  1.6,  1.8,  2.1,  2.4,  2.5,  2.6,  2.5},
    // Uranus
    {0.44, 0.45, 0.39, 0.26, 0.25, 0.34, 0.38, 0.44, 0.40, 0.28, 0.24, 0.29, 0.37, 0.44,
     0.61, 0.69, 0.78, 0.86, 0.96, 1.3,  1.5,  1.7,  1.8,  1.9,  2.1,  2.3,  2.6,  2.8,
     2.9,  2.9,  3.0,  3.2,  3.3,  3.4,  3.5,  3.4,  3.4,  3.4,  3.5,  3.5,  3.5,  3.3,
     3.3,  3.3,  3.3,  3.2,  3.1,  3.1,  3.2,  3.2,  3.2,  3.2,  3.2,  3.4,  3.5,  3.6,
     3.7,  3.8,  3.9,  4.3,  4.6,  4.8,  5.0,  5.2,  5.7,  6.0,  6.4,  6.7,  6.9,  7.2,
     7.7,  8.0,  8.3,  8.5,  8.7,  9.0,  9.2,  9.4,  9.5,  9.6,  9.7,  9.8,  9.8,  9.9},
    // Neptune
    {0.093, 0.13, 0.064, 0.13, 0.12, 0.12, 0.12, 0.12, 0.11, 0.094, 0.099, 0.14, 0.20, 0.20,
     0.29,  0.27, 0.42,  0.47, 0.56, 0.72, 0.72, 0.91, 0.96, 1.2,   1.3,   1.4,  1.6,  1.6,
     1.7,   1.9,  1.9,   2.1,  2.0,  2.2,  2.2,  2.3,  2.3,  2.3,   2.3,   2.3,  2.4,  2.4,
     2.4,   2.4,  2.3,   2.3,  2.3,  2.3,  2.3,  2.2,  2.2,  2.2,   2.2,   2.3,  2.3,  2.4,
     2.4,   2.5,  2.5,   2.7,  2.9,  2.9,  3.2,  3.3,  3.5,  3.8,   3.9,   4.2,  4.3,  4.7,
     4.9,   5.0,  5.3,   5.4,  5.7,  5.8,  6.0,  6.2,  6.2,  6.4,   6.4,   6.6,  6.6,  6.7},
    // Pluto
    {0.12, 0.15, 0.059, 0.085, 0.067, 0.057, 0.11, 0.064, 0.079, 0.080, 0.052, 0.18, 0.14, 0.17,
     0.17, 0.29, 0.45,  0.35,  0.76,  0.68,  1.3,  1.6,   1.1,   2.5,   2.1,   3.1,  3.8,  2.3,
     5.2,  4.2,  5.9,   7.1,   4.0,   9.0,   7.1,  9.9,   12,    6.4,   15,    11,   16,   18,
     9.5,  21,   16,    23,    25,    14,    30,   22,    32,    35,    20,    40,   29,   44,
     47,   26,   53,    37,    57,    60,    34,   68,    46,    73,    76,    44,   84,   57,
     90,   93,   55,    110,   69,    110,   120,  68,    130,   83,    140,   140,  83,   150},
    // the Moon
    {0.0053, 0.0054, 0.0052, 0.0064, 0.0052, 0.0051, 0.0046, 0.0062, 0.0058, 0.0065, 0.0075, 0.0070,
     0.0089, 0.0089, 0.0088, 0.011,  0.0099, 0.010,  0.013,  0.011,  0.014,  0.014,  0.013,  0.017,
     0.017,  0.017,  0.020,  0.019,  0.023,  0.023,  0.022,  0.028,  0.028,  0.028,  0.031,  0.031,
     0.034,  0.036,  0.033,  0.038,  0.039,  0.039,  0.045,  0.044,  0.046,  0.050,  0.050,  0.055,
     0.057,  0.057,  0.063,  0.063,  0.065,  0.071,  0.071,  0.074,  0.078,  0.077,  0.085,  0.086,
     0.087,  0.094,  0.094,  0.10,   0.11,   0.11,   0.12,   0.12,   0.12,   0.13,   0.13,   0.14,
     0.14,   0.14,   0.15,   0.16,   0.16,   0.17,   0.17,   0.17,   0.18,   0.19,   0.19,   0.20},
}};

} // namespace

LunarPlace Moon(double tt)
{
    const double T = (tt - J2000) / DaysPerCentury;

    // The mean elements, degrees, on the mean equinox of the date.
    const double meanLongitude =
        Polynomial({218.3164477, 481267.88123421, -0.0015786, 1.0 / 538841, -1.0 / 65194000}, T);
    const double elongation =
        Polynomial({297.8501921, 445267.1114034, -0.0018819, 1.0 / 545868, -1.0 / 113065000}, T);
    const double sunAnomaly =
        Polynomial({357.5291092, 35999.0502909, -0.0001536, 1.0 / 24490000}, T);
    const double moonAnomaly =
        Polynomial({134.9633964, 477198.8675055, 0.0087414, 1.0 / 69699, -1.0 / 14712000}, T);
    const double latitudeArgument =
        Polynomial({93.2720950, 483202.0175233, -0.0036539, -1.0 / 3526000, 1.0 / 863310000}, T);
    // Venus's and Jupiter's action, and the flattening of the Earth.
    const Turn a1 = TurnOf(119.75 + 131.849 * T);
    const Turn a2 = TurnOf(53.09 + 479264.290 * T);
    const Turn a3 = TurnOf(313.45 + 481266.484 * T);
    // The terms in M shrink with the eccentricity of the Earth's orbit.
    const double eccentricity = 1 - 0.002516 * T - 0.0000074 * T * T;
    const double shrink[3] = {1, eccentricity, eccentricity * eccentricity};

    const Turn lp = TurnOf(meanLongitude);
    const Multiples<4> D(TurnOf(elongation));
    const Multiples<2> M(TurnOf(sunAnomaly));
    const Multiples<4> Mp(TurnOf(moonAnomaly));
    const Multiples<3> F(TurnOf(latitudeArgument));

    double longitude = 0, distance = 0, latitude = 0;
    for (const LongitudeTerm &term : LongitudeTerms) {
        const Turn t = D[term.d] * M[term.m] * Mp[term.mp] * F[term.f];
        const double k = shrink[std::abs(term.m)];
        longitude += k * term.longitude * t.s;
        distance += k * term.distance * t.c;
    }
    for (const LatitudeTerm &term : LatitudeTerms) {
        const Turn t = D[term.d] * M[term.m] * Mp[term.mp] * F[term.f];
        latitude += shrink[std::abs(term.m)] * term.latitude * t.s;
    }
    // sin(x - y) = sin x cos y - cos x sin y, and so on.
    const auto sinDifference = [](Turn x, Turn y) { return x.s * y.c - x.c * y.s; };
    const auto sinSum = [](Turn x, Turn y) { return x.s * y.c + x.c * y.s; };
    longitude += 3958 * a1.s + 1962 * sinDifference(lp, F[1]) + 318 * a2.s;
    latitude += -2235 * lp.s + 382 * a3.s + 175 * sinDifference(a1, F[1]) + 175 * sinSum(a1, F[1]) +
                127 * sinDifference(lp, Mp[1]) - 115 * sinSum(lp, Mp[1]);

    LunarPlace place;
    place.longitude = Reduced(meanLongitude + longitude * 1e-6);
    if (place.longitude < 0)
        place.longitude += 360;
    place.latitude = latitude * 1e-6;
    place.distance = 385000.56 + distance * 1e-3;
    return place;
}

namespace {

// The Moon to a tenth of a degree and 300 km, for the Earth's place alone:
// the Earth is the barycentre less 1/82 of the Moon's place, so this puts
// the Earth within 0.0000001 au of where the whole series would, which
// moves no direction by more than 0.00002°. The mean elements and the
// largest terms of the same series.
LunarPlace MoonForTheEarth(double tt)
{
    const double T = (tt - J2000) / DaysPerCentury;
    const double meanLongitude = 218.3164477 + 481267.88123421 * T;
    const double D = (297.8501921 + 445267.1114034 * T) * RadiansPerDegree;
    const double M = (357.5291092 + 35999.0502909 * T) * RadiansPerDegree;
    const double Mp = (134.9633964 + 477198.8675055 * T) * RadiansPerDegree;
    const double F = (93.2720950 + 483202.0175233 * T) * RadiansPerDegree;
    LunarPlace place;
    place.longitude = meanLongitude + 6.288774 * std::sin(Mp) + 1.274027 * std::sin(2 * D - Mp) +
                      0.658314 * std::sin(2 * D) + 0.213618 * std::sin(2 * Mp) -
                      0.185116 * std::sin(M) - 0.114332 * std::sin(2 * F);
    place.latitude = 5.128122 * std::sin(F) + 0.280602 * std::sin(Mp + F) +
                     0.277693 * std::sin(Mp - F) + 0.173237 * std::sin(2 * D - F);
    place.distance = 385000.56 - 20905.355 * std::cos(Mp) - 3699.111 * std::cos(2 * D - Mp) -
                     2955.968 * std::cos(2 * D) - 569.925 * std::cos(2 * Mp);
    return place;
}

} // namespace

void Directions(std::uint16_t bodies, double tt, std::array<Direction, 10> &out)
{
    constexpr auto bit = [](Body body) { return 1u << static_cast<unsigned>(body); };
    const unsigned moonBit = bit(Body::Moon);
    const unsigned wanted = bodies & 0x3ffu;
    if (wanted == 0)
        return;
    const Vector moon = LunarVector((wanted & moonBit) ? Moon(tt) : MoonForTheEarth(tt));
    if (wanted & moonBit)
        out[static_cast<std::size_t>(Body::Moon)] = Unit(moon);
    if ((wanted & ~moonBit) == 0)
        return;

    const double T = (tt - J2000) / DaysPerCentury;
    Matrix toDate;
    EclipticOfDate(tt, toDate);
    // The Earth, from the barycentre: the Moon's place is of the date, so
    // the barycentre is turned there first.
    const std::size_t earthIndex = static_cast<std::size_t>(Body::Earth);
    const Vector barycentre = Rotated(toDate, Heliocentric(Planets[earthIndex], T));
    const double share = 1 / (1 + EarthMoonMassRatio);
    const Vector earth{barycentre[0] - share * moon[0], barycentre[1] - share * moon[1],
                       barycentre[2] - share * moon[2]};
    if (wanted & bit(Body::Earth))
        out[earthIndex] = Unit({-earth[0], -earth[1], -earth[2]});
    for (std::size_t i = 0; i < Planets.size(); ++i) {
        if (i == earthIndex || !(wanted & (1u << i)))
            continue;
        const Vector planet = Rotated(toDate, Heliocentric(Planets[i], T));
        out[i] = Unit({planet[0] - earth[0], planet[1] - earth[1], planet[2] - earth[2]});
    }
}

std::array<double, 3> Heliocentric(Body planet, double tt)
{
    const auto index = static_cast<std::size_t>(planet);
    const double T = (tt - J2000) / DaysPerCentury;
    const Vector place = Heliocentric(Planets[index], T);
    if (planet != Body::Earth)
        return place;
    // The Moon's place is of the date: turned back to J2000 by the
    // transpose of the precession.
    Matrix toDate;
    EclipticOfDate(tt, toDate);
    const Vector moon = LunarVector(Moon(tt));
    const double share = 1 / (1 + EarthMoonMassRatio);
    Vector earth = place;
    for (int i = 0; i < 3; ++i)
        earth[i] -=
            share * (toDate[0][i] * moon[0] + toDate[1][i] * moon[1] + toDate[2][i] * moon[2]);
    return earth;
}

double ErrorBound(Body body, double year)
{
    const auto &bounds = Bounds[static_cast<std::size_t>(body)];
    const auto century = [](double y) {
        const double k = std::floor((y - FirstCentury) / 100);
        return static_cast<std::size_t>(std::clamp(k, 0.0, double(Centuries - 1)));
    };
    // A quarter of a year either side: a calendar year or a year of
    // universal time lies that close to the Julian epoch of terrestrial time.
    return std::max(bounds[century(year - 0.25)], bounds[century(year + 0.25)]);
}

} // namespace roughsky

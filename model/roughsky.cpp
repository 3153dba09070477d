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

// Beyond 3000 the elements are carried past the span they were fitted to,
// and the planets drift from them along their orbits: Pluto by 70° in
// 9999, where the T² term of its mean anomaly has grown far beyond its
// span. The corrections to the mean longitudes below, degrees, at the start
// of each century from 3000 to 10000 (Julian epochs of terrestrial time),
// taken in a straight line between, bring them back: fitted to DE431 by
// tools/roughfit.cpp, the mean over each century's hundred years of the
// difference in heliocentric longitude. Before 3000 the elements stand as
// published.
constexpr int FirstCorrected = 3000;
constexpr std::array<std::array<double, 71>, 9> LongitudeCorrections{{
    // Mercury
    {0.00000,  -0.00451, -0.00434, -0.00468, -0.00496, -0.00550, -0.00582, -0.00610, -0.00666,
     -0.00699, -0.00728, -0.00788, -0.00825, -0.00862, -0.00922, -0.00966, -0.01008, -0.01064,
     -0.01112, -0.01150, -0.01207, -0.01257, -0.01303, -0.01360, -0.01410, -0.01464, -0.01518,
     -0.01573, -0.01630, -0.01681, -0.01738, -0.01803, -0.01860, -0.01917, -0.01988, -0.02041,
     -0.02099, -0.02175, -0.02224, -0.02279, -0.02355, -0.02413, -0.02471, -0.02552, -0.02608,
     -0.02663, -0.02753, -0.02810, -0.02868, -0.02951, -0.03014, -0.03081, -0.03165, -0.03231,
     -0.03287, -0.03373, -0.03443, -0.03504, -0.03584, -0.03647, -0.03718, -0.03801, -0.03875,
     -0.03944, -0.04016, -0.04095, -0.04174, -0.04249, -0.04319, -0.04398, -0.04474},
    // Venus
    {0.00000, 0.00075, 0.00154, 0.00155, 0.00107, 0.00225, 0.00111, 0.00244, 0.00167,
     0.00214, 0.00279, 0.00171, 0.00348, 0.00217, 0.00319, 0.00324, 0.00284, 0.00400,
     0.00297, 0.00446, 0.00350, 0.00437, 0.00460, 0.00403, 0.00537, 0.00447, 0.00538,
     0.00539, 0.00550, 0.00601, 0.00588, 0.00650, 0.00639, 0.00663, 0.00728, 0.00672,
     0.00785, 0.00758, 0.00782, 0.00867, 0.00804, 0.00930, 0.00854, 0.00974, 0.00930,
     0.00987, 0.01047, 0.00998, 0.01137, 0.01068, 0.01173, 0.01148, 0.01223, 0.01214,
     0.01271, 0.01301, 0.01321, 0.01382, 0.01388, 0.01461, 0.01434, 0.01564, 0.01479,
     0.01631, 0.01583, 0.01665, 0.01703, 0.01706, 0.01818, 0.01754, 0.01873},
    // Earth
    {0.00000,  -0.00136, -0.00253, -0.00314, -0.00381, -0.00569, -0.00576, -0.00780, -0.00773,
     -0.00879, -0.00923, -0.00872, -0.00968, -0.00858, -0.00901, -0.00861, -0.00833, -0.00875,
     -0.00842, -0.00948, -0.00967, -0.01091, -0.01222, -0.01301, -0.01507, -0.01571, -0.01720,
     -0.01802, -0.01852, -0.01918, -0.01901, -0.01945, -0.01903, -0.01912, -0.01928, -0.01894,
     -0.01978, -0.01995, -0.02087, -0.02207, -0.02315, -0.02487, -0.02617, -0.02794, -0.02916,
     -0.03030, -0.03153, -0.03172, -0.03250, -0.03262, -0.03250, -0.03294, -0.03263, -0.03315,
     -0.03327, -0.03409, -0.03488, -0.03588, -0.03769, -0.03880, -0.04088, -0.04255, -0.04397,
     -0.04572, -0.04664, -0.04769, -0.04817, -0.04872, -0.04887, -0.04887, -0.04982},
    // Mars
    {0.00000,  -0.01741, -0.01186, -0.00830, -0.00305, 0.00293, 0.00816,  0.01302,  0.01673,
     0.01864,  0.01861,  0.01716,  0.01302,  0.00816,  0.00259, -0.00312, -0.00767, -0.01129,
     -0.01327, -0.01380, -0.01115, -0.00758, -0.00171, 0.00387, 0.01019,  0.01533,  0.01971,
     0.02250,  0.02413,  0.02278,  0.01931,  0.01427,  0.00872, 0.00258,  -0.00187, -0.00675,
     -0.00963, -0.01057, -0.00936, -0.00578, 0.00030,  0.00645, 0.01224,  0.01839,  0.02336,
     0.02729,  0.02986,  0.02971,  0.02607,  0.02172,  0.01571, 0.01013,  0.00489,  0.00023,
     -0.00435, -0.00570, -0.00561, -0.00183, 0.00402,  0.01046, 0.01632,  0.02250,  0.02836,
     0.03343,  0.03741,  0.03756,  0.03497,  0.03067,  0.02479, 0.01842,  0.01903},
    // Jupiter
    {0.00000, 0.08249, 0.09212, 0.10453, 0.09767, 0.04490, 0.00218, 0.01038, -0.00231,
     0.03662, 0.11215, 0.11955, 0.17529, 0.14815, 0.09001, 0.05519, 0.00582, 0.01594,
     0.04434, 0.11544, 0.16116, 0.22587, 0.20871, 0.15942, 0.12413, 0.02526, 0.06170,
     0.05575, 0.12293, 0.22546, 0.24799, 0.29162, 0.23793, 0.18585, 0.08854, 0.09693,
     0.08523, 0.14307, 0.27782, 0.27923, 0.39024, 0.31951, 0.26343, 0.19857, 0.11272,
     0.15332, 0.16159, 0.30264, 0.34430, 0.45150, 0.42596, 0.35530, 0.32476, 0.16323,
     0.24437, 0.20220, 0.32728, 0.44805, 0.47836, 0.56507, 0.45843, 0.44050, 0.28075,
     0.31165, 0.28708, 0.35743, 0.54317, 0.51956, 0.70385, 0.58197, 0.53404},
    // Saturn
    {0.00000,  -0.09551, -0.12692, -0.12064, -0.15895, 0.01043,  0.12319,  0.05792,  0.12887,
     0.02489,  -0.15604, -0.16849, -0.27053, -0.18572, -0.04628, -0.00463, 0.17416,  0.12780,
     -0.00459, -0.03416, -0.23734, -0.34521, -0.29552, -0.17805, -0.02817, 0.08125,  0.14949,
     0.04550,  -0.08332, -0.26336, -0.40360, -0.34739, -0.36958, -0.13401, 0.09270,  0.00465,
     0.12851,  -0.06944, -0.35652, -0.37631, -0.59986, -0.43328, -0.23977, -0.17858, 0.13773,
     0.00974,  -0.12857, -0.21129, -0.55562, -0.60971, -0.63079, -0.46447, -0.21741, -0.12996,
     0.03629,  -0.14684, -0.32776, -0.53776, -0.80861, -0.68479, -0.73962, -0.45642, -0.13449,
     -0.28725, -0.07378, -0.36834, -0.71743, -0.71106, -1.09309, -0.80040, -0.82318},
    // Uranus
    {0.00000,  -0.25066, -0.25787, -0.26364, -0.32710, -0.42652, -0.63674, -0.76551, -0.85187,
     -0.91173, -1.01063, -1.21176, -1.41077, -1.56030, -1.61832, -1.66999, -1.77666, -1.93880,
     -2.09265, -2.14760, -2.14806, -2.15021, -2.20430, -2.31824, -2.37377, -2.36692, -2.31964,
     -2.27382, -2.32028, -2.35498, -2.37499, -2.32817, -2.24617, -2.21792, -2.20179, -2.25159,
     -2.23536, -2.21672, -2.16918, -2.13406, -2.20267, -2.24576, -2.35767, -2.40028, -2.45413,
     -2.54099, -2.66276, -2.88156, -3.07502, -3.28543, -3.42820, -3.61083, -3.86064, -4.14241,
     -4.45730, -4.67614, -4.87438, -5.07882, -5.32565, -5.62555, -5.87037, -6.04141, -6.16151,
     -6.29124, -6.48007, -6.67028, -6.80093, -6.84866, -6.86841, -6.89686, -7.18597},
    // Neptune
    {0.00000, 0.18899, 0.14784, 0.21153, 0.35717, 0.27981, 0.54189, 0.46328, 0.65491,
     0.74325, 0.75318, 0.99972, 0.92878, 1.14789, 1.18844, 1.22998, 1.42037, 1.34890,
     1.52859, 1.53109, 1.54954, 1.68804, 1.58981, 1.72845, 1.68599, 1.68265, 1.77241,
     1.65163, 1.76927, 1.67517, 1.69278, 1.71163, 1.62305, 1.70603, 1.59358, 1.66061,
     1.59368, 1.61871, 1.61708, 1.59099, 1.67379, 1.59460, 1.76286, 1.68163, 1.84722,
     1.89114, 1.93583, 2.18076, 2.11696, 2.44649, 2.45863, 2.65595, 2.89828, 2.90677,
     3.28243, 3.29117, 3.54766, 3.75273, 3.79075, 4.12628, 4.12110, 4.34213, 4.49769,
     4.49897, 4.76775, 4.71369, 4.86951, 4.95794, 4.90372, 5.10945, 4.92246},
    // Pluto
    {0.00000,  0.18607,  0.16053,  0.29499,  0.35723,  0.34239,  0.56369,  0.69295,  0.80976,
     1.05795,  1.10193,  1.35771,  1.71221,  1.80459,  2.21883,  2.36628,  2.61038,  3.20962,
     3.28488,  3.87089,  4.13088,  4.36160,  5.22746,  5.28884,  6.09979,  6.47238,  6.70260,
     7.88746,  7.92200,  9.04419,  9.53474,  9.76459,  11.35192, 11.32390, 12.85311, 13.47678,
     13.67816, 15.76709, 15.61788, 17.63491, 18.41778, 18.53018, 21.21120, 20.86930, 23.41852,
     24.39778, 24.34093, 27.66766, 27.07216, 30.15537, 31.37572, 31.09359, 35.06457, 34.19450,
     37.81920, 39.31431, 38.84719, 43.45102, 42.28982, 46.58826, 48.37327, 47.80196, 53.12627,
     51.54939, 56.70246, 58.83177, 58.11398, 64.20822, 62.31770, 68.13835, 69.82708},
}};

double CorrectionAt(std::size_t planet, double epoch)
{
    const double position = (epoch - FirstCorrected) / 100;
    if (position <= 0)
        return 0;
    const auto &nodes = LongitudeCorrections[planet];
    if (position >= static_cast<double>(nodes.size() - 1))
        return nodes.back();
    const auto node = static_cast<std::size_t>(position);
    const double share = position - static_cast<double>(node);
    return nodes[node] + share * (nodes[node + 1] - nodes[node]);
}

// The heliocentric place of a planet (or the barycentre), au, on the
// ecliptic and equinox of J2000; T in Julian centuries from J2000.
Vector Heliocentric(std::size_t planet, double T)
{
    const Elements &p = Planets[planet];
    const double a = p.a + p.aRate * T;
    const double e = p.e + p.eRate * T;
    const double i = (p.i + p.iRate * T) * RadiansPerDegree;
    const double meanLongitude =
        p.meanLongitude + p.lRate * T + CorrectionAt(planet, 2000 + 100 * T);
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
//   Mercury  0.0219  0.0256  0.0291  0.0584  0.217
//   Venus    0.0199  0.0462  0.107   0.298   1.15
//   the Sun  0.0117  0.0171  0.0228  0.0486  0.174
//   Mars     0.0556  0.121   0.153   0.384   1.46
//   Jupiter  0.189   0.193   0.253   0.405   1.37
//   Saturn   0.38    0.378   0.377   0.254   1.21
//   Uranus   0.348   0.197   0.350   0.408   0.384
//   Neptune  0.0736  0.0886  0.0870  0.0920  0.0697
//   Pluto    0.092   0.0532  0.113   0.201   0.876
//   the Moon 0.00418  0.0041  0.00701  0.0242  0.158
// Beyond 3000 the elements are carried past the span they were fitted to,
// with the planets' mean longitudes corrected (LongitudeCorrections above);
// the rest of their drift, in the eccentricities and perihelia, grows the
// bounds of Venus and Mars most. The run after those corrections measured
// the centuries from 3000 on; those before are unchanged by them.
constexpr int FirstCentury = 1600;
constexpr std::size_t Centuries = 84;
constexpr std::array<std::array<double, Centuries>, 10> Bounds{{
    // Mercury
    {0.028, 0.028, 0.030, 0.030, 0.033, 0.031, 0.033, 0.034, 0.035, 0.033, 0.034, 0.036,
     0.035, 0.038, 0.037, 0.035, 0.036, 0.037, 0.039, 0.042, 0.043, 0.047, 0.046, 0.049,
     0.054, 0.054, 0.056, 0.058, 0.058, 0.062, 0.066, 0.067, 0.069, 0.073, 0.074, 0.078,
     0.079, 0.083, 0.087, 0.090, 0.090, 0.096, 0.096, 0.099, 0.11,  0.11,  0.12,  0.12,
     0.12,  0.13,  0.13,  0.13,  0.14,  0.14,  0.14,  0.15,  0.15,  0.16,  0.16,  0.16,
     0.16,  0.17,  0.18,  0.18,  0.18,  0.19,  0.19,  0.20,  0.20,  0.20,  0.21,  0.22,
     0.22,  0.22,  0.23,  0.23,  0.24,  0.24,  0.25,  0.25,  0.26,  0.27,  0.27,  0.28},
    // Venus
    {0.025, 0.034, 0.042, 0.045, 0.058, 0.063, 0.071, 0.080, 0.081, 0.091, 0.089, 0.12, 0.12, 0.14,
     0.14,  0.14,  0.15,  0.16,  0.18,  0.18,  0.19,  0.21,  0.22,  0.24,  0.25,  0.26, 0.28, 0.28,
     0.31,  0.31,  0.33,  0.34,  0.35,  0.38,  0.38,  0.42,  0.42,  0.44,  0.46,  0.45, 0.50, 0.50,
     0.53,  0.54,  0.55,  0.59,  0.57,  0.63,  0.63,  0.66,  0.68,  0.67,  0.73,  0.72, 0.77, 0.78,
     0.80,  0.83,  0.80,  0.88,  0.88,  0.91,  0.93,  0.92,  0.99,  0.98,  1.1,   1.1,  1.1,  1.1,
     1.1,   1.2,   1.2,   1.2,   1.3,   1.2,   1.3,   1.3,   1.4,   1.4,   1.4,   1.4,  1.4,  1.5},
    // the Sun
    {0.015, 0.019, 0.019, 0.021, 0.022, 0.022, 0.024, 0.025, 0.025, 0.025, 0.026, 0.027,
     0.027, 0.030, 0.029, 0.028, 0.031, 0.032, 0.034, 0.035, 0.035, 0.038, 0.040, 0.041,
     0.043, 0.043, 0.044, 0.047, 0.050, 0.051, 0.053, 0.054, 0.056, 0.059, 0.061, 0.062,
     0.064, 0.065, 0.069, 0.071, 0.074, 0.075, 0.078, 0.080, 0.083, 0.086, 0.088, 0.090,
     0.092, 0.096, 0.10,  0.11,  0.11,  0.11,  0.11,  0.12,  0.12,  0.12,  0.13,  0.13,
     0.13,  0.14,  0.14,  0.14,  0.15,  0.15,  0.15,  0.16,  0.16,  0.16,  0.17,  0.17,
     0.18,  0.18,  0.18,  0.19,  0.19,  0.20,  0.20,  0.21,  0.21,  0.21,  0.22,  0.22},
    // Mars
    {0.070, 0.067, 0.098, 0.12, 0.16, 0.17, 0.18, 0.17, 0.15, 0.14, 0.15, 0.11, 0.12, 0.13,
     0.20,  0.20,  0.18,  0.19, 0.20, 0.22, 0.22, 0.23, 0.26, 0.26, 0.30, 0.33, 0.33, 0.41,
     0.39,  0.40,  0.45,  0.43, 0.46, 0.49, 0.49, 0.51, 0.54, 0.53, 0.54, 0.58, 0.61, 0.61,
     0.65,  0.70,  0.67,  0.76, 0.78, 0.77, 0.86, 0.84, 0.85, 0.90, 0.93, 0.91, 0.97, 0.98,
     1.0,   1.1,   1.1,   1.1,  1.1,  1.2,  1.2,  1.3,  1.3,  1.3,  1.4,  1.4,  1.4,  1.5,
     1.5,   1.5,   1.5,   1.6,  1.6,  1.6,  1.7,  1.7,  1.7,  1.8,  1.8,  1.8,  1.9,  1.9},
    // Jupiter
    {0.24, 0.27, 0.29, 0.28, 0.25, 0.25, 0.31, 0.31, 0.30, 0.23, 0.28, 0.34, 0.35, 0.34,
     0.32, 0.30, 0.25, 0.25, 0.27, 0.33, 0.43, 0.42, 0.43, 0.44, 0.44, 0.36, 0.32, 0.35,
     0.46, 0.49, 0.55, 0.57, 0.56, 0.57, 0.51, 0.46, 0.50, 0.56, 0.62, 0.72, 0.75, 0.73,
     0.73, 0.69, 0.64, 0.66, 0.73, 0.78, 0.91, 0.89, 0.91, 0.95, 0.97, 0.88, 0.86, 0.91,
     1.1,  1.1,  1.2,  1.2,  1.2,  1.2,  1.1,  1.2,  1.2,  1.3,  1.3,  1.4,  1.4,  1.4,
     1.5,  1.4,  1.4,  1.4,  1.5,  1.6,  1.7,  1.7,  1.7,  1.7,  1.7,  1.8,  1.7,  1.8},
    // Saturn
    {0.48, 0.48, 0.50, 0.50, 0.48, 0.42, 0.38, 0.44, 0.42, 0.46, 0.56, 0.61, 0.60, 0.56,
     0.48, 0.39, 0.33, 0.50, 0.49, 0.46, 0.55, 0.61, 0.50, 0.52, 0.50, 0.36, 0.38, 0.46,
     0.63, 0.61, 0.61, 0.66, 0.54, 0.45, 0.32, 0.36, 0.49, 0.58, 0.73, 0.76, 0.75, 0.73,
     0.60, 0.48, 0.49, 0.55, 0.69, 0.81, 0.89, 1.0,  0.90, 0.77, 0.74, 0.74, 0.68, 0.83,
     1.1,  1.1,  1.1,  1.1,  1.0,  0.87, 0.82, 0.84, 0.95, 1.1,  1.3,  1.3,  1.3,  1.2,
     1.2,  1.1,  1.1,  1.2,  1.3,  1.4,  1.5,  1.6,  1.6,  1.4,  1.5,  1.4,  1.4,  1.6},
    // Uranus
    {0.44, 0.45, 0.39, 0.26, 0.25, 0.34, 0.38, 0.44, 0.40, 0.28, 0.24, 0.29, 0.37, 0.44,
     0.44, 0.39, 0.41, 0.40, 0.38, 0.41, 0.47, 0.47, 0.46, 0.48, 0.42, 0.46, 0.52, 0.49,
     0.51, 0.53, 0.42, 0.49, 0.52, 0.46, 0.52, 0.52, 0.41, 0.47, 0.46, 0.40, 0.45, 0.40,
     0.37, 0.38, 0.35, 0.30, 0.33, 0.32, 0.28, 0.29, 0.26, 0.27, 0.27, 0.28, 0.27, 0.27,
     0.30, 0.27, 0.28, 0.38, 0.41, 0.36, 0.42, 0.41, 0.38, 0.50, 0.49, 0.44, 0.51, 0.43,
     0.44, 0.53, 0.48, 0.51, 0.55, 0.45, 0.51, 0.51, 0.45, 0.54, 0.54, 0.43, 0.46, 0.49},
    // Neptune
    {0.093, 0.13,  0.064, 0.13,  0.12,  0.12,  0.12,  0.12,  0.11,  0.094, 0.099, 0.14,
     0.20,  0.20,  0.11,  0.15,  0.18,  0.16,  0.14,  0.073, 0.12,  0.17,  0.18,  0.17,
     0.12,  0.076, 0.14,  0.16,  0.17,  0.12,  0.073, 0.12,  0.15,  0.15,  0.12,  0.071,
     0.098, 0.14,  0.14,  0.13,  0.073, 0.075, 0.11,  0.13,  0.12,  0.084, 0.054, 0.045,
     0.063, 0.069, 0.077, 0.085, 0.092, 0.080, 0.078, 0.057, 0.070, 0.13,  0.16,  0.18,
     0.15,  0.11,  0.11,  0.17,  0.22,  0.20,  0.16,  0.083, 0.15,  0.21,  0.20,  0.17,
     0.088, 0.14,  0.18,  0.19,  0.15,  0.086, 0.13,  0.17,  0.18,  0.15,  0.089, 0.088},
    // Pluto
    {0.12,  0.15,  0.059, 0.085, 0.067, 0.057, 0.11,  0.064, 0.079, 0.080, 0.052, 0.18,
     0.14,  0.17,  0.15,  0.037, 0.054, 0.040, 0.048, 0.035, 0.060, 0.084, 0.047, 0.055,
     0.076, 0.097, 0.11,  0.065, 0.091, 0.16,  0.16,  0.16,  0.11,  0.15,  0.26,  0.25,
     0.23,  0.16,  0.21,  0.38,  0.37,  0.34,  0.24,  0.30,  0.53,  0.53,  0.48,  0.34,
     0.40,  0.73,  0.74,  0.72,  0.49,  0.52,  0.99,  1.0,   1.1,   0.69,  0.68,  1.3,
     1.4,   1.4,   0.93,  0.88,  1.7,   1.9,   1.9,   1.3,   1.2,   2.0,   2.3,   2.4,
     1.6,   1.5,   2.4,   2.9,   2.9,   2.0,   1.8,   2.8,   3.5,   3.4,   2.3,   1.1},
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
    const Vector barycentre = Rotated(toDate, Heliocentric(earthIndex, T));
    const double share = 1 / (1 + EarthMoonMassRatio);
    const Vector earth{barycentre[0] - share * moon[0], barycentre[1] - share * moon[1],
                       barycentre[2] - share * moon[2]};
    if (wanted & bit(Body::Earth))
        out[earthIndex] = Unit({-earth[0], -earth[1], -earth[2]});
    for (std::size_t i = 0; i < Planets.size(); ++i) {
        if (i == earthIndex || !(wanted & (1u << i)))
            continue;
        const Vector planet = Rotated(toDate, Heliocentric(i, T));
        out[i] = Unit({planet[0] - earth[0], planet[1] - earth[1], planet[2] - earth[2]});
    }
}

double LongitudeCorrection(Body planet, double epoch)
{
    return CorrectionAt(static_cast<std::size_t>(planet), epoch);
}

std::array<double, 3> Heliocentric(Body planet, double tt)
{
    const auto index = static_cast<std::size_t>(planet);
    const double T = (tt - J2000) / DaysPerCentury;
    const Vector place = Heliocentric(index, T);
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

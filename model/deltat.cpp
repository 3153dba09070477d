// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/deltat.h"

#include "model/ephemerisfiles.h"

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <utility>

namespace deltat {

namespace {

struct Row {
    double year;
    double seconds;
};

// ΔT at the start of each year.
// - 1620 to 1972, every second year: the table of observed values in Meeus,
//   Astronomical Algorithms, 2nd ed., Table 10.A (from the Astronomical
//   Almanac's reconstructions from timed eclipses and occultations).
// - 1974 to 2026, every year: the U.S. Naval Observatory's measured values
//   (IERS), file deltat.data, on 1 January;
// - 2027 and 2030: the same observatory's predictions, file deltat.preds.
constexpr std::array<Row, 232> Tabulated{{
    {1620, 121},     {1622, 112},     {1624, 103},     {1626, 95},      {1628, 88},
    {1630, 82},      {1632, 77},      {1634, 72},      {1636, 68},      {1638, 63},
    {1640, 60},      {1642, 56},      {1644, 53},      {1646, 51},      {1648, 48},
    {1650, 46},      {1652, 44},      {1654, 42},      {1656, 40},      {1658, 38},
    {1660, 35},      {1662, 33},      {1664, 31},      {1666, 29},      {1668, 26},
    {1670, 24},      {1672, 22},      {1674, 20},      {1676, 18},      {1678, 16},
    {1680, 14},      {1682, 12},      {1684, 11},      {1686, 10},      {1688, 9},
    {1690, 8},       {1692, 7},       {1694, 7},       {1696, 7},       {1698, 7},
    {1700, 7},       {1702, 7},       {1704, 8},       {1706, 8},       {1708, 9},
    {1710, 9},       {1712, 9},       {1714, 9},       {1716, 9},       {1718, 10},
    {1720, 10},      {1722, 10},      {1724, 10},      {1726, 10},      {1728, 10},
    {1730, 10},      {1732, 10},      {1734, 11},      {1736, 11},      {1738, 11},
    {1740, 11},      {1742, 11},      {1744, 12},      {1746, 12},      {1748, 12},
    {1750, 12},      {1752, 13},      {1754, 13},      {1756, 13},      {1758, 14},
    {1760, 14},      {1762, 14},      {1764, 14},      {1766, 15},      {1768, 15},
    {1770, 15},      {1772, 15},      {1774, 15},      {1776, 16},      {1778, 16},
    {1780, 16},      {1782, 16},      {1784, 16},      {1786, 16},      {1788, 16},
    {1790, 16},      {1792, 15},      {1794, 15},      {1796, 14},      {1798, 13},
    {1800, 13.1},    {1802, 12.5},    {1804, 12.2},    {1806, 12.0},    {1808, 12.0},
    {1810, 12.0},    {1812, 12.0},    {1814, 12.0},    {1816, 12.0},    {1818, 11.9},
    {1820, 11.6},    {1822, 11.0},    {1824, 10.2},    {1826, 9.2},     {1828, 8.2},
    {1830, 7.1},     {1832, 6.2},     {1834, 5.6},     {1836, 5.4},     {1838, 5.3},
    {1840, 5.4},     {1842, 5.6},     {1844, 5.9},     {1846, 6.2},     {1848, 6.5},
    {1850, 6.8},     {1852, 7.1},     {1854, 7.3},     {1856, 7.5},     {1858, 7.6},
    {1860, 7.7},     {1862, 7.3},     {1864, 6.2},     {1866, 5.2},     {1868, 2.7},
    {1870, 1.4},     {1872, -1.2},    {1874, -2.8},    {1876, -3.8},    {1878, -4.8},
    {1880, -5.5},    {1882, -5.3},    {1884, -5.6},    {1886, -5.7},    {1888, -5.9},
    {1890, -6.0},    {1892, -6.3},    {1894, -6.5},    {1896, -6.2},    {1898, -4.7},
    {1900, -2.8},    {1902, -0.1},    {1904, 2.6},     {1906, 5.3},     {1908, 7.7},
    {1910, 10.4},    {1912, 13.3},    {1914, 16.0},    {1916, 18.2},    {1918, 20.2},
    {1920, 21.1},    {1922, 22.4},    {1924, 23.5},    {1926, 23.8},    {1928, 24.3},
    {1930, 24.0},    {1932, 23.9},    {1934, 23.9},    {1936, 23.7},    {1938, 24.0},
    {1940, 24.3},    {1942, 25.3},    {1944, 26.2},    {1946, 27.3},    {1948, 28.2},
    {1950, 29.1},    {1952, 30.0},    {1954, 30.7},    {1956, 31.4},    {1958, 32.2},
    {1960, 33.1},    {1962, 34.0},    {1964, 35.0},    {1966, 36.5},    {1968, 38.3},
    {1970, 40.2},    {1972, 42.2},    {1974, 44.4840}, {1975, 45.4761}, {1976, 46.4567},
    {1977, 47.5214}, {1978, 48.5344}, {1979, 49.5861}, {1980, 50.5387}, {1981, 51.3808},
    {1982, 52.1668}, {1983, 52.9565}, {1984, 53.7882}, {1985, 54.3427}, {1986, 54.8712},
    {1987, 55.3222}, {1988, 55.8197}, {1989, 56.3000}, {1990, 56.8553}, {1991, 57.5653},
    {1992, 58.3092}, {1993, 59.1218}, {1994, 59.9844}, {1995, 60.7853}, {1996, 61.6287},
    {1997, 62.2950}, {1998, 62.9659}, {1999, 63.4673}, {2000, 63.8285}, {2001, 64.0908},
    {2002, 64.2998}, {2003, 64.4734}, {2004, 64.5736}, {2005, 64.6876}, {2006, 64.8452},
    {2007, 65.1464}, {2008, 65.4574}, {2009, 65.7768}, {2010, 66.0699}, {2011, 66.3246},
    {2012, 66.6030}, {2013, 66.9069}, {2014, 67.2810}, {2015, 67.6439}, {2016, 68.1024},
    {2017, 68.5927}, {2018, 68.9676}, {2019, 69.2202}, {2020, 69.3612}, {2021, 69.3594},
    {2022, 69.2945}, {2023, 69.2039}, {2024, 69.1752}, {2025, 69.1377}, {2026, 69.1099},
    {2027, 69.14},   {2030, 69.97},
}};

static_assert(Tabulated.back().year == 2030, "every row of the table is filled in");

constexpr double FirstTabulated = Tabulated.front().year;
constexpr double LastTabulated = Tabulated.back().year;

// 1 January 2000, 0 h is the Julian day 2451544.5; a mean Gregorian year
// has 365.2425 days.
constexpr double JulianDay2000 = 2451544.5;
constexpr double DaysPerYear = 365.2425;

// The Julian day of universal time at a decimal year.
double JulianDayOf(double year)
{
    return JulianDay2000 + (year - 2000) * DaysPerYear;
}

// The long-term model on either side of the table: the ephemeris library's
// own ΔT, its default model, which follows Stephenson, Morrison and
// Hohenkerk (2016, Proc. R. Soc. A 472: 20160404, with the 2021 addendum)
// for the past and the library's extrapolation of it for the future. It is
// made for DE431's tidal acceleration of the Moon (-25.8"/cy²), which the
// library takes from the files it reads.
double Modelled(double y)
{
    ephemeris::PrepareThread();
    char error[AS_MAXCH] = "";
    return swe_deltat_ex(JulianDayOf(y), SEFLG_SWIEPH, error) * 86400;
}

// Espenak and Meeus's expressions for ΔT beyond 2050 ("Polynomial
// Expressions for Delta T", Five Millennium Canon of Solar Eclipses, NASA
// 2006), after Morrison and Stephenson (2004): an older published model of
// the future, whose spread from the library's says how little the future is
// known.
double EspenakMeeus2006(double y)
{
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (y - 1820) / 100;
    if (y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

// The model joins the table without a jump: its difference from the first
// or last tabulated value is carried over and fades out over a century.
constexpr double Fade = 100;

template <typename Model> double Joined(Model model, double y, double edge, double observedAtEdge)
{
    const double weight = std::max(0.0, 1 - std::fabs(y - edge) / Fade);
    // Beyond the century of the fade the model stands alone, and is asked
    // once.
    if (weight == 0)
        return model(y);
    return model(y) + (observedAtEdge - model(edge)) * weight;
}

double Joined(double y, double edge, double observedAtEdge)
{
    return Joined(Modelled, y, edge, observedAtEdge);
}

// The rows on either side of a year within a table.
template <std::size_t N> std::pair<Row, Row> Around(const std::array<Row, N> &table, double year)
{
    auto after = std::upper_bound(table.begin(), table.end(), year,
                                  [](double y, const Row &row) { return y < row.year; });
    if (after == table.begin())
        ++after;
    if (after == table.end())
        --after;
    return {*std::prev(after), *after};
}

double Interpolated(double y)
{
    const auto [a, b] = Around(Tabulated, y);
    return a.seconds + (b.seconds - a.seconds) * (y - a.year) / (b.year - a.year);
}

// The standard uncertainty of the observed values at some epochs:
// - 1600: the decade fluctuations, about 20 s from 1300 to 1600 (Morrison and
//   Stephenson 2004, as NASA's "Uncertainty in Delta T" gives it);
// - 1657: 12 s (USNO, historic_deltat.data);
// - 1700, 1800, 1900: 5, 1 and 0.1 s (Stephenson and Houlden 1986, as NASA
//   gives it);
// - from 1955, timed with atomic clocks: 0.01 s (USNO), kept at 0.05 s for
//   the interpolation between the table's yearly values;
// - the predictions: 0.19, 0.33 and 0.77 s at 2026, 2027 and 2030 (USNO,
//   deltat.preds).
// Between them the logarithm is interpolated.
constexpr std::array<Row, 9> TableUncertainty{{
    {1600, 20},
    {1657, 12},
    {1700, 5},
    {1800, 1},
    {1900, 0.1},
    {1955, 0.05},
    {2026, 0.19},
    {2027, 0.33},
    {LastTabulated, 0.77},
}};

// Beyond the predictions the length of the day wanders like a random walk
// of 1.78 ms a century's square root (Huber 2000, as NASA quotes it). ΔT
// adds up the day's excess, so τ centuries on its uncertainty has grown by
// 1.78 ms × 36525 days × τ^1.5 / √3 = 37.5 s × τ^1.5.
constexpr double RandomWalkSeconds = 37.5;

} // namespace

double DecimalYear(double julianDay)
{
    return 2000 + (julianDay - JulianDay2000) / DaysPerYear;
}

double Seconds(double year)
{
    if (!std::isfinite(year))
        return 0;
    if (year < FirstTabulated)
        return Joined(year, FirstTabulated, Tabulated.front().seconds);
    if (year > LastTabulated)
        return Joined(year, LastTabulated, Tabulated.back().seconds);
    return Interpolated(year);
}

double Uncertainty(double year)
{
    if (year <= TableUncertainty.front().year)
        return TableUncertainty.front().seconds;
    if (year > LastTabulated) {
        // Never less than two published models differ by, each joined to
        // the predictions as the program joins its own: Espenak and Meeus's
        // expressions, left to themselves, already miss the measured 2026 by
        // six seconds.
        const double centuries = (year - LastTabulated) / 100;
        const double walk =
            TableUncertainty.back().seconds + RandomWalkSeconds * std::pow(centuries, 1.5);
        const double older =
            Joined(EspenakMeeus2006, year, LastTabulated, Tabulated.back().seconds);
        return std::max(walk, std::fabs(older - Seconds(year)));
    }
    const auto [a, b] = Around(TableUncertainty, year);
    const double f = (year - a.year) / (b.year - a.year);
    return std::exp(std::log(a.seconds) + (std::log(b.seconds) - std::log(a.seconds)) * f);
}

} // namespace deltat

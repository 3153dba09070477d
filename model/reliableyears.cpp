#include "model/reliableyears.h"

#include "model/deltat.h"

#include <array>

namespace truesky {

namespace {

// What each theory promises, and how fast the body's direction can move.
struct Trust {
    YearSpan theory;
    double fastestDegreesPerDay; // geocentric; the Earth's is the Sun's
};

// The theories' spans:
// - VSOP87 (Bretagnon and Francou 1988, A&A 202, 309): better than one arc
//   second for 4000 years on either side of J2000 for Mercury, Venus, the
//   Earth and Mars, 2000 years for Jupiter and Saturn, 6000 years for
//   Uranus and Neptune; beyond the calendar's end for all but Jupiter and
//   Saturn.
// - ELP 2000-82B (Chapront-Touzé and Chapront 1983, A&A 124, 50): fitted to
//   the observations and numerical integrations of the last centuries; over
//   the calendar its error is ruled by ΔT long before the theory's own.
// - Pluto's series (Meeus, Astronomical Algorithms, 2nd ed., chapter 37):
//   made for the years 1885 to 2099 only.
// The fastest motions are the largest changes in 24 hours over 1600 to 2600
// (tools/dailymotion.cpp), raised by a tenth and rounded up: measured
// 2.2036, 1.2589, 1.0201 (the Sun), 0.7917, 0.2429, 0.1307, 0.0633, 0.0381,
// 0.0405 and 15.3916 degrees (the Moon).
constexpr std::array<Trust, 10> Trusts{{
    {{1601, 6000}, 2.43},  // Mercury
    {{1601, 6000}, 1.39},  // Venus
    {{1601, 6000}, 1.13},  // the Earth, and so the Sun
    {{1601, 6000}, 0.88},  // Mars
    {{1601, 4000}, 0.27},  // Jupiter
    {{1601, 4000}, 0.144}, // Saturn
    {{1601, 8000}, 0.070}, // Uranus
    {{1601, 8000}, 0.042}, // Neptune
    {{1885, 2099}, 0.045}, // Pluto
    {{1601, 9999}, 16.94}, // the Moon
}};

constexpr double SecondsPerDay = 86400;

// Whether ΔT's uncertainty leaves the body within the trusted angle.
bool ClockGoodEnough(const Trust &trust, int year)
{
    const double drift = deltat::Uncertainty(year) / SecondsPerDay * trust.fastestDegreesPerDay;
    return drift <= TrustedDegrees;
}

YearSpan Reliable(const Trust &trust)
{
    YearSpan span = trust.theory;
    // ΔT is best known now and worse the further from now: walk out from
    // the present in both directions.
    constexpr int Present = 2000;
    int first = Present, last = Present;
    while (first - 1 >= span.first && ClockGoodEnough(trust, first - 1))
        --first;
    while (last + 1 <= span.last && ClockGoodEnough(trust, last + 1))
        ++last;
    return {first, last};
}

} // namespace

YearSpan ReliableYears(Body body)
{
    static const std::array<YearSpan, 10> spans = [] {
        std::array<YearSpan, 10> made{};
        for (std::size_t i = 0; i < Trusts.size(); ++i)
            made[i] = Reliable(Trusts[i]);
        return made;
    }();
    return spans[static_cast<std::size_t>(body)];
}

std::vector<Body> BodiesBeyondTheirYears(int year)
{
    std::vector<Body> beyond;
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        const auto body = static_cast<Body>(i);
        if (!ReliableYears(body).contains(year))
            beyond.push_back(body);
    }
    return beyond;
}

} // namespace truesky

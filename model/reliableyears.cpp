// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/reliableyears.h"

#include "model/dailymotion.h"
#include "model/deltat.h"

#include <array>

namespace truesky {

namespace {

// The theories' spans, by Body:
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
constexpr std::array<YearSpan, 10> TheorySpans{{
    {1601, 6000}, // Mercury
    {1601, 6000}, // Venus
    {1601, 6000}, // the Earth, and so the Sun
    {1601, 6000}, // Mars
    {1601, 4000}, // Jupiter
    {1601, 4000}, // Saturn
    {1601, 8000}, // Uranus
    {1601, 8000}, // Neptune
    {1885, 2099}, // Pluto
    {1601, 9999}, // the Moon
}};

constexpr double SecondsPerDay = 86400;

// Whether ΔT's uncertainty leaves the body within the trusted angle: it
// moves the body by at most its fastest daily motion for that long.
bool ClockGoodEnough(Body body, int year)
{
    const double drift = deltat::Uncertainty(year) / SecondsPerDay * DailyMotionBound(body);
    return drift <= TrustedDegrees;
}

YearSpan Reliable(Body body)
{
    const YearSpan span = TheorySpans[static_cast<std::size_t>(body)];
    // ΔT is best known now and worse the further from now: walk out from
    // the present in both directions.
    constexpr int Present = 2000;
    int first = Present, last = Present;
    while (first - 1 >= span.first && ClockGoodEnough(body, first - 1))
        --first;
    while (last + 1 <= span.last && ClockGoodEnough(body, last + 1))
        ++last;
    return {first, last};
}

} // namespace

YearSpan ReliableYears(Body body)
{
    static const std::array<YearSpan, 10> spans = [] {
        std::array<YearSpan, 10> made{};
        for (std::size_t i = 0; i < made.size(); ++i)
            made[i] = Reliable(static_cast<Body>(i));
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

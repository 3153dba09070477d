// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/reliableyears.h"

#include "model/dailymotion.h"
#include "model/deltat.h"
#include "model/ephemerisfiles.h"

#include <array>

namespace truesky {

namespace {

constexpr double SecondsPerDay = 86400;

// Whether ΔT's uncertainty leaves the body within the trusted angle: it
// moves the body by at most its fastest daily motion for that long.
bool ClockGoodEnough(Body body, int year)
{
    const double drift = deltat::Uncertainty(year) / SecondsPerDay * DailyMotionBound(body);
    return drift <= TrustedDegrees;
}

// Whether the ephemeris has a place for the body in the year: DE431's, or
// the library's analytic theory, whose arc second or so is far inside the
// trusted angle.
bool PlaceThere(Body body, int year)
{
    return ephemeris::SourceFor(body, year) != ephemeris::Source::None;
}

YearSpan Reliable(Body body)
{
    // ΔT is best known now and worse the further from now: walk out from
    // the present in both directions, as far as the calendar goes.
    constexpr int Present = 2000, First = 1601, Last = 9999;
    if (!PlaceThere(body, Present))
        return {Present, Present - 1}; // nothing at all
    int first = Present, last = Present;
    const auto good = [body](int year) {
        return PlaceThere(body, year) && ClockGoodEnough(body, year);
    };
    while (first - 1 >= First && good(first - 1))
        --first;
    while (last + 1 <= Last && good(last + 1))
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

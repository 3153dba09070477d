// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/truealignment.h"

#include "model/arithmetic.h"
#include "model/dailymotion.h"
#include "model/skyevents.h"
#include "model/truesky.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace alignment {

namespace {

// A skip shorter than this is not worth trusting the remembered pair for:
// the other pairs are worked out as well, for a longer one.
constexpr std::int64_t ShortSkip = 8;

std::vector<Body> TickedPlanets(const Query &query)
{
    std::vector<Body> chosen;
    for (std::size_t i = 0; i < AlignmentPlanets.size(); ++i) {
        if (query.ticked[i])
            chosen.push_back(AlignmentPlanets[i]);
    }
    return chosen;
}

// The smallest count of days after the start whose offset lies past the end
// date: the day-by-day search tests that day and stops there at the latest.
std::int64_t FirstDayPastTheEnd(const Query &query)
{
    const auto offset = [&](std::int64_t k) { return query.startOffset + static_cast<double>(k); };
    std::int64_t k = 1;
    if (query.endOffset - query.startOffset > 1)
        k = static_cast<std::int64_t>(query.endOffset - query.startOffset);
    while (offset(k) <= query.endOffset)
        ++k;
    while (k > 1 && offset(k - 1) > query.endOffset)
        --k;
    return k;
}

// A geocentric longitude as the finder's bearing, mirrored in the north like
// the display angles, to whole degrees.
int Bearing(double longitude, std::int32_t sign)
{
    return static_cast<int>(Round(sign == 1 ? longitude : 360 - longitude));
}

struct Verdict {
    bool aligned = true;
    int separation = 0;
};

// The finder's test of one day: every planet within the separation of the
// first; the separation of the last from the first.
Verdict Judge(const double *longitudes, std::size_t count, const Query &query)
{
    Verdict verdict;
    const int first = Bearing(longitudes[0], query.hemisphereSign);
    for (std::size_t j = 1; j < count; ++j) {
        verdict.separation = Separation(first, Bearing(longitudes[j], query.hemisphereSign));
        if (verdict.separation > query.maxSeparation) {
            verdict.aligned = false;
            break;
        }
    }
    return verdict;
}

// The angle between two longitudes, 0 to 180.
double Apart(double a, double b)
{
    const double d = std::fabs(a - b);
    return d > 180 ? 360 - d : d;
}

// How many days from this one on cannot be aligned, judged from two planets
// alone, or -1 when these two cannot tell that this day is not aligned.
//
// The finder's separation of two whole-degree bearings is never less than
// their angle, and rounding each bearing moves it half a degree at most:
// an aligned day has the first planet within T + 1 degrees of every other,
// so two others within 2T + 1 of each other. Each longitude moves at most
// its daily bound, so the angle between two planets shrinks by at most the
// sum of their bounds a day.
std::int64_t DaysApart(const Query &query, std::size_t a, std::size_t b, double angle,
                       double closingPerDay)
{
    const double t = query.maxSeparation;
    const double limit = (a == 0 || b == 0 ? t + 1 : 2 * t + 1) + 1e-9;
    if (angle <= limit)
        return -1;
    return static_cast<std::int64_t>(std::floor((angle - limit) / closingPerDay));
}

} // namespace

Result FindNextTrueAlignmentDayByDay(const Query &query)
{
    const std::vector<Body> chosen = TickedPlanets(query);
    if (chosen.size() < 2)
        return {};
    SearchRun run(query);
    std::array<double, 8> longitudes{};
    for (std::int64_t k = 1;; ++k) {
        const double offset = query.startOffset + static_cast<double>(k);
        truesky::GeocentricLongitudes(chosen.data(), chosen.size(),
                                      query.startJulianDay + static_cast<double>(k),
                                      longitudes.data());
        const Verdict day = Judge(longitudes.data(), chosen.size(), query);
        if (run.test(offset, day.aligned, day.separation))
            return run.finish(offset);
    }
}

Result FindNextTrueAlignment(const Query &query, SearchProgress *progress)
{
    const std::vector<Body> chosen = TickedPlanets(query);
    const std::size_t n = chosen.size();
    if (n < 2)
        return {};
    std::vector<double> bound(n);
    for (std::size_t i = 0; i < n; ++i)
        bound[i] = truesky::DailyMotionBound(chosen[i]);

    SearchRun run(query);
    const std::int64_t last = FirstDayPastTheEnd(query);
    // The pair that proved the last day apart: most likely to do it again.
    std::size_t deciderA = 0, deciderB = 1;
    std::array<double, 8> longitudes{};
    std::array<Body, 8> wanted{};
    std::array<double, 8> found{};

    for (std::int64_t k = 1;;) {
        if (progress) {
            if (progress->cancel.load())
                return {.cancelled = true};
            progress->fraction.store(static_cast<double>(k) / static_cast<double>(last));
        }
        const double offset = query.startOffset + static_cast<double>(k);
        const double julianDay = query.startJulianDay + static_cast<double>(k);

        // The remembered pair first; the others only when it cannot tell
        // much.
        const Body pair[2] = {chosen[deciderA], chosen[deciderB]};
        double pairLongitudes[2];
        truesky::GeocentricLongitudes(pair, 2, julianDay, pairLongitudes);
        longitudes[deciderA] = pairLongitudes[0];
        longitudes[deciderB] = pairLongitudes[1];
        std::int64_t skip =
            DaysApart(query, deciderA, deciderB, Apart(pairLongitudes[0], pairLongitudes[1]),
                      bound[deciderA] + bound[deciderB]);
        if (skip < ShortSkip && n > 2) {
            std::size_t count = 0;
            for (std::size_t i = 0; i < n; ++i) {
                if (i != deciderA && i != deciderB)
                    wanted[count++] = chosen[i];
            }
            truesky::GeocentricLongitudes(wanted.data(), count, julianDay, found.data());
            for (std::size_t i = 0, next = 0; i < n; ++i) {
                if (i != deciderA && i != deciderB)
                    longitudes[i] = found[next++];
            }
            for (std::size_t a = 0; a < n; ++a) {
                for (std::size_t b = a + 1; b < n; ++b) {
                    const std::int64_t days = DaysApart(
                        query, a, b, Apart(longitudes[a], longitudes[b]), bound[a] + bound[b]);
                    if (days > skip) {
                        skip = days;
                        deciderA = a;
                        deciderB = b;
                    }
                }
            }
        }

        if (skip >= 0) {
            // This day and the next `skip` are not aligned: the rules change
            // nothing on them, and only the end date can stop the search.
            if (k >= last)
                return run.finish(offset);
            k = std::min(k + skip + 1, last);
            continue;
        }
        const Verdict day = Judge(longitudes.data(), n, query);
        if (run.test(offset, day.aligned, day.separation))
            return run.finish(offset);
        ++k;
    }
}

std::optional<double> ClosestApproachNear(const std::array<bool, 8> &ticked, double julianDay)
{
    // The finder's boxes, Mercury to Pluto without the Earth.
    constexpr std::array<Body, 8> Boxes{Body::Mercury, Body::Venus,  Body::Mars,    Body::Jupiter,
                                        Body::Saturn,  Body::Uranus, Body::Neptune, Body::Pluto};
    constexpr double Reach = 30;
    skyevents::Search search;
    search.bodies = 0;
    int count = 0;
    for (std::size_t i = 0; i < Boxes.size(); ++i) {
        if (ticked[i]) {
            search.bodies |= skyevents::BodyBit(Boxes[i]);
            ++count;
        }
    }
    if (count < 2)
        return std::nullopt;
    const bool pair = count == 2;
    search.kinds =
        skyevents::KindBit(pair ? skyevents::Kind::Conjunction : skyevents::Kind::Gathering);
    search.group = pair ? 0 : search.bodies;
    search.limit = skyevents::LargestLimit;
    search.from = std::max(julianDay - Reach, skyevents::FirstJulianDay);
    search.to = std::min(julianDay + Reach, skyevents::EndJulianDay);
    const skyevents::Found found = skyevents::FindEvents(search);
    const auto least = std::min_element(found.events.begin(), found.events.end(),
                                        [](const skyevents::Event &a, const skyevents::Event &b) {
                                            return a.separation < b.separation;
                                        });
    if (least == found.events.end())
        return std::nullopt;
    return least->julianDay;
}

} // namespace alignment

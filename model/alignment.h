// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The alignment finder's search: the next day on which chosen planets stand
// in one direction as seen from the Earth, on a plane of its own that is
// independent of the views.

#include <array>
#include <cstdint>
#include <optional>

namespace alignment {

// The search plane: 3200 x 3200 units, the Sun at (1600, 1600), 40 units per
// astronomical unit, y growing downwards.
struct PlanePoint {
    std::int64_t x;
    std::int64_t y;
};
PlanePoint PlanePosition(double longitude, double meanDistance);

// Direction from the Earth's point to a body's, 0 up, growing clockwise.
double BearingFromEarth(PlanePoint earth, PlanePoint body);

// Separation of two whole-degree bearings, measured across 0/360 when one
// lies in the first quadrant and the other in the last.
int Separation(int first, int other);

// The eight planets the finder offers, in the order of its check boxes.
enum Planet { Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

struct Query {
    std::array<bool, 8> ticked{};
    int maxSeparation = 5;
    std::int32_t hemisphereSign = 1;
    // Days from the epoch to the date picker's value, its time of day kept
    // as the fraction.
    double startOffset = 0;
    // Days from the epoch to the last day searched (31 December 2500 at the
    // start of the day).
    double endOffset = 0;
    // The calendar day of the alignment the user accepted last, in whole days
    // from the epoch; none since the dialog was shown.
    std::optional<std::int64_t> lastAcceptedDay;
    // For the search on the true sky: the start's instant, a Julian day in
    // universal time. Every tested day is a whole number of days after it.
    double startJulianDay = 0;
};

struct Result {
    bool found = false;     // the search stopped before the end date
    double bestOffset = 0;  // the day of the narrowest separation
    double endedOffset = 0; // the day the search stopped on
    int bestSeparation = 0;
    bool cancelled = false; // the user stopped the search: nothing else holds

    bool operator==(const Result &) const = default;
};

// The finder's rules over the days it tests, whatever gives their bearings:
// which aligned day is the best so far, and on which day the search stops.
class SearchRun {
public:
    explicit SearchRun(const Query &query) : m_query(query) {}

    // One tested day, whether its ticked planets were all within the
    // separation of the first, and the separation of the last from the
    // first. True when the search stops on this day.
    bool test(double offset, bool aligned, int separation);
    // The outcome, the search having stopped on `endedOffset`.
    Result finish(double endedOffset) const;

private:
    const Query &m_query;
    bool m_found = false;
    int m_best = 0;
    double m_bestOffset = 0;
};

// Walks forward a day at a time from the day after the start. Needs at least
// two ticked planets (with fewer it reports nothing found).
Result FindNextAlignment(const Query &query);

// The calendar day of a day offset that carries a time of day, in whole days
// from the epoch.
std::int64_t CalendarDay(double offset);

// The last day the search tests: 31 December 2500, as an offset from the
// epoch.
double EndOffset();

} // namespace alignment

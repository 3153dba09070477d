#pragma once

// The alignment finder on the true sky: the finder's rules applied to the
// true geocentric longitudes of the ticked planets, as bearings mirrored by
// the hemisphere like the display angles.

#include "model/alignment.h"
#include "model/catalogue.h"

#include <atomic>

namespace alignment {

// Lets another thread follow a search and stop it.
struct SearchProgress {
    std::atomic<double> fraction{0}; // of the days up to the end date
    std::atomic<bool> cancel{false};
};

// Day by day, every ticked planet on every day: the reference the fast
// search must agree with.
Result FindNextTrueAlignmentDayByDay(const Query &query);

// The same answer as FindNextTrueAlignmentDayByDay, leaving out the days
// that provably cannot be aligned. `progress`, when given, is updated as
// the search goes and stops it when cancelled.
Result FindNextTrueAlignment(const Query &query, SearchProgress *progress = nullptr);

} // namespace alignment

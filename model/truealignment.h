// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The alignment finder on the true sky: the finder's rules applied to the
// true geocentric longitudes of the ticked planets, as bearings mirrored by
// the hemisphere like the display angles.

#include "model/alignment.h"
#include "model/catalogue.h"

#include <array>
#include <atomic>
#include <optional>

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

// The instant, a Julian day in universal time, at which the ticked planets
// come closest together within 30 days either side of `julianDay`: the
// least spread (the largest separation of two of them) of the true sky's
// apparent places, as the sky-events search finds it. Nothing where their
// spread has no minimum within 20° in that span. The finder names this
// day on the true sky rather than the first day of its own rule.
std::optional<double> ClosestApproachNear(const std::array<bool, 8> &ticked, double julianDay);

} // namespace alignment

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ephemeris' places for a search that asks for very many of them, at a
// fraction of their cost. A planet's or the Earth's heliocentric place
// moves away from its Keplerian orbit (model/roughsky.h) slowly and
// smoothly: the difference is worked out from the ephemeris on a fixed grid
// of instants, once each, when first needed, and interpolated between.
// The grid's spacing is each body's own, chosen so that the apparent
// directions worked out from these places stay within 0.00001° of the
// ephemeris' own from 1600 to 3000, and 0.0002° out to 9999, where the
// orbits have drifted (measured by tools/placetable.cpp).
//
// The Moon's place and Pluto's, which are cheap or change too fast for a
// coarse grid, are the ephemeris' own.
//
// The grid is fixed in time, so a place does not depend on what was asked
// before it. Callable from any thread; the grids are shared.

#include "model/truesky.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <unordered_map>

class PlaceTable final : public truesky::Places {
public:
    truesky::Position Heliocentric(Body planet, double tt) const override;
    truesky::Position Lunar(double tt) const override;

    // The grid's spacing for a planet or the Earth, days of terrestrial
    // time; 0 where the ephemeris is used itself.
    static double Spacing(Body planet);

    // Drops the nodes outside [from, to], terrestrial-time Julian days:
    // a search that has moved on keeps what it still needs.
    void forget(double from, double to);

    // How many nodes are kept.
    std::size_t size() const;

private:
    struct Grid {
        mutable std::mutex lock;
        std::unordered_map<std::int64_t, truesky::Position> differences;
    };
    truesky::Position DifferenceAt(Body planet, std::int64_t node) const;

    mutable std::array<Grid, 9> m_grids;
};

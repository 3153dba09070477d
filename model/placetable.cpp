// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/placetable.h"

#include "model/roughsky.h"

#include <cmath>

namespace {

// Points of the interpolation, centred on the interval that holds the
// instant: a polynomial of the seventh degree.
constexpr int Points = 8;

// Spacing by Body, days; see tools/placetable.cpp for what they give.
constexpr std::array<double, 9> Spacings{
    6,  // Mercury
    8,  // Venus
    6,  // the Earth
    16, // Mars
    16, // Jupiter
    32, // Saturn
    64, // Uranus
    64, // Neptune
    0,  // Pluto: the ephemeris itself, as before the table
};

} // namespace

double PlaceTable::Spacing(Body planet)
{
    return Spacings[static_cast<std::size_t>(planet)];
}

truesky::Position PlaceTable::DifferenceAt(Body planet, std::int64_t node) const
{
    Grid &grid = m_grids[static_cast<std::size_t>(planet)];
    {
        const std::lock_guard held(grid.lock);
        const auto found = grid.differences.find(node);
        if (found != grid.differences.end())
            return found->second;
    }
    // Worked out without the grid's lock: two threads may both work out
    // the same node, and store the same figures.
    const double tt = static_cast<double>(node) * Spacing(planet);
    const truesky::Position exact = truesky::EphemerisPlaces().Heliocentric(planet, tt);
    const std::array<double, 3> orbit = roughsky::Heliocentric(planet, tt);
    const truesky::Position difference{exact[0] - orbit[0], exact[1] - orbit[1],
                                       exact[2] - orbit[2]};
    const std::lock_guard held(grid.lock);
    grid.differences.emplace(node, difference);
    return difference;
}

truesky::Position PlaceTable::Heliocentric(Body planet, double tt) const
{
    const double spacing = Spacing(planet);
    if (spacing == 0)
        return truesky::EphemerisPlaces().Heliocentric(planet, tt);

    // Lagrange's interpolation on the nodes around the instant, at
    // x = (tt - first node) / spacing.
    const double units = tt / spacing;
    const auto first = static_cast<std::int64_t>(std::floor(units)) - (Points / 2 - 1);
    const double x = units - static_cast<double>(first);
    truesky::Position place = roughsky::Heliocentric(planet, tt);
    for (int j = 0; j < Points; ++j) {
        double weight = 1;
        for (int m = 0; m < Points; ++m) {
            if (m != j)
                weight *= (x - m) / (j - m);
        }
        const truesky::Position difference = DifferenceAt(planet, first + j);
        for (int k = 0; k < 3; ++k)
            place[k] += weight * difference[k];
    }
    return place;
}

truesky::Position PlaceTable::Lunar(double tt) const
{
    return truesky::EphemerisPlaces().Lunar(tt);
}

void PlaceTable::forget(double from, double to)
{
    for (std::size_t i = 0; i < m_grids.size(); ++i) {
        const double spacing = Spacings[i];
        if (spacing == 0)
            continue;
        const std::lock_guard held(m_grids[i].lock);
        std::erase_if(m_grids[i].differences, [&](const auto &entry) {
            const double tt = static_cast<double>(entry.first) * spacing;
            return tt < from || tt > to;
        });
    }
}

std::size_t PlaceTable::size() const
{
    std::size_t count = 0;
    for (const Grid &grid : m_grids) {
        const std::lock_guard held(grid.lock);
        count += grid.differences.size();
    }
    return count;
}

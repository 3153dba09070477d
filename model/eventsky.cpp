// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/eventsky.h"

#include "model/roughsky.h"

#include <cmath>

namespace skyevents {

namespace {

constexpr double DegreesPerRadian = 57.295779513082320876798;

} // namespace

void RoughDirections(Bodies bodies, double julianDay, SkyDirections &out)
{
    roughsky::Directions(bodies, truesky::AtUniversalTime(julianDay).tt, out);
}

void ExactDirections(Bodies bodies, double julianDay, SkyDirections &out,
                     const truesky::Places &places)
{
    std::array<Body, 10> chosen{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (bodies & (1u << i))
            chosen[count++] = static_cast<Body>(i);
    }
    std::array<Direction, 10> found{};
    truesky::ApparentDirections(chosen.data(), count, truesky::AtUniversalTime(julianDay),
                                found.data(), places);
    for (std::size_t i = 0; i < count; ++i)
        out[static_cast<std::size_t>(chosen[i])] = found[i];
}

double RoughError(Body body, double julianDay)
{
    return roughsky::ErrorBound(body, 2000 + (julianDay - 2451545.0) / 365.25);
}

double Separation(const Direction &a, const Direction &b)
{
    const double cross[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                             a[0] * b[1] - a[1] * b[0]};
    const double sine = std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
    const double cosine = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    return std::atan2(sine, cosine) * DegreesPerRadian;
}

double Longitude(const Direction &d)
{
    const double longitude = std::atan2(d[1], d[0]) * DegreesPerRadian;
    return longitude < 0 ? longitude + 360 : longitude;
}

} // namespace skyevents

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how far the place table's heliocentric places (model/
// placetable.h) stray from the ephemeris' own, century by century from 1600
// to 9999, and what that does to a geocentric direction: the figures
// behind PlaceTable's grid spacings. For each planet and the Earth it
// prints the largest distance in au over random instants, and the angle it
// makes at the body's least distance from the Earth, with the Earth's own
// error added, in degrees.
//
// Usage: heliodial_placetable [samples a century]   (200)
#include "model/placetable.h"
#include "model/catalogue.h"
#include "model/truesky.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr double J2000 = 2451545.0;
constexpr double DaysPerCentury = 36525.0;
constexpr double DegreesPerRadian = 57.295779513082320876798;

// The least distance from the Earth, au: Venus at an inferior conjunction,
// Mars at a perihelic opposition, and so on; the Sun at the Earth's
// perihelion.
constexpr std::array<double, 8> NearestApproach{0.54, 0.26, 0.98, 0.37, 3.9, 7.9, 17.2, 28.7};

double Distance(const truesky::Position &a, const truesky::Position &b)
{
    return std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
}

} // namespace

int main(int argc, char **argv)
{
    const int samples = argc > 1 ? std::atoi(argv[1]) : 200;
    if (samples <= 0) {
        std::fprintf(stderr, "heliodial_placetable: bad number of samples: %s\n", argv[1]);
        return 2;
    }
    std::mt19937_64 random(2026);
    std::array<double, 8> worst{};
    std::printf("century  largest difference, au: Mercury Venus Earth Mars Jupiter Saturn "
                "Uranus Neptune\n");
    for (int century = 1600; century <= 9900; century += 100) {
        const double start = J2000 + (century - 2000) / 100.0 * DaysPerCentury;
        std::uniform_real_distribution<double> instant(start, start + DaysPerCentury);
        std::array<double, 8> largest{};
        for (int i = 0; i < samples; ++i) {
            // A fresh table now and then, so that the nodes stay few.
            const PlaceTable table;
            const double tt = instant(random);
            for (std::size_t b = 0; b < largest.size(); ++b) {
                const auto planet = static_cast<Body>(b);
                const double d = Distance(table.Heliocentric(planet, tt),
                                          truesky::EphemerisPlaces().Heliocentric(planet, tt));
                largest[b] = std::max(largest[b], d);
            }
        }
        std::printf("%5d ", century);
        for (std::size_t b = 0; b < largest.size(); ++b) {
            std::printf(" %.1e", largest[b]);
            worst[b] = std::max(worst[b], largest[b]);
        }
        std::printf("\n");
        std::fflush(stdout);
    }
    const std::size_t earth = static_cast<std::size_t>(Body::Earth);
    std::printf("\nworst angle at the nearest approach, degrees (the Earth's error added):\n");
    for (std::size_t b = 0; b < worst.size(); ++b) {
        const double error = b == earth ? worst[b] : worst[b] + worst[earth];
        std::printf("  %-8s spacing %4.0f days  %.1e au  %.1e°\n",
                    BodyName(static_cast<Body>(b)).data(),
                    PlaceTable::Spacing(static_cast<Body>(b)), worst[b],
                    error / NearestApproach[b] * DegreesPerRadian);
    }
    return 0;
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures, century by century, how far the rough sky's directions
// (model/roughsky.h) stray from the true sky's apparent ones: the figures
// behind roughsky::ErrorBound. Prints the largest angle for each body and
// century, then each body's bound table, the measured largest angle times
// 1.25 rounded up to two figures.
//
// The true sky costs a few microseconds a body, so the instants are chosen
// to find each body's worst within about a minute on one core:
// - the Moon, whose rough series leaves out terms of a week's period and
//   longer: every 0.3 day;
// - Mercury, Venus, the Sun and Mars, whose errors swell near the Earth:
//   every 2.37 days;
// - Jupiter to Pluto, whose directions turn slowly: every 6.57 days.
// The odd steps keep the samples from keeping step with any period.
//
// Usage: heliodial_roughsky [first century] [last century]   (1600 9900)
// The years are Julian epochs of terrestrial time, as ErrorBound takes them.
#include "model/roughsky.h"
#include "model/catalogue.h"
#include "model/truesky.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr double J2000 = 2451545.0;
constexpr double DaysPerYear = 365.25;
constexpr double Margin = 1.25;

// The angle between two unit vectors, degrees: well conditioned at every
// angle, unlike the arc cosine of their dot product near 0.
double Between(const roughsky::Direction &a, const roughsky::Direction &b)
{
    const double cross[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                             a[0] * b[1] - a[1] * b[0]};
    const double sine = std::sqrt(cross[0] * cross[0] + cross[1] * cross[1] + cross[2] * cross[2]);
    const double cosine = a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
    return std::atan2(sine, cosine) * 180 / 3.14159265358979323846;
}

struct Worst {
    double angle = 0;
    double tt = 0;
};

// Samples the given bodies at one instant and keeps each one's worst.
void Sample(const std::vector<Body> &bodies, double tt, std::array<Worst, 10> &worst)
{
    std::uint16_t bits = 0;
    for (Body body : bodies)
        bits |= static_cast<std::uint16_t>(1u << static_cast<unsigned>(body));
    std::array<roughsky::Direction, 10> rough{};
    roughsky::Directions(bits, tt, rough);
    std::array<truesky::Direction, 10> exact{};
    truesky::ApparentDirections(bodies.data(), bodies.size(), truesky::AtTerrestrialTime(tt),
                                exact.data());
    for (std::size_t k = 0; k < bodies.size(); ++k) {
        const auto i = static_cast<std::size_t>(bodies[k]);
        const double angle = Between(rough[i], exact[k]);
        if (angle > worst[i].angle)
            worst[i] = {angle, tt};
    }
}

// Rounded up to two significant figures.
double Tidy(double value)
{
    const double unit = std::pow(10.0, std::floor(std::log10(value)) - 1);
    return std::ceil(value / unit - 1e-9) * unit;
}

std::string Name(Body body)
{
    return body == Body::Earth ? "Sun" : std::string(BodyName(body));
}

} // namespace

int main(int argc, char **argv)
{
    const int first = argc > 1 ? std::atoi(argv[1]) : 1600;
    const int last = argc > 2 ? std::atoi(argv[2]) : 9900;
    const std::vector<Body> moon{Body::Moon};
    const std::vector<Body> inner{Body::Mercury, Body::Venus, Body::Earth, Body::Mars};
    const std::vector<Body> outer{Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune,
                                  Body::Pluto};

    std::vector<int> centuries;
    std::vector<std::array<Worst, 10>> measured;
    std::printf("%-6s", "from");
    for (std::size_t i = 0; i < Catalogue.size(); ++i)
        std::printf(" %9s", Name(static_cast<Body>(i)).c_str());
    std::printf("   degrees\n");
    for (int century = first; century <= last; century += 100) {
        const double start = J2000 + (century - 2000) * DaysPerYear;
        const double end = start + 100 * DaysPerYear;
        std::array<Worst, 10> worst{};
        for (double tt = start + 0.1379; tt < end; tt += 0.3)
            Sample(moon, tt, worst);
        for (double tt = start + 1.713; tt < end; tt += 2.37)
            Sample(inner, tt, worst);
        for (double tt = start + 4.57; tt < end; tt += 6.57)
            Sample(outer, tt, worst);
        centuries.push_back(century);
        measured.push_back(worst);
        std::printf("%-6d", century);
        for (const Worst &w : worst)
            std::printf(" %9.5f", w.angle);
        std::printf("\n");
        std::fflush(stdout);
    }

    std::printf("\nlargest over the span, and where (Julian epoch)\n");
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        Worst most;
        for (const auto &worst : measured)
            if (worst[i].angle > most.angle)
                most = worst[i];
        std::printf("%-8s %9.5f  %.2f\n", Name(static_cast<Body>(i)).c_str(), most.angle,
                    2000 + (most.tt - J2000) / DaysPerYear);
    }

    std::printf("\nbounds, measured x %.2f rounded up to two figures\n", Margin);
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        std::printf("// %s\n{", Name(static_cast<Body>(i)).c_str());
        for (std::size_t k = 0; k < measured.size(); ++k) {
            // Two figures, written out: 0.0048, 0.16, 2.3, 140.
            const double bound = Tidy(Margin * measured[k][i].angle);
            const int decimals = std::max(0, 1 - static_cast<int>(std::floor(std::log10(bound))));
            std::printf("%s%.*f", k ? ", " : "", decimals, bound);
        }
        std::printf("},\n");
    }
}

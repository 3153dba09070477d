// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the most each body's true geocentric longitude moves between two
// instants one day apart, over every day of a span of years: the figures
// behind the alignment finder's daily motion bounds and the spans over which
// each true place is trusted. The Sun's is the Earth's heliocentric motion.
//
// With --sky, prints instead the largest angle each body's apparent
// direction turns through in a day, on the sky rather than along the
// ecliptic, and the most its ecliptic latitude and its angle from the Sun
// change in a day: the figures behind the other columns of the bounds.
// Usage: heliodial_dailymotion [--sky] [first year] [last year]   (1601 9999)
#include "model/dailymotion.h"
#include "model/catalogue.h"
#include "model/truesky.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

double JulianDay(int year)
{
    using namespace std::chrono;
    const sys_days day = year_month_day{std::chrono::year{year}, January, 1d};
    return truesky::EpochJulianDay + (day - sys_days{Epoch}).count(); // whole days from the epoch
}

// The angle each apparent direction turns through between two instants a
// day apart, the most over every day from `from` to `to`.
void MeasureSkyMotion(double from, double to)
{
    constexpr std::array<Body, 10> bodies{Body::Mercury, Body::Venus,  Body::Earth,  Body::Mars,
                                          Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune,
                                          Body::Pluto,   Body::Moon};
    std::array<truesky::Direction, 10> previous{}, current{};
    std::array<double, 10> most{}, latitude{}, elongation{};
    const std::size_t sun = static_cast<std::size_t>(Body::Earth);
    const auto latitudeOf = [](const truesky::Direction &d) { return std::asin(d[2]) * ERFA_DR2D; };
    truesky::ApparentDirections(bodies.data(), bodies.size(), truesky::AtUniversalTime(from),
                                previous.data());
    for (double day = from + 1; day <= to; day += 1) {
        truesky::ApparentDirections(bodies.data(), bodies.size(), truesky::AtUniversalTime(day),
                                    current.data());
        for (std::size_t i = 0; i < bodies.size(); ++i) {
            most[i] = std::max(most[i], eraSepp(previous[i].data(), current[i].data()) * ERFA_DR2D);
            latitude[i] =
                std::max(latitude[i], std::fabs(latitudeOf(current[i]) - latitudeOf(previous[i])));
            if (i != sun) {
                const double before = eraSepp(previous[i].data(), previous[sun].data());
                const double after = eraSepp(current[i].data(), current[sun].data());
                elongation[i] = std::max(elongation[i], std::fabs(after - before) * ERFA_DR2D);
            }
        }
        previous = current;
    }
    std::printf("%-8s %10s %10s %10s   bounds (sky, latitude, elongation)\n", "", "sky", "latitude",
                "elongation");
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        const Body body = bodies[i];
        const std::string name = body == Body::Earth ? "Sun" : std::string(BodyName(body));
        const truesky::MotionBound &bound = truesky::MotionBounds[i];
        const bool exceeded = most[i] > bound.sky || latitude[i] > bound.latitude ||
                              (i != sun && elongation[i] > bound.elongation);
        std::printf("%-8s %10.6f %10.6f %10.6f   %.3f %.3f %.3f%s\n", name.c_str(), most[i],
                    latitude[i], elongation[i], bound.sky, bound.latitude, bound.elongation,
                    exceeded ? "  EXCEEDED" : "");
    }
}

} // namespace

int main(int argc, char **argv)
{
    const bool skyMotion = argc > 1 && std::strcmp(argv[1], "--sky") == 0;
    if (skyMotion) {
        --argc;
        ++argv;
    }
    const int firstYear = argc > 1 ? std::atoi(argv[1]) : 1601;
    const int lastYear = argc > 2 ? std::atoi(argv[2]) : 9999;
    const auto julianDay = JulianDay;
    if (skyMotion) {
        MeasureSkyMotion(julianDay(firstYear), julianDay(lastYear));
        return 0;
    }

    constexpr std::size_t Planets = AlignmentPlanets.size();
    std::array<Body, Planets + 1> bodies{};
    std::copy(AlignmentPlanets.begin(), AlignmentPlanets.end(), bodies.begin());
    bodies[Planets] = Body::Moon;
    // The bodies, then the Sun.
    std::array<double, Planets + 2> previous{}, current{}, most{};
    const auto sky = [&](double day, auto &out) {
        truesky::GeocentricLongitudes(bodies.data(), bodies.size(), day, out.data());
        out.back() = truesky::HeliocentricLongitude(Body::Earth, day);
    };
    const double from = julianDay(firstYear), to = julianDay(lastYear);
    sky(from, previous);
    for (double day = from + 1; day <= to; day += 1) {
        sky(day, current);
        for (std::size_t i = 0; i < current.size(); ++i) {
            double moved = std::fabs(current[i] - previous[i]);
            if (moved > 180)
                moved = 360 - moved;
            most[i] = std::max(most[i], moved);
            previous[i] = current[i];
        }
    }
    // Each measured motion beside the bound the program uses for it.
    for (std::size_t i = 0; i < most.size(); ++i) {
        const Body body = i < bodies.size() ? bodies[i] : Body::Earth;
        const std::string name = i < bodies.size() ? std::string(BodyName(body)) : "Sun";
        const double bound = truesky::DailyMotionBound(body);
        std::printf("%-8s %.6f  bound %.3f%s\n", name.c_str(), most[i], bound,
                    most[i] > bound ? "  EXCEEDED" : "");
    }
}

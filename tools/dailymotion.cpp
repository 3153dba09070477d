// Prints the most each planet's true geocentric longitude moves between two
// instants one day apart, over every day of a span of years: the figures
// behind the alignment finder's daily motion bounds.
// Usage: heliodial_dailymotion [first year] [last year]   (1600 2600)
#include "model/catalogue.h"
#include "model/truesky.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const int firstYear = argc > 1 ? std::atoi(argv[1]) : 1600;
    const int lastYear = argc > 2 ? std::atoi(argv[2]) : 2600;
    const auto julianDay = [](int year) {
        using namespace std::chrono;
        const sys_days day = year_month_day{std::chrono::year{year}, January, 1d};
        return truesky::EpochJulianDay +
               (day - sys_days{Epoch}).count(); // whole days from the epoch
    };

    const auto &planets = AlignmentPlanets;
    std::array<double, 8> previous{}, current{}, most{};
    const double from = julianDay(firstYear), to = julianDay(lastYear);
    truesky::GeocentricLongitudes(planets.data(), planets.size(), from, previous.data());
    for (double day = from + 1; day <= to; day += 1) {
        truesky::GeocentricLongitudes(planets.data(), planets.size(), day, current.data());
        for (std::size_t i = 0; i < planets.size(); ++i) {
            double moved = std::fabs(current[i] - previous[i]);
            if (moved > 180)
                moved = 360 - moved;
            most[i] = std::max(most[i], moved);
            previous[i] = current[i];
        }
    }
    for (std::size_t i = 0; i < planets.size(); ++i)
        std::printf("%-8s %.6f\n", std::string(BodyName(planets[i])).c_str(), most[i]);
}

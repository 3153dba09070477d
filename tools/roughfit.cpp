// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fits the rough sky's corrections to the planets' mean longitudes beyond
// 3000 (model/roughsky.cpp, LongitudeCorrections): at the start of each
// century from 3100 to 10000 (Julian epochs of terrestrial time), the mean
// over the fifty years on either side of the heliocentric longitude of
// DE431's place less the rough sky's, sampled every 3.3 days. Prints the
// residuals of the corrections in force and the table to paste: the
// corrections plus their residuals. Run again until the residuals are a
// small fraction of the bounds they feed (two or three rounds).
#include "model/catalogue.h"
#include "model/roughsky.h"
#include "model/truesky.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double J2000 = 2451545.0;
constexpr double DaysPerYear = 365.25;
constexpr int FirstNode = 3000; // the elements' own span ends here
constexpr int Nodes = 71;       // 3000, 3100, ... 10000

double Longitude(const std::array<double, 3> &v)
{
    return std::atan2(v[1], v[0]) * 180 / 3.14159265358979323846;
}

double Wrapped(double degrees)
{
    return degrees - 360 * std::floor((degrees + 180) / 360);
}

} // namespace

int main()
{
    const truesky::Places &exact = truesky::EphemerisPlaces();
    std::printf("// Residuals, degrees, at 3000, 5000, 7000, 9000 and 10000:\n");
    std::array<std::array<double, Nodes>, 9> residual{};
    for (std::size_t p = 0; p < 9; ++p) {
        const auto planet = static_cast<Body>(p);
        for (int n = 1; n < Nodes; ++n) {
            const double epoch = FirstNode + 100.0 * n;
            double sum = 0;
            int count = 0;
            for (double year = epoch - 50; year < std::min(epoch + 50, 9999.9);
                 year += 3.3 / DaysPerYear) {
                const double tt = J2000 + (year - 2000) * DaysPerYear;
                sum += Wrapped(Longitude(exact.Heliocentric(planet, tt)) -
                               Longitude(roughsky::Heliocentric(planet, tt)));
                ++count;
            }
            residual[p][static_cast<std::size_t>(n)] = sum / count;
        }
        std::printf("//   %-8s", std::string(BodyName(planet)).c_str());
        for (const int n : {0, 20, 40, 60, 70})
            std::printf(" %9.5f", residual[p][static_cast<std::size_t>(n)]);
        std::printf("\n");
    }
    std::printf("\nconstexpr std::array<std::array<double, %d>, 9> LongitudeCorrections{{\n",
                Nodes);
    for (std::size_t p = 0; p < 9; ++p) {
        std::printf("    // %s\n    {", std::string(BodyName(static_cast<Body>(p))).c_str());
        for (int n = 0; n < Nodes; ++n) {
            const double total =
                roughsky::LongitudeCorrection(static_cast<Body>(p), FirstNode + 100.0 * n) +
                residual[p][static_cast<std::size_t>(n)];
            std::printf("%s%.5f", n == 0 ? "" : (n % 8 == 0 ? ",\n     " : ", "), total);
        }
        std::printf("},\n");
    }
    std::printf("}};\n");
}

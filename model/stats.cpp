// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/stats.h"

#include "model/arithmetic.h"

#include <charconv>
#include <cstdio>

std::string GeneralFormat(double value, const NumberStyle &style)
{
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    if (error != std::errc())
        return {};
    std::string text(buffer, end);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, style.decimalSeparator);
    return text;
}

namespace {

std::string HoursAndMinutes(std::int64_t hours, std::int64_t minutes, const NumberStyle &style)
{
    char time[32];
    std::snprintf(time, sizeof time, "%02lld%s%02lld", static_cast<long long>(hours),
                  style.timeSeparator.c_str(), static_cast<long long>(minutes));
    return time;
}

} // namespace

std::vector<std::string> StatsColumnTexts(const TPlanet &body, std::int32_t sign,
                                          const NumberStyle &style,
                                          const std::optional<TrueFigures> &sky)
{
    const bool north = sign == -1;
    std::vector<std::string> rows;
    rows.reserve(8);
    try {
        rows.push_back(body.Name);
        // Longitudes are held to a tenth of a degree; mirrored back in doubles
        // they pick up noise (360 - 354.6 is 5.399999999999977), so the angle is
        // rounded to its tenth again before it is written.
        const double h = north ? 360 - body.Longitude : body.Longitude;
        rows.push_back(GeneralFormat(static_cast<double>(Round(h * 10)) / 10, style));
        if (sky) {
            rows.push_back(std::to_string(Round(sky->geocentricLongitude) % 360));
            // To the minute, four minutes a degree; a whole turn is 00:00.
            const std::int64_t minutes = Round(sky->rightAscension * 4) % (24 * 60);
            rows.push_back(HoursAndMinutes(minutes / 60, minutes % 60, style));
        } else {
            const std::int64_t g = north ? Round(360 - body.GeoAngle) : Round(body.GeoAngle);
            rows.push_back(std::to_string(g));
            // g/360 of a day: four minutes a degree; 360 comes round to 00:00.
            rows.push_back(g == 0 ? "0" : HoursAndMinutes((g / 15) % 24, (g % 15) * 4, style));
        }
        rows.push_back(GeneralFormat(body.Mass, style));
        rows.push_back(GeneralFormat(body.MeanDistance, style));
        rows.push_back(GeneralFormat(body.Period, style));
        rows.push_back(
            GeneralFormat(static_cast<double>(Round(body.Period / 365.25 * 100)) / 100, style));
    } catch (const ArithmeticFault &) {
    }
    return rows;
}

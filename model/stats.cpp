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

std::vector<std::string> StatsColumnTexts(const TPlanet &body, std::int32_t sign,
                                          const NumberStyle &style)
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
        const std::int64_t g = north ? Round(360 - body.GeoAngle) : Round(body.GeoAngle);
        rows.push_back(std::to_string(g));
        if (g == 0) {
            rows.push_back("0");
        } else {
            // g/360 of a day: four minutes a degree; 360 comes round to 00:00.
            char time[32];
            std::snprintf(time, sizeof time, "%02lld%s%02lld",
                          static_cast<long long>((g / 15) % 24), style.timeSeparator.c_str(),
                          static_cast<long long>((g % 15) * 4));
            rows.push_back(time);
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

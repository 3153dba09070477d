// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/horizon.h"

#include "model/arithmetic.h"

#include <cmath>

using namespace std::chrono;

namespace {

// Greater than 360: subtract once; then below 0: add once.
double NormaliseOnce(double angle)
{
    if (angle > 360)
        angle -= 360;
    if (angle < 0)
        angle += 360;
    return angle;
}

} // namespace

int ClockHour(int hour, const QString &label)
{
    if (label == QLatin1String("pm") || label == QLatin1String("mdnt"))
        return hour + 12;
    return hour;
}

std::optional<double> NightShift(year_month_day day, double timeOfDay, int latitude)
{
    const int y = static_cast<int>(day.year());
    const unsigned m = static_cast<unsigned>(day.month());
    const unsigned d = static_cast<unsigned>(day.day());
    const bool summer = (m >= 4 && m <= 8) || (m == 3 && d >= 22) || (m == 9 && d <= 23);
    year_month_day reference;
    double halfLength;
    double sign;
    if (summer) {
        reference = year{y} / June / 22;
        halfLength = 93;
        sign = +1;
    } else {
        reference = year{m >= 9 ? y : y - 1} / December / 22;
        halfLength = 89;
        sign = -1;
    }
    // The status date carries its time of day; the reference date starts at
    // midnight. Truncated, a date before the reference counts a day fewer.
    const double apart =
        std::fabs(static_cast<double>((sys_days{reference} - sys_days{day}).count()) - timeOfDay);
    const double days = std::trunc(apart);

    const double square = 8100.0 - static_cast<double>(latitude) * latitude;
    if (!(square >= 0))
        return std::nullopt;
    const double f = 90 - std::sqrt(square);
    return f * sign * (halfLength - days) / halfLength;
}

std::optional<HorizonAngles> ComputeHorizon(const HorizonInputs &in)
{
    const int a = ClockHour(in.hour, in.label);
    const int k = (in.daylightSaving + 24 - a) * 90;
    const double h = in.hemisphereSign;
    HorizonAngles angles{};
    angles.base = NormaliseOnce((in.earthLongitude + 90) - h * (k / 6.0));
    const std::optional<double> g = NightShift(in.day, in.timeOfDay, in.latitude);
    if (!g)
        return std::nullopt;
    angles.shift = *g;
    angles.ray1 = NormaliseOnce(angles.base - h * angles.shift);
    angles.ray2 = NormaliseOnce((angles.base + 180) + h * angles.shift);
    angles.zenith = NormaliseOnce(angles.base - 90);
    return angles;
}

FarPoint HorizonRayEnd(double theta, Point earth, Size picture)
{
    if (theta == 0 || theta == 360)
        return {earth.x, -1};
    if (theta == 180)
        return {earth.x, picture.height};

    const bool right = theta <= 180;
    const double dx = right ? picture.width - earth.x : earth.x;
    double alpha;
    int ySign;
    if (theta <= 90) {
        alpha = 90 - theta;
        ySign = -1;
    } else if (theta <= 180) {
        alpha = theta - 90;
        ySign = +1;
    } else if (theta <= 270) {
        alpha = 270 - theta;
        ySign = +1;
    } else {
        alpha = theta - 270;
        ySign = -1;
    }
    const std::int64_t rise = Round(std::tan(DegToRad(alpha)) * dx);
    // Keep room for adding the Earth's y without overflowing.
    if (rise > (std::int64_t{1} << 62))
        throw ArithmeticFault("ray end out of range");
    return {right ? picture.width : 0, earth.y + ySign * rise};
}

Point PersonMarkerCentre(double zenith, Point earth)
{
    const double m = DegToRad(zenith);
    return {ToInt32(earth.x + Round(12 * std::sin(m))), ToInt32(earth.y - Round(12 * std::cos(m)))};
}

HourChange NextHourLabel(int h, int previous, const QString &label)
{
    const bool noon = label == QLatin1String("noon");
    const bool midnight = label == QLatin1String("mdnt");
    const bool am = label == QLatin1String("am");
    if (h < previous) {
        if (h == 1 && noon)
            return {QStringLiteral("pm"), 0};
        if (h == 1 && midnight)
            return {QStringLiteral("am"), +1};
        if (h == 11 && noon)
            return {QStringLiteral("am"), 0};
        if (h == 11 && midnight)
            return {QStringLiteral("pm"), 0};
    } else if (h > previous && h == 12) {
        if (previous == 11)
            return {am ? QStringLiteral("noon") : QStringLiteral("mdnt"), 0};
        return am ? HourChange{QStringLiteral("mdnt"), -1} : HourChange{QStringLiteral("noon"), 0};
    }
    return {label, 0};
}

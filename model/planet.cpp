// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/planet.h"

#include "model/angles.h"
#include "model/arithmetic.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// An angle brought into [0, 360] and rounded to a tenth of a degree.
double TenthOfDegree(double d)
{
    d = NormaliseLongitude(d);
    return static_cast<double>(Round(d * 10)) / 10;
}

// The longitude of a body moving 360/period degrees a day from `base`, with
// the direction of travel given by `sign`, brought into [0, 360] and rounded
// to a tenth of a degree.
double AdvanceAngle(double base, std::int32_t sign, double t, double period)
{
    const double s = sign;
    double d;
    if (t > 0)
        d = base + (360 * t / period) * s;
    else
        d = base - s * (std::fabs(t) * 360 / period);
    return TenthOfDegree(d);
}

} // namespace

Point OffsetAt(double angle, double radius)
{
    const Quadrant q = QuadrantOf(angle);
    const double e = DegToRad(q.reduced);
    const std::int64_t dx = q.xSign * Round(radius * std::cos(e));
    const std::int64_t dy = q.ySign * Round(radius * std::sin(e));
    return {ToInt32(dx), ToInt32(dy)};
}

std::int64_t ScaleRadius(View view, Size panel)
{
    const double k = view == View::Inner ? 0.85 : 0.96;
    return Round(panel.height / 2.0 * k);
}

TPlanet::TPlanet(std::string name, std::int32_t orbitRing, double meanDistance, double mass,
                 double period, double epochLongitude, const SceneGeometry &geometry)
    : Name(std::move(name)), OrbitRing(orbitRing), MeanDistance(meanDistance), Mass(mass),
      Period(period), EpochLongitude(epochLongitude), m_geometry(&geometry)
{
}

double TPlanet::Bearing(const Box &from, const Box &to)
{
    const Point a = from.centre();
    const Point b = to.centre();
    const std::int64_t dx = std::int64_t{b.x} - a.x;
    const std::int64_t dy = std::int64_t{b.y} - a.y;
    const double g = dx == 0 ? 90.0
                             : RadToDeg(std::atan(static_cast<double>(std::llabs(dy)) /
                                                  static_cast<double>(std::llabs(dx))));
    const bool right = dx >= 0;
    const bool below = dy >= 0;
    if (right && !below)
        GeoAngle = 90 - g;
    else if (right && below)
        GeoAngle = 90 + g;
    else if (!right && below)
        GeoAngle = 270 - g;
    else
        GeoAngle = 270 + g;
    return GeoAngle;
}

double TPlanet::LongitudeAt(std::int32_t sign, double t) const
{
    const double base = sign == 1 ? EpochLongitude : 360 - EpochLongitude;
    return AdvanceAngle(base, sign, t, Period);
}

bool TPlanet::UpdatePosition(std::int32_t sign, double dayOffset)
{
    try {
        Longitude = LongitudeAt(sign, dayOffset);
        ComputeViewPositions(Longitude);
        return true;
    } catch (const ArithmeticFault &) {
        return false;
    }
}

bool TPlanet::UpdateToLongitude(std::int32_t sign, double longitude)
{
    try {
        Longitude = TenthOfDegree(sign == 1 ? longitude : 360 - longitude);
        ComputeViewPositions(Longitude);
        return true;
    } catch (const ArithmeticFault &) {
        return false;
    }
}

void TPlanet::ComputeViewPositions(double a)
{
    struct Target {
        View view;
        std::int32_t &x;
        std::int32_t &y;
    };
    const Target targets[] = {{View::All, AllX, AllY},
                              {View::Inner, InnerX, InnerY},
                              {View::Outer, OuterX, OuterY},
                              {View::Far, FarX, FarY}};
    for (const Target &target : targets) {
        const Size panel = geometry().panelSize(target.view);
        const double scale = static_cast<double>(ScaleRadius(target.view, panel));
        double r = 0;
        switch (target.view) {
        case View::All:
            r = OrbitRing * scale / 9;
            break;
        case View::Inner:
            r = MeanDistance * scale / 1;
            break;
        case View::Outer:
            r = MeanDistance * scale / 10;
            break;
        case View::Far:
            r = std::max(MeanDistance * scale / 40, 25.0);
            break;
        case View::Moon:
            break;
        }
        const Point offset = OffsetAt(a, r);
        target.x = ToInt32(std::int64_t{panel.width / 2} + offset.x);
        target.y = ToInt32(std::int64_t{panel.height / 2} + offset.y);
    }
}

TMoon::TMoon(std::string name, std::int32_t orbitRing, double meanDistance, double mass,
             double period, double epochAngle, const SceneGeometry &geometry)
    : TPlanet(std::move(name), orbitRing, meanDistance, mass, period, 0, geometry),
      EpochAngle(epochAngle)
{
}

double TMoon::MoonAngleAt(double t) const
{
    return AdvanceAngle(EpochAngle, 1, t, Period);
}

bool TMoon::UpdatePosition(std::int32_t sign, double dayOffset)
{
    try {
        GeoAngle = MoonAngleAt(dayOffset);
        ComputeMoonViewPositions(GeoAngle, sign);
        return true;
    } catch (const ArithmeticFault &) {
        return false;
    }
}

bool TMoon::UpdateToLongitude(std::int32_t sign, double longitude)
{
    try {
        GeoAngle = TenthOfDegree(longitude);
        ComputeMoonViewPositions(GeoAngle, sign);
        return true;
    } catch (const ArithmeticFault &) {
        return false;
    }
}

void TMoon::ComputeMoonViewPositions(double a, std::int32_t sign)
{
    // The northern scene mirrors the Moon about the Earth through the sign of
    // its horizontal offset; 64-bit products keep any stored sign safe.
    const Point inner = OffsetAt(a, 30);
    const Point earth = geometry().innerEarthPicture().centre();
    InnerX = ToInt32(std::int64_t{earth.x} + std::int64_t{inner.x} * sign);
    InnerY = ToInt32(std::int64_t{earth.y} + inner.y);

    const Size moonPanel = geometry().panelSize(View::Moon);
    const Point large = OffsetAt(a, static_cast<double>(Round(moonPanel.height / 2.0 * 0.9)));
    const Point bigEarth = geometry().largeEarthPicture().centre();
    AllX = ToInt32(std::int64_t{bigEarth.x} + std::int64_t{large.x} * sign);
    AllY = ToInt32(std::int64_t{bigEarth.y} + large.y);
}

bool ComputeSunMark(TPlanet &earth, Size moonPanel)
{
    try {
        const std::int32_t w = moonPanel.width;
        const std::int32_t h = moonPanel.height;
        double s = earth.Longitude + 180;
        if (s > 360)
            s -= 360;
        if (s < 0)
            s += 360;
        const Quadrant q = QuadrantOf(s);
        const double e = DegToRad(q.reduced);
        const double cot = std::tan(DegToRad(90 - q.reduced));
        bool vertical = q.reduced == 90;
        if (!vertical) {
            earth.SunMarkX = ToInt32(std::int64_t{w / 2} + q.xSign * (w / 2));
            earth.SunMarkY = ToInt32(std::int64_t{h / 2} + q.ySign * Round(std::tan(e) * (w / 2)));
        }
        if (q.ySign == -1 && (vertical || earth.SunMarkY < 0)) {
            earth.SunMarkX = ToInt32(std::int64_t{w / 2} + q.xSign * Round(cot * (h / 2)));
            earth.SunMarkY = 0;
        } else if (q.ySign == +1 && (vertical || earth.SunMarkY > h)) {
            earth.SunMarkX = ToInt32(std::int64_t{w / 2} + q.xSign * Round(cot * (h / 2)));
            earth.SunMarkY = h;
        }
        earth.SunMarkX = std::min(std::max(earth.SunMarkX, 14), w - 14);
        earth.SunMarkY = std::min(std::max(earth.SunMarkY, 14), h - 14);
        return true;
    } catch (const ArithmeticFault &) {
        return false;
    }
}

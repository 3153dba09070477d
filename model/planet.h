// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/geometry.h"

#include <cstdint>
#include <string>

// One of the nine planets: its catalogue figures, its longitude for a day
// offset from the epoch and its picture centre on every view.
class TPlanet {
public:
    TPlanet(std::string name, std::int32_t orbitRing, double meanDistance, double mass,
            double period, double epochLongitude,
            const SceneGeometry &geometry = LayoutGeometry::standard());
    virtual ~TPlanet() = default;
    TPlanet(const TPlanet &) = delete;
    TPlanet &operator=(const TPlanet &) = delete;

    // Display angle from one picture's centre to another's (0 up, clockwise);
    // stored in GeoAngle.
    virtual double Bearing(const Box &from, const Box &to);

    // Computes the longitude (or the Moon's angle) for `dayOffset` days after
    // the epoch and the picture centres; false on an arithmetic fault, with
    // the fields written before the fault keeping their new values.
    virtual bool UpdatePosition(std::int32_t sign, double dayOffset);

    // Places the body at a longitude from another source (the true sky) the
    // way UpdatePosition places it at its own: a planet's display angle is
    // the longitude mirrored by `sign` and rounded to a tenth; the Moon's
    // angle round the Earth is the longitude rounded, and mirrored on the
    // screen instead. False on an arithmetic fault, as UpdatePosition.
    virtual bool UpdateToLongitude(std::int32_t sign, double longitude);

    double LongitudeAt(std::int32_t sign, double dayOffset) const;
    void ComputeViewPositions(double angle);

    std::string Name;
    std::int32_t OrbitRing = 0;
    double MeanDistance = 0;
    double Mass = 0;
    double Period = 0;
    double Longitude = 0;
    double GeoAngle = 0;
    std::int32_t AllX = 0;
    std::int32_t InnerX = 0;
    std::int32_t OuterX = 0;
    std::int32_t FarX = 0;
    std::int32_t AllY = 0;
    std::int32_t InnerY = 0;
    std::int32_t OuterY = 0;
    std::int32_t FarY = 0;
    std::int32_t SunMarkX = 0;
    std::int32_t SunMarkY = 0;
    double EpochLongitude = 0;

protected:
    const SceneGeometry &geometry() const { return *m_geometry; }

private:
    const SceneGeometry *m_geometry;
};

// The Moon: an angle round the Earth instead of a longitude round the Sun.
// AllX/AllY hold its centre on The Moon view.
class TMoon : public TPlanet {
public:
    TMoon(std::string name, std::int32_t orbitRing, double meanDistance, double mass, double period,
          double epochAngle, const SceneGeometry &geometry = LayoutGeometry::standard());

    bool UpdatePosition(std::int32_t sign, double dayOffset) override;
    bool UpdateToLongitude(std::int32_t sign, double longitude) override;

    double MoonAngleAt(double dayOffset) const;
    void ComputeMoonViewPositions(double angle, std::int32_t sign);

    double EpochAngle = 0;
};

// Offset of the point at display angle `angle` and distance `radius` from a
// centre, each component's magnitude rounded before its sign is applied.
Point OffsetAt(double angle, double radius);

// Scale radius of a view: Round(panel height / 2 * k).
std::int64_t ScaleRadius(View view, Size panel);

// Where the line from the Moon view's centre towards the Sun meets the
// panel's border, kept 14 pixels inside. Writes the Earth's SunMarkX and
// SunMarkY; false on an arithmetic fault (the fields keep what was written).
bool ComputeSunMark(TPlanet &earth, Size moonPanel);

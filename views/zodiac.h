// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The zodiac ring round every view: where the constellation boundaries meet
// the panel's border, the ticks drawn there, and which name pictures show
// where, in the astronomical arrangement (thirteen unequal constellations) or
// the astrological one (twelve equal signs).

#include "model/geometry.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

class Canvas;

enum class Arrangement { Astronomical, Astrological };

// Boundary longitudes B0 ... B12 in degrees.
const std::array<double, 13> &ZodiacBoundaries(Arrangement arrangement);

// Where the ray from the panel's centre at the longitude's screen angle meets
// the panel's border.
Point ZodiacEdgePoint(Size panel, double longitude, std::int32_t hemisphereSign);

using BoundaryPoints = std::array<Point, 13>;
BoundaryPoints ComputeBoundaryPoints(Arrangement arrangement, std::int32_t hemisphereSign,
                                     Size panel);

// A yellow tick from each boundary point 20 pixels into the band (the pen is
// left yellow).
void DrawZodiacTicks(Canvas &under, const BoundaryPoints &points, Size panel);

// The size of each name picture, by its name ending ("Aries", "Taurus2", ...).
Size NamePictureSize(const QString &name);

// Which name pictures show: every family's pictures, by name ending.
bool NameVisible(const QString &name, Arrangement arrangement, std::int32_t hemisphereSign);

// The place shared by all pictures of one family ("Taurus" for Taurus,
// Taurus2 and Taurus3).
struct NamePlace {
    QString family;
    Point topLeft;
};
std::vector<NamePlace> PlaceConstellationNames(Arrangement arrangement, std::int32_t hemisphereSign,
                                               const BoundaryPoints &points, Size panel);

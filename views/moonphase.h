// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Moon's phase picture and terminator on The Moon view.

#include "model/geometry.h"

#include <QColor>
#include <QString>
#include <cstdint>
#include <utility>

class Canvas;

inline const QColor Aqua{0, 255, 255};

// The Moon's angle east of the Sun as seen from the Earth, in [-180, 180],
// from the Earth's display longitude and the Moon's angle round the Earth.
double Elongation(double earthLongitude, double moonAngle, std::int32_t hemisphereSign);

// The phase picture for an elongation: 0 for the new Moon, 1 to 15 for the
// northern set, 101 to 115 for the southern one.
int PhasePictureNumber(double elongation, std::int32_t hemisphereSign);

// The picture's resource name: ":/phases/phase7.png" and so on.
QString PhasePictureResource(int number);

enum class TerminatorKind { Helio, Geo };

// The two end points of a line through the Moon's centre in direction x
// (degrees; 90 to 450), half as wide as the Moon's picture plus 5 and never
// more than 25 pixels high. The Earth-facing line is mirrored in the north.
std::pair<Point, Point> TerminatorEnds(TerminatorKind kind, double x, std::int32_t hemisphereSign,
                                       Point moonCentre, int moonWidth);

// The yellow terminator and the aqua Earth-facing line, moved from the
// panel's coordinates to the overlay's; the pen is left yellow.
void DrawTerminatorLines(Canvas &overlay, double earthLongitude, double moonAngle,
                         std::int32_t hemisphereSign, Point moonCentre, int moonWidth);

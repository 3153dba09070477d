// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dotted blue orbit rings of the four orbit views.

#include "model/geometry.h"

#include <QColor>
#include <vector>

class Canvas;

inline const QColor OrbitBlue{0, 0, 255};

// The rectangle each ring is inscribed in: left, top, right, bottom, with
// right and bottom just outside the ring.
struct RingRect {
    int left, top, right, bottom;
    int radius() const { return (right - left) / 2; }
    friend bool operator==(const RingRect &, const RingRect &) = default;
};

// The rings of one orbit view, outermost first. Each step inwards is rounded
// on its own, so a ring's radius is the scale radius less the rounded steps.
std::vector<RingRect> OrbitRings(View view, Size panel);

// Draws the rings of one view with a dotted blue 1-pixel pen, putting the
// pen back as it was.
void DrawOrbits(Canvas &under, View view, Size panel);

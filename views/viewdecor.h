// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The static decoration of every view: the yellow frame, the star field and
// the places of the four degree labels.

#include "model/geometry.h"

#include <QColor>
#include <cstdint>
#include <vector>

class Canvas;

inline const QColor Yellow{255, 255, 0};

// The closed yellow line 20 pixels inside the picture's edges; the pen colour
// is put back as it was found.
void DrawFrame(Canvas &under);

// The stars for a panel of the given size: (W * 1000) div 835 points, x in
// [0, W - 2] drawn before y in [0, H - 2], from a generator seeded with `seed`.
std::vector<Point> StarPositions(std::uint32_t seed, Size panel);

// The two boxes of The Moon view that stay dark, bounds included: where the
// phase picture shows and where the large Earth stands.
struct MoonViewBoxes {
    int phaseLeft, phaseRight, phaseTop, phaseBottom;
    int earthLeft, earthRight, earthTop, earthBottom;
    bool contains(Point p) const;
};
MoonViewBoxes MoonViewDarkBoxes(Size panel, int panelTop, Size phasePicture, Size largeEarth);

// Lefts and tops of the labels "0", "90", "180" and "270" on one view.
struct DegreeLabelPlaces {
    Point zero, ninety, oneEighty, twoSeventy;
};
struct DegreeLabelSizes {
    Size zero, ninety, oneEighty, twoSeventy;
};
DegreeLabelPlaces PlaceDegreeLabels(std::int32_t hemisphereSign, Size panel,
                                    const DegreeLabelSizes &labels);

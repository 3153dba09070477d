// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The direction pointer: a lime line on the target's view showing where the
// body lies as seen from the Earth.

#include "model/geometry.h"
#include "views/horizon.h"

#include <QColor>
#include <vector>

class Canvas;

inline const QColor Lime{0, 255, 0};

enum class PointerStyle {
    SunParallel, // the Earth-body line, and a parallel from the Sun to the side edge
    EarthRay     // one line from the Earth through the body to the side edge
};

struct PointerLine {
    FarPoint from;
    FarPoint to;
    friend bool operator==(const PointerLine &, const PointerLine &) = default;
};

// The lines of the pointer from the Earth's centre to the body's, with the
// Sun's centre and the view panel's width.
std::vector<PointerLine> PointerLines(PointerStyle style, Point earth, Point body, Point sun,
                                      int panelWidth);

// Draws the lines in lime and puts the pen colour back as it was.
void DrawPointerLines(Canvas &overlay, const std::vector<PointerLine> &lines);

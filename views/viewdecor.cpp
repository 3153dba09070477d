// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/viewdecor.h"

#include "views/canvas.h"

#include <random>

void DrawFrame(Canvas &under)
{
    const QColor found = under.pen.colour;
    under.pen.colour = Yellow;
    const int w = under.width();
    const int h = under.height();
    under.moveTo(20, 20);
    under.lineTo(w - 20, 20);
    under.lineTo(w - 20, h - 20);
    under.lineTo(20, h - 20);
    under.lineTo(20, 20);
    under.pen.colour = found;
}

std::vector<Point> StarPositions(std::uint32_t seed, Size panel)
{
    const int count = (panel.width * 1000) / 835;
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> across(0, panel.width - 2);
    std::uniform_int_distribution<int> down(0, panel.height - 2);
    std::vector<Point> stars;
    stars.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const int x = across(generator);
        const int y = down(generator);
        stars.push_back({x, y});
    }
    return stars;
}

bool MoonViewBoxes::contains(Point p) const
{
    const bool inPhase =
        p.x >= phaseLeft && p.x <= phaseRight && p.y >= phaseTop && p.y <= phaseBottom;
    const bool inEarth =
        p.x >= earthLeft && p.x <= earthRight && p.y >= earthTop && p.y <= earthBottom;
    return inPhase || inEarth;
}

MoonViewBoxes MoonViewDarkBoxes(Size panel, int panelTop, Size phase, Size earth)
{
    const int w = panel.width, h = panel.height;
    return {w - (phase.width + 30),
            w - 30,
            panelTop + 30,
            panelTop + 30 + phase.height,
            w / 2 - earth.width / 2,
            w / 2 + earth.width / 2,
            h / 2 - earth.height / 2,
            h / 2 + earth.height / 2};
}

DegreeLabelPlaces PlaceDegreeLabels(std::int32_t sign, Size panel, const DegreeLabelSizes &labels)
{
    const int w90 = labels.ninety.width;
    DegreeLabelPlaces places;
    places.zero = {panel.width / 2 - labels.zero.width / 2, 32};
    places.oneEighty = {panel.width / 2 - labels.oneEighty.width / 2,
                        panel.height - (labels.oneEighty.height + 32)};
    places.ninety.y = panel.height / 2 - labels.ninety.height / 2;
    places.twoSeventy.y = panel.height / 2 - labels.twoSeventy.height / 2;
    if (sign == 1) {
        places.ninety.x = panel.width - (w90 + 32);
        places.twoSeventy.x = 32;
    } else {
        // The "270" label takes the width of "90" and a 35-pixel margin.
        places.ninety.x = 32;
        places.twoSeventy.x = panel.width - (w90 + 35);
    }
    return places;
}

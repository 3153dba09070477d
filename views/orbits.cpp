// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/orbits.h"

#include "model/arithmetic.h"
#include "model/catalogue.h"
#include "model/planet.h"
#include "views/canvas.h"

namespace {

double Distance(Body body)
{
    return Catalogue[static_cast<std::size_t>(body)].meanDistance;
}

// The inward steps between a view's rings.
std::vector<std::int64_t> Steps(View view, Size panel)
{
    const double r = static_cast<double>(ScaleRadius(view, panel));
    const auto scaled = [&](Body a, Body b, Body unit) {
        return Round((Distance(a) - Distance(b)) * r / Distance(unit));
    };
    switch (view) {
    case View::All:
        return std::vector<std::int64_t>(8, Round(r / 9));
    case View::Inner:
        return {scaled(Body::Earth, Body::Venus, Body::Earth),
                scaled(Body::Venus, Body::Mercury, Body::Earth)};
    case View::Outer:
        return {scaled(Body::Saturn, Body::Jupiter, Body::Saturn),
                scaled(Body::Jupiter, Body::Mars, Body::Saturn),
                scaled(Body::Mars, Body::Earth, Body::Saturn)};
    case View::Far:
        // The Earth's ring sits at the 25-pixel minimum the Earth is drawn at.
        return {scaled(Body::Pluto, Body::Neptune, Body::Pluto),
                scaled(Body::Neptune, Body::Uranus, Body::Pluto),
                Round(Distance(Body::Uranus) * r / Distance(Body::Pluto)) - 25};
    case View::Moon:
        break;
    }
    return {};
}

} // namespace

std::vector<RingRect> OrbitRings(View view, Size panel)
{
    if (view == View::Moon)
        return {};
    const int d = static_cast<int>(2 * ScaleRadius(view, panel));
    RingRect rect{panel.width / 2 - d / 2, panel.height / 2 - d / 2, 0, 0};
    rect.right = rect.left + d;
    rect.bottom = rect.top + d;
    std::vector<RingRect> rings{rect};
    for (const std::int64_t step : Steps(view, panel)) {
        const int s = ToInt32(step);
        rect = {rect.left + s, rect.top + s, rect.right - s, rect.bottom - s};
        rings.push_back(rect);
    }
    return rings;
}

void DrawOrbits(Canvas &under, View view, Size panel)
{
    const Canvas::Pen remembered = under.pen;
    under.pen = {OrbitBlue};
    for (const RingRect &ring : OrbitRings(view, panel))
        under.ellipse(ring.left, ring.top, ring.right, ring.bottom, Canvas::Stroke::Dotted);
    under.pen = remembered;
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/pointer.h"

#include "model/arithmetic.h"
#include "views/canvas.h"

#include <cstdlib>

namespace {

// Round(|dy| / |dx| * h); a body straight above or below the Earth would
// divide by zero, and takes the horizontal offset as one pixel instead.
std::int64_t Rise(std::int64_t dx, std::int64_t dy, std::int64_t h)
{
    if (dx == 0)
        return std::llabs(dy) * h;
    return Round(static_cast<double>(std::llabs(dy)) / static_cast<double>(std::llabs(dx)) *
                 static_cast<double>(h));
}

} // namespace

std::vector<PointerLine> PointerLines(PointerStyle style, Point earth, Point body, Point sun,
                                      int panelWidth)
{
    const std::int64_t dx = std::int64_t{body.x} - earth.x;
    const std::int64_t dy = std::int64_t{body.y} - earth.y;
    const bool right = dx >= 0;
    const bool below = dy >= 0;
    const FarPoint e{earth.x, earth.y};
    if (style == PointerStyle::SunParallel) {
        const std::int64_t k = Rise(dx, dy, panelWidth / 2);
        const FarPoint end{right ? panelWidth : 0, below ? sun.y + k : sun.y - k};
        return {{e, {body.x, body.y}}, {{sun.x, sun.y}, end}};
    }
    const std::int64_t h = right ? panelWidth - earth.x : earth.x;
    const std::int64_t k = Rise(dx, dy, h);
    return {{e, {right ? panelWidth : 0, below ? earth.y + k : earth.y - k}}};
}

void DrawPointerLines(Canvas &overlay, const std::vector<PointerLine> &lines)
{
    const QColor found = overlay.pen.colour;
    overlay.pen.colour = Lime;
    for (const PointerLine &line : lines)
        overlay.line(line.from.x, line.from.y, line.to.x, line.to.y);
    overlay.pen.colour = found;
}

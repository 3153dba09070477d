// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/moonphase.h"

#include "model/angles.h"
#include "model/arithmetic.h"
#include "views/canvas.h"
#include "views/viewdecor.h"

#include <cmath>

double Elongation(double e, double m, std::int32_t sign)
{
    // In the north the Earth's longitude is mirrored and the Moon's angle is
    // not; the extra term turns the mirrored value back.
    double d = sign == -1 ? 2 * (e - 180) + m - (e + 180) : m - (e + 180);
    if (d < -180)
        d += 360;
    if (d > 180)
        d -= 360;
    return d;
}

int PhasePictureNumber(double d, std::int32_t sign)
{
    // Sector j of 22.5 degrees, centred on 22.5 j east of the Sun; each
    // lower bound belongs to its sector.
    int sector = 8; // 168.75 to 180 and -180 to -168.75: full
    for (int j = -7; j <= 7; ++j) {
        if (d >= 22.5 * j - 11.25 && d < 22.5 * j + 11.25) {
            sector = (j + 16) % 16;
            break;
        }
    }
    if (sector == 0)
        return 0;
    return sign == -1 ? 16 - sector : 100 + sector;
}

QString PhasePictureResource(int number)
{
    return QStringLiteral(":/phases/phase%1.png").arg(number);
}

std::pair<Point, Point> TerminatorEnds(TerminatorKind kind, double x, std::int32_t sign, Point moon,
                                       int moonWidth)
{
    if (x > 360)
        x -= 360;
    const Quadrant q = QuadrantOf(x);
    // Table B, the mirrored one, serves the Earth-facing line in the north.
    const int sx = kind == TerminatorKind::Geo && sign == -1 ? -q.xSign : q.xSign;
    const int sy = q.ySign;
    std::int64_t w = moonWidth + 5;
    std::int64_t h;
    if (q.reduced == 90) {
        // Straight up and down: the limit of the rule below.
        w = 0;
        h = 25;
    } else {
        h = Round(std::tan(DegToRad(q.reduced)) * static_cast<double>(w));
        if (h > 25) {
            w = Round(static_cast<double>(25 * w) / static_cast<double>(h));
            h = 25;
        }
    }
    return {{ToInt32(moon.x + sx * w), ToInt32(moon.y + sy * h)},
            {ToInt32(moon.x - sx * w), ToInt32(moon.y - sy * h)}};
}

void DrawTerminatorLines(Canvas &overlay, double earthLongitude, double moonAngle,
                         std::int32_t sign, Point moon, int moonWidth)
{
    const auto draw = [&](std::pair<Point, Point> ends, const QColor &colour) {
        overlay.pen.colour = colour;
        overlay.line(ends.first.x - 1, ends.first.y - 1, ends.second.x - 1, ends.second.y - 1);
    };
    try {
        draw(TerminatorEnds(TerminatorKind::Helio, earthLongitude + 90, sign, moon, moonWidth),
             Yellow);
        draw(TerminatorEnds(TerminatorKind::Geo, moonAngle + 90, sign, moon, moonWidth), Aqua);
    } catch (const ArithmeticFault &) {
        // The drawing ends silently.
    }
    overlay.pen.colour = Yellow;
}

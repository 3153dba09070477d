// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/zodiac.h"

#include "model/angles.h"
#include "model/arithmetic.h"
#include "views/canvas.h"
#include "views/viewdecor.h"

#include <cmath>
#include <map>

const std::array<double, 13> &ZodiacBoundaries(Arrangement arrangement)
{
    static const std::array<double, 13> astronomical = {28,  52,  89,  117, 137, 174, 217,
                                                        240, 247, 266, 299, 327, 352};
    // 0.1 and 179.9 rather than 0 and 180: the edge point has no answer for a
    // ray straight up or down.
    static const std::array<double, 13> astrological = {0.1, 30,  60,  90,  120, 150, 179.9,
                                                        210, 240, 270, 300, 330, 0.1};
    return arrangement == Arrangement::Astronomical ? astronomical : astrological;
}

Point ZodiacEdgePoint(Size panel, double longitude, std::int32_t sign)
{
    const double theta = sign == 1 ? longitude : 360 - longitude;
    const Quadrant q = QuadrantOf(theta);
    const int hw = panel.width / 2;
    const int hh = panel.height / 2;
    const std::int64_t g = Round(std::tan(DegToRad(q.reduced)) * hw);
    if (hh < g) {
        const std::int64_t x = hw + q.xSign * Round(static_cast<double>(hh * hw) / g);
        return {ToInt32(x), q.ySign == -1 ? 0 : panel.height};
    }
    return {q.xSign == 1 ? panel.width : 0, ToInt32(hh + q.ySign * g)};
}

BoundaryPoints ComputeBoundaryPoints(Arrangement arrangement, std::int32_t sign, Size panel)
{
    BoundaryPoints points;
    const auto &boundaries = ZodiacBoundaries(arrangement);
    for (std::size_t k = 0; k < points.size(); ++k)
        points[k] = ZodiacEdgePoint(panel, boundaries[k], sign);
    return points;
}

void DrawZodiacTicks(Canvas &under, const BoundaryPoints &points, Size panel)
{
    under.pen.colour = Yellow;
    for (const Point p : points) {
        Point inner = p;
        if (p.x == 0)
            inner.x = 20;
        else if (p.x == panel.width)
            inner.x = panel.width - 20;
        if (p.y == 0)
            inner.y = 20;
        else if (p.y == panel.height)
            inner.y = panel.height - 20;
        under.line(p.x, p.y, inner.x, inner.y);
    }
}

Size NamePictureSize(const QString &name)
{
    static const std::map<QString, Size> sizes = {
        {QStringLiteral("Aries"), {40, 12}},        {QStringLiteral("Taurus"), {12, 54}},
        {QStringLiteral("Taurus2"), {12, 54}},      {QStringLiteral("Taurus3"), {54, 12}},
        {QStringLiteral("Gemini"), {12, 45}},       {QStringLiteral("Gemini2"), {12, 45}},
        {QStringLiteral("Cancer"), {50, 12}},       {QStringLiteral("Cancer2"), {12, 50}},
        {QStringLiteral("Cancer3"), {12, 50}},      {QStringLiteral("Leo"), {26, 12}},
        {QStringLiteral("Virgo"), {39, 14}},        {QStringLiteral("Libra"), {39, 13}},
        {QStringLiteral("Scorpius"), {12, 32}},     {QStringLiteral("Scorpius2"), {12, 32}},
        {QStringLiteral("Scorpius3"), {97, 25}},    {QStringLiteral("Ophiuchus"), {12, 74}},
        {QStringLiteral("Ophiuchus2"), {12, 74}},   {QStringLiteral("Sagittarius"), {13, 83}},
        {QStringLiteral("Sagittarius2"), {13, 83}}, {QStringLiteral("Capricornus"), {86, 11}},
        {QStringLiteral("Capricornus2"), {11, 66}}, {QStringLiteral("Capricornus3"), {11, 69}},
        {QStringLiteral("Aquarius"), {62, 13}},     {QStringLiteral("Pisces"), {47, 12}},
    };
    const auto found = sizes.find(name);
    return found == sizes.end() ? Size{} : found->second;
}

bool NameVisible(const QString &name, Arrangement arrangement, std::int32_t sign)
{
    // Columns: astronomical south, astronomical north, astrological south,
    // astrological north.
    static const std::map<QString, std::array<bool, 4>> table = {
        {QStringLiteral("Taurus"), {true, false, false, false}},
        {QStringLiteral("Taurus2"), {false, true, false, false}},
        {QStringLiteral("Taurus3"), {false, false, true, true}},
        {QStringLiteral("Gemini"), {true, false, true, false}},
        {QStringLiteral("Gemini2"), {false, true, false, true}},
        {QStringLiteral("Cancer"), {true, true, false, false}},
        {QStringLiteral("Cancer2"), {false, false, true, false}},
        {QStringLiteral("Cancer3"), {false, false, false, true}},
        {QStringLiteral("Scorpius"), {true, false, false, false}},
        {QStringLiteral("Scorpius2"), {false, true, false, false}},
        {QStringLiteral("Scorpius3"), {false, false, true, true}},
        {QStringLiteral("Ophiuchus"), {true, false, false, false}},
        {QStringLiteral("Ophiuchus2"), {false, true, false, false}},
        {QStringLiteral("Sagittarius"), {true, false, true, false}},
        {QStringLiteral("Sagittarius2"), {false, true, false, true}},
        {QStringLiteral("Capricornus"), {true, true, false, false}},
        {QStringLiteral("Capricornus2"), {false, false, true, false}},
        {QStringLiteral("Capricornus3"), {false, false, false, true}},
    };
    const auto found = table.find(name);
    if (found == table.end())
        return true; // Aries, Leo, Virgo, Libra, Aquarius and Pisces always show
    const int column = (arrangement == Arrangement::Astrological ? 2 : 0) + (sign == 1 ? 0 : 1);
    return found->second[static_cast<std::size_t>(column)];
}

std::vector<NamePlace> PlaceConstellationNames(Arrangement arrangement, std::int32_t sign,
                                               const BoundaryPoints &points, Size panel)
{
    const int W = panel.width, H = panel.height;
    const bool south = sign == 1;
    const auto x = [&](int k) { return points[static_cast<std::size_t>(k)].x; };
    const auto y = [&](int k) { return points[static_cast<std::size_t>(k)].y; };
    const auto w = [](const char *name) {
        return NamePictureSize(QString::fromLatin1(name)).width;
    };
    const auto h = [](const char *name) {
        return NamePictureSize(QString::fromLatin1(name)).height;
    };
    // A name on the top or bottom edge is centred on m along it; one on a
    // side edge stands on the right in the south when `rightInSouth`, and
    // swaps sides in the north.
    const auto top = [&](const char *family, int m, const char *sizeFrom) {
        return NamePlace{QString::fromLatin1(family), {m - w(sizeFrom) / 2, 6}};
    };
    const auto bottom = [&](const char *family, int m, const char *sizeFrom, int topValue) {
        return NamePlace{QString::fromLatin1(family), {m - w(sizeFrom) / 2, topValue}};
    };
    const auto side = [&](const char *family, bool rightInSouth, int m, const char *sizeFrom) {
        const int left = rightInSouth == south ? W - 16 : 4;
        return NamePlace{QString::fromLatin1(family), {left, m - h(sizeFrom) / 2}};
    };

    if (arrangement == Arrangement::Astronomical) {
        return {
            top("Pisces", Mid(x(12), x(0)), "Pisces"),
            top("Aries", Mid(x(0), x(1)), "Aries"),
            side("Taurus", true, Mid(0, y(2)), "Taurus"),
            side("Gemini", true, Mid(y(2), y(3)), "Gemini"),
            bottom("Cancer", south ? Mid(x(4), W) : Mid(0, x(4)), "Cancer", H - 16),
            bottom("Leo", Mid(x(5), x(4)), "Leo", H - 16),
            bottom("Virgo", Mid(x(6), x(5)), "Virgo", H - 16),
            bottom("Libra", south ? Mid(0, x(6)) : Mid(W, x(6)), "Libra", H - 16),
            side("Scorpius", false, Mid(y(8), y(7)), "Scorpius"),
            side("Ophiuchus", false, Mid(y(9), y(8)), "Ophiuchus"),
            side("Sagittarius", false, Mid(y(10), y(9)), "Sagittarius"),
            top("Capricornus", south ? Mid(0, x(11)) : Mid(W, x(11)), "Capricornus"),
            top("Aquarius", Mid(x(11), x(12)), "Aquarius"),
        };
    }
    return {
        top("Pisces", Mid(x(11), x(12)), "Pisces"),
        top("Aries", Mid(x(0), x(1)), "Aries"),
        top("Taurus", south ? Mid(x(1), W) : Mid(0, x(1)), "Taurus3"),
        side("Gemini", true, Mid(y(2), y(3)), "Gemini"),
        side("Cancer", true, Mid(y(3), y(4)), "Cancer3"),
        bottom("Leo", Mid(x(5), x(4)), "Leo", H - 16),
        bottom("Virgo", Mid(x(6), x(5)), "Virgo", H - 16),
        bottom("Libra", Mid(x(7), x(6)), "Libra", H - 16),
        bottom("Scorpius", south ? Mid(0, x(7)) : Mid(W, x(7)), "Scorpius3", H - 19),
        side("Ophiuchus", false, Mid(y(9), y(8)), "Ophiuchus"),
        side("Sagittarius", false, Mid(y(9), y(8)), "Sagittarius"),
        side("Capricornus", false, Mid(y(10), y(9)), "Capricornus3"),
        top("Aquarius", Mid(x(10), x(11)), "Aquarius"),
    };
}

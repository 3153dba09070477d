// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/alignment.h"

#include "model/arithmetic.h"
#include "model/catalogue.h"
#include "model/planet.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace alignment {

namespace {

constexpr std::array<Body, 8> Bodies = {Body::Mercury, Body::Venus,  Body::Mars,    Body::Jupiter,
                                        Body::Saturn,  Body::Uranus, Body::Neptune, Body::Pluto};

// Longitudes are tenths of a degree, 0 to 360: their sines and cosines take
// 3601 values, computed once exactly as the direct formula would.
struct TrigTable {
    std::array<double, 3601> sine{};
    std::array<double, 3601> cosine{};
    TrigTable()
    {
        for (std::size_t i = 0; i < sine.size(); ++i) {
            const double radians = DegToRad(static_cast<double>(i) / 10);
            sine[i] = std::sin(radians);
            cosine[i] = std::cos(radians);
        }
    }
};

const TrigTable Trig;

// A body's point on the plane for a day. Only its longitude matters here, so
// the view positions are not worked out; a failed longitude keeps the last.
PlanePoint Place(TPlanet &body, std::int32_t sign, double offset)
{
    try {
        body.Longitude = body.LongitudeAt(sign, offset);
    } catch (const ArithmeticFault &) {
    }
    return PlanePosition(body.Longitude, body.MeanDistance);
}

// True when the directions from the Earth to two points are so far apart
// that their rounded bearings must differ by more than `limit` degrees: each
// rounding moves a bearing by half a degree at most, and the separation of
// two bearings is never less than their angle. Cheap (no arc tangent), and
// answers false whenever in doubt.
bool ClearlyApart(PlanePoint e, PlanePoint a, PlanePoint b, int limit)
{
    const double ax = double(a.x - e.x), ay = double(a.y - e.y);
    const double bx = double(b.x - e.x), by = double(b.y - e.y);
    const double lengths = (ax * ax + ay * ay) * (bx * bx + by * by);
    if (lengths == 0)
        return false;
    const double dot = ax * bx + ay * by;
    // The angle exceeds limit + 1.5 degrees when its cosine is below the
    // cosine of that.
    const double threshold = limit + 1.5;
    if (threshold >= 180)
        return false;
    const double c = std::cos(DegToRad(threshold));
    if (c >= 0)
        return dot < 0 || dot * dot < c * c * lengths;
    return dot < 0 && dot * dot > c * c * lengths;
}

} // namespace

PlanePoint PlanePosition(double longitude, double meanDistance)
{
    const double tenths = longitude * 10;
    const double index = std::nearbyint(tenths);
    double s, c;
    if (index == tenths && index >= 0 && index <= 3600) {
        s = Trig.sine[static_cast<std::size_t>(index)];
        c = Trig.cosine[static_cast<std::size_t>(index)];
    } else {
        s = std::sin(DegToRad(longitude));
        c = std::cos(DegToRad(longitude));
    }
    return {1600 + Round(40 * meanDistance * s), 1600 - Round(40 * meanDistance * c)};
}

double BearingFromEarth(PlanePoint e, PlanePoint p)
{
    const std::int64_t dx = p.x - e.x;
    const std::int64_t dy = p.y - e.y;
    const double g = dx == 0 ? 90.0
                             : RadToDeg(std::atan(static_cast<double>(std::llabs(dy)) /
                                                  static_cast<double>(std::llabs(dx))));
    if (dx >= 0)
        return dy < 0 ? 90 - g : 90 + g;
    return dy >= 0 ? 270 - g : 270 + g;
}

int Separation(int h, int j)
{
    if (h > 270 && j < 90)
        return std::abs(h - j - 360);
    if (h < 90 && j > 270)
        return std::abs(j - h - 360);
    return std::abs(h - j);
}

std::int64_t CalendarDay(double offset)
{
    return static_cast<std::int64_t>(std::floor(offset));
}

double EndOffset()
{
    using namespace std::chrono;
    return DayOffset(2500y / December / 31);
}

Result FindNextAlignment(const Query &query)
{
    // The finder's own bodies, built once per search: the scene's stay put.
    const auto earth = MakeBody(Catalogue[static_cast<std::size_t>(Body::Earth)]);
    std::vector<std::unique_ptr<TPlanet>> chosen;
    chosen.reserve(Bodies.size());
    for (std::size_t i = 0; i < Bodies.size(); ++i) {
        if (query.ticked[i])
            chosen.push_back(MakeBody(Catalogue[static_cast<std::size_t>(Bodies[i])]));
    }

    if (chosen.size() < 2)
        return {};

    SearchRun run(query);
    double offset = query.startOffset;
    std::int64_t daysTested = 0;
    for (;;) {
        // Counted from the start rather than summed day by day, so that every
        // tested day keeps the start's time of day exactly.
        offset = query.startOffset + static_cast<double>(++daysTested);
        const PlanePoint e = Place(*earth, query.hemisphereSign, offset);
        const PlanePoint p0 = Place(*chosen[0], query.hemisphereSign, offset);

        // Every planet must lie within the separation of the first. Once one
        // does not, the day is not aligned and its separations decide nothing,
        // so the rest are not worked out.
        bool aligned = true;
        int separation = 0;
        std::optional<int> first;
        for (std::size_t j = 1; j < chosen.size(); ++j) {
            const PlanePoint p = Place(*chosen[j], query.hemisphereSign, offset);
            if (ClearlyApart(e, p0, p, query.maxSeparation)) {
                aligned = false;
                break;
            }
            if (!first)
                first = static_cast<int>(Round(BearingFromEarth(e, p0)));
            separation = Separation(*first, static_cast<int>(Round(BearingFromEarth(e, p))));
            if (separation > query.maxSeparation) {
                aligned = false;
                break;
            }
        }

        if (run.test(offset, aligned, separation))
            break;
    }
    return run.finish(offset);
}

bool SearchRun::test(double offset, bool aligned, int separation)
{
    if (m_found && aligned) {
        // Narrower or as narrow: the best day moves here. Wider by the least
        // step of a whole-degree bearing: not yet the end.
        if (separation <= m_best) {
            m_bestOffset = offset;
            m_best = separation;
            aligned = false;
        } else if (separation - m_best == 1) {
            aligned = false;
        }
    } else if (aligned) {
        m_found = true;
        m_bestOffset = offset;
        m_best = separation;
        aligned = false;
    }
    if (aligned && m_query.lastAcceptedDay &&
        std::llabs(CalendarDay(m_bestOffset) - *m_query.lastAcceptedDay) < 30)
        aligned = false;
    return aligned || offset > m_query.endOffset;
}

Result SearchRun::finish(double endedOffset) const
{
    Result result;
    result.found = endedOffset <= m_query.endOffset;
    result.bestOffset = m_bestOffset;
    result.endedOffset = endedOffset;
    result.bestSeparation = m_best;
    return result;
}

} // namespace alignment

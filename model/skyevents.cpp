// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/skyevents.h"

#include "model/brent.h"
#include "model/dailymotion.h"
#include "model/deltat.h"
#include "model/ephemerisfiles.h"
#include "model/eventsky.h"
#include "model/placetable.h"
#include "model/reliableyears.h"
#include "model/workerpool.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <thread>
#include <tuple>

namespace skyevents {

namespace {

constexpr double Hour = 1.0 / 24;
constexpr double Minute = 1.0 / 1440;
constexpr double Second = 1.0 / 86400;

constexpr std::array<std::string_view, KindCount> KindNames{
    "conjunction", "gathering",     "opposition", "conjunction-sun", "greatest-elongation",
    "new-moon",    "first-quarter", "full-moon",  "last-quarter",
};

// A longitude is off by the direction's error over the cosine of the
// latitude; no body's geocentric latitude reaches 20°.
constexpr double LatitudeAllowance = 1.07;

// The exact sky is taken as the rough one moved by a slowly changing offset.
// A refined instant this close to where the offset was measured needs no
// new measurement.
constexpr double AnchorReach = 0.01;

// Every refinement ends from the nearest point of a grid of that spacing,
// looking this far either side of it.
constexpr double GridWindow = 1.5 * AnchorReach;

double OnTheGrid(double julianDay)
{
    return std::round(julianDay / AnchorReach) * AnchorReach;
}

// Beyond the range, how far a search looks for an event whose rough instant
// lies outside it and exact one inside: days.
constexpr double LunarMargin = 1;
constexpr double PlanetMargin = 20;

// Beyond a stretch, how far its work may want the place table's nodes: the
// greatest elongations look 320 days out, and the widest interpolation
// takes nodes 256 days either side. Days.
constexpr double TableReach = 600;

double Wrap180(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    if (degrees >= 180)
        degrees -= 360;
    else if (degrees < -180)
        degrees += 360;
    return degrees;
}

double Wrap360(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

std::size_t Slot(Body body)
{
    return static_cast<std::size_t>(body);
}

bool Has(Bodies bodies, Body body)
{
    return (bodies & BodyBit(body)) != 0;
}

std::vector<Body> Members(Bodies bodies)
{
    std::vector<Body> members;
    for (std::size_t i = 0; i < 10; ++i) {
        if (bodies & (1u << i))
            members.push_back(static_cast<Body>(i));
    }
    return members;
}

// The body's ecliptic longitude less the Sun's, [0, 360).
double FromSunAlongEcliptic(const SkyDirections &sky, Body body)
{
    return Wrap360(Longitude(sky[Slot(body)]) - Longitude(sky[Slot(Body::Earth)]));
}

double FromSun(const SkyDirections &sky, Body body)
{
    return Separation(sky[Slot(body)], sky[Slot(Body::Earth)]);
}

// The largest separation of two of the bodies.
double Spread(const SkyDirections &sky, const std::vector<Body> &group)
{
    double spread = 0;
    for (std::size_t a = 0; a < group.size(); ++a) {
        for (std::size_t b = a + 1; b < group.size(); ++b)
            spread = std::max(spread, Separation(sky[Slot(group[a])], sky[Slot(group[b])]));
    }
    return spread;
}

// The sum of the two largest of a value over the bodies: the most two of
// them can close, or be off together.
template <typename Value> double TwoLargest(const std::vector<Body> &bodies, Value value)
{
    double first = 0, second = 0;
    for (Body body : bodies) {
        const double v = value(body);
        if (v > first) {
            second = first;
            first = v;
        } else if (v > second) {
            second = v;
        }
    }
    return first + second;
}

// The rough error of a body over a stretch of time: the larger of its
// bounds at the two ends (the bounds are kept by century).
double RoughErrorOver(Body body, double from, double to)
{
    return std::max(RoughError(body, from), RoughError(body, to));
}

// The minimum of a function of time on [a, b], to half a second; the
// function has one minimum there.
template <typename Function> double Least(Function f, double a, double b)
{
    return brent::Minimum(f, a, b, Second / 8);
}

// A root of a function of time on [a, b], where its sign changes, to half a
// second.
template <typename Function> double Root(Function f, double a, double b)
{
    return brent::Root(f, a, b, Second / 8);
}

// How far the exact directions lie from the rough ones at an instant.
SkyDirections OffsetAt(Bodies bodies, double julianDay, const truesky::Places &places)
{
    SkyDirections rough{}, exact{}, offset{};
    RoughDirections(bodies, julianDay, rough);
    ExactDirections(bodies, julianDay, exact, places);
    for (std::size_t i = 0; i < offset.size(); ++i) {
        for (int k = 0; k < 3; ++k)
            offset[i][k] = exact[i][k] - rough[i][k];
    }
    return offset;
}

// The rough directions at an instant moved by an offset that runs in a
// straight line from `first` to `second`, `share` of the way.
void MovedRoughDirections(Bodies bodies, double julianDay, const SkyDirections &first,
                          const SkyDirections &second, double share, SkyDirections &out)
{
    RoughDirections(bodies, julianDay, out);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (!(bodies & (1u << i)))
            continue;
        double length = 0;
        for (int k = 0; k < 3; ++k) {
            out[i][k] += first[i][k] + share * (second[i][k] - first[i][k]);
            length += out[i][k] * out[i][k];
        }
        length = std::sqrt(length);
        for (int k = 0; k < 3; ++k)
            out[i][k] /= length;
    }
}

// The exact sky near one instant: the rough directions moved by their
// offset from the exact ones, measured at one instant (a constant offset)
// or two (a straight line). The offset changes by hundredths of a degree
// a day at most, so near its anchors it is good to well below 0.0001°.
class NearSky {
public:
    NearSky(Bodies bodies, double around, bool sloped, const truesky::Places &places)
        : m_bodies(bodies | SunBit), m_first(sloped ? around - AnchorReach : around),
          m_second(sloped ? around + AnchorReach : around)
    {
        m_firstOffset = OffsetAt(m_bodies, m_first, places);
        m_secondOffset = sloped ? OffsetAt(m_bodies, m_second, places) : m_firstOffset;
    }

    double centre() const { return (m_first + m_second) / 2; }

    void at(double julianDay, SkyDirections &out) const
    {
        const double share = m_second > m_first ? (julianDay - m_first) / (m_second - m_first) : 0;
        MovedRoughDirections(m_bodies, julianDay, m_firstOffset, m_secondOffset, share, out);
    }

private:
    Bodies m_bodies;
    double m_first, m_second;
    SkyDirections m_firstOffset{}, m_secondOffset{};
};

// The near sky for the last round of a refinement: anchored on the grid
// point nearest the instant found, which is usually the one the round
// before was anchored on.
const NearSky &LastRound(const NearSky &before, double beforeAnchor, double instant, bool sloped,
                         Bodies bodies, const truesky::Places &places,
                         std::optional<NearSky> &moved)
{
    const double last = OnTheGrid(instant);
    if (last == beforeAnchor)
        return before;
    moved.emplace(bodies, last, sloped, places);
    return *moved;
}

// The rough sky moved by its offset from the exact one, measured every
// GridSpacing days on a fixed grid and taken as a straight line in between.
// The planets' rough errors change over months, so this follows the true
// sky to about a thousandth of a degree at the cost of one exact measure a
// week: where a slow pair's rough error is as large as the wiggles of its
// separation, the shape of the separation is the true sky's.
class GriddedSky {
public:
    GriddedSky(Bodies bodies, const truesky::Places &places)
        : m_bodies(bodies | SunBit), m_places(places)
    {
    }

    void at(double julianDay, SkyDirections &out)
    {
        const double index = std::floor(julianDay / GridSpacing);
        const auto key = static_cast<long long>(index);
        const SkyDirections a = offsetAt(key), b = offsetAt(key + 1);
        MovedRoughDirections(m_bodies, julianDay, a, b, julianDay / GridSpacing - index, out);
    }

private:
    static constexpr double GridSpacing = 8;

    const SkyDirections &offsetAt(long long key)
    {
        if (const auto found = m_offsets.find(key); found != m_offsets.end())
            return found->second;
        // A search moves on: the measures far from it are not wanted again.
        std::erase_if(m_offsets,
                      [&](const auto &entry) { return std::llabs(entry.first - key) > 4; });
        const double julianDay = static_cast<double>(key) * GridSpacing;
        return m_offsets.emplace(key, OffsetAt(m_bodies, julianDay, m_places)).first->second;
    }

    Bodies m_bodies;
    const truesky::Places &m_places;
    std::map<long long, SkyDirections> m_offsets;
};

int CalendarYear(double julianDay)
{
    using namespace std::chrono;
    const auto days = static_cast<int>(std::floor(julianDay - 2440587.5));
    return static_cast<int>(year_month_day{sys_days{std::chrono::days{days}}}.year());
}

// Rounds the instant to the minute and fills in what every event carries.
Event Finish(Event event, double julianDay, const SkyDirections &sky)
{
    event.julianDay = std::round(julianDay / Minute) * Minute;
    const int year = CalendarYear(event.julianDay);
    bool approximate = !truesky::ReliableYears(Body::Earth).contains(year);
    for (Body body : Members(event.bodies)) {
        const double angle = FromSun(sky, body);
        event.fromSun[Slot(body)] = angle;
        event.tooNearTheSun = event.tooNearTheSun || angle < TooNearTheSunDegrees;
        approximate = approximate || !truesky::ReliableYears(body).contains(year);
    }
    event.approximate = approximate;
    event.uncertainty = deltat::Uncertainty(deltat::DecimalYear(event.julianDay));
    return event;
}

// --- Events where a longitude from the Sun's passes given values ---------

struct LongitudeTarget {
    double degrees;
    Kind kind;
};

// Every instant in [from, to) at which the body's longitude less the Sun's
// passes one of the targets, on the rough sky, each bracketed to an hour.
// The difference moves by at most the two bodies' daily bounds a day, so
// the search leaps as far as the nearest target allows.
struct Crossing {
    double from, to; // brackets the crossing
    LongitudeTarget target;
};

std::vector<Crossing> RoughCrossings(Body body, const std::vector<LongitudeTarget> &targets,
                                     double from, double to, const Progress *progress)
{
    const double rate = truesky::DailyMotionBound(body) + truesky::DailyMotionBound(Body::Earth);
    const double error = LatitudeAllowance *
                         (RoughErrorOver(body, from, to) + RoughErrorOver(Body::Earth, from, to));
    const Bodies bodies = BodyBit(body) | SunBit;
    SkyDirections sky{};
    const auto difference = [&](double t) {
        RoughDirections(bodies, t, sky);
        return FromSunAlongEcliptic(sky, body);
    };

    std::vector<Crossing> crossings;
    double t = from, d = difference(t);
    while (t < to) {
        if (progress && progress->cancel.load(std::memory_order_relaxed))
            break;
        double nearest = 180;
        for (const LongitudeTarget &target : targets)
            nearest = std::min(nearest, std::fabs(Wrap180(d - target.degrees)));
        const double margin = nearest - 2 * error;
        const double step = margin > 0 ? std::max(margin / rate, Hour) : Hour;
        const double next = std::min(t + step, to);
        const double dNext = difference(next);
        for (const LongitudeTarget &target : targets) {
            const double before = Wrap180(d - target.degrees);
            const double after = Wrap180(dNext - target.degrees);
            if (std::fabs(before) < 90 && std::fabs(after) < 90 && (before < 0) != (after < 0))
                crossings.push_back({t, next, target});
        }
        t = next;
        d = dNext;
    }
    return crossings;
}

// The exact instant of a crossing: found on the rough sky moved by its
// offset from the exact one, measured again where it is found until the
// two agree.
std::optional<Event> RefineCrossing(Body body, const Crossing &crossing,
                                    const truesky::Places &places)
{
    const Bodies bodies = BodyBit(body);
    SkyDirections sky{};
    double rough = 0;
    {
        SkyDirections r{};
        rough = Root(
            [&](double t) {
                RoughDirections(bodies | SunBit, t, r);
                return Wrap180(FromSunAlongEcliptic(r, body) - crossing.target.degrees);
            },
            crossing.from, crossing.to);
    }
    double centre = rough;
    for (int round = 0; round < 8; ++round) {
        const double anchor = OnTheGrid(centre);
        const NearSky near(bodies, anchor, false, places);
        const auto offTarget = [&](double t) {
            near.at(t, sky);
            return Wrap180(FromSunAlongEcliptic(sky, body) - crossing.target.degrees);
        };
        // Widen the bracket round the centre until the sign changes.
        double reach = Hour;
        const double atCentre = offTarget(centre);
        double a = centre, b = centre;
        bool found = atCentre == 0;
        while (!found && reach < 16) {
            a = centre - reach;
            b = centre + reach;
            const double fa = offTarget(a), fb = offTarget(b);
            if ((fa < 0) != (atCentre < 0)) {
                b = centre;
                found = true;
            } else if ((fb < 0) != (atCentre < 0)) {
                a = centre;
                found = true;
            }
            reach *= 2;
        }
        if (!found)
            return std::nullopt;
        const double instant = atCentre == 0 ? centre : Root(offTarget, a, b);
        if (std::fabs(instant - anchor) > AnchorReach) {
            centre = instant;
            continue;
        }
        // The last round from the grid point nearest, so that the instant
        // does not depend on where the search happened to begin.
        std::optional<NearSky> moved;
        const NearSky &fixed = LastRound(near, anchor, instant, false, bodies, places, moved);
        const double last = fixed.centre();
        const auto fromGrid = [&](double t) {
            fixed.at(t, sky);
            return Wrap180(FromSunAlongEcliptic(sky, body) - crossing.target.degrees);
        };
        const double low = last - GridWindow, high = last + GridWindow;
        const double exact =
            (fromGrid(low) < 0) != (fromGrid(high) < 0) ? Root(fromGrid, low, high) : instant;
        Event event;
        event.kind = crossing.target.kind;
        event.bodies = bodies;
        if (crossing.target.kind == Kind::ConjunctionWithSun) {
            if (body == Body::Mercury || body == Body::Venus) {
                // Retrograde at an inferior conjunction, faster than the Sun
                // at a superior one.
                const double before = fromGrid(exact - Minute);
                const double after = fromGrid(exact + Minute);
                event.detail = after < before ? Detail::Inferior : Detail::Superior;
            } else {
                event.detail = Detail::Superior;
            }
        }
        fixed.at(exact, sky);
        return Finish(event, exact, sky);
    }
    return std::nullopt;
}

void FindCrossings(Body body, const std::vector<LongitudeTarget> &targets, double from, double to,
                   double margin, const Progress *progress, const truesky::Places &places,
                   std::vector<Event> &out)
{
    if (targets.empty())
        return;
    for (const Crossing &crossing :
         RoughCrossings(body, targets, from - margin, to + margin, progress)) {
        if (progress && progress->cancel.load(std::memory_order_relaxed))
            return;
        if (const auto event = RefineCrossing(body, crossing, places))
            out.push_back(*event);
    }
}

// --- Closest approaches: conjunctions and gatherings ---------------------

// A refined extreme: its instant and the exact sky then.
struct Extreme {
    double julianDay;
    SkyDirections sky;
};

// Refines a minimum of a function of the near sky that the rough sky has
// bracketed in [from, to], unless the rough sky proves it higher than the
// ceiling. `value` reads a sky; `directions` gives the sky the bracket was
// found on.
//
// With the Moon among the bodies they close by ten degrees a day or more,
// and the offset of a single exact measure is enough: the instant found
// moves by the offset's drift (hundredths of a degree a day) over that
// speed, times the few minutes between the measure and the event.
template <typename Value, typename Directions>
std::optional<Extreme> RefineExtreme(Bodies bodies, double from, double to, double step,
                                     double roughError, double ceiling, Value value,
                                     Directions directions, const truesky::Places &places)
{
    const bool sloped = (bodies & BodyBit(Body::Moon)) == 0;
    SkyDirections sky{};
    {
        SkyDirections r{};
        const auto roughValue = [&](double t) {
            directions(t, r);
            return value(r);
        };
        const double rough = Least(roughValue, from, to);
        // The true sky's minimum is at least the rough one less the rough
        // sky's error: above the ceiling, there is nothing to refine.
        if (roughValue(rough) - roughError > ceiling)
            return std::nullopt;
        from = rough - step;
        to = rough + step;
    }
    double centre = (from + to) / 2;
    for (int round = 0; round < 12; ++round) {
        const double anchor = OnTheGrid(centre);
        const NearSky near(bodies, anchor, sloped, places);
        const auto f = [&](double t) {
            near.at(t, sky);
            return value(sky);
        };
        const double instant = Least(f, from, to);
        const bool atAnEdge = instant - from < 2 * Second || to - instant < 2 * Second;
        if (!atAnEdge && std::fabs(instant - anchor) <= AnchorReach) {
            // A minimum, not the low end of a slope.
            if (f(instant - step) < f(instant) || f(instant + step) < f(instant))
                return std::nullopt;
            // The last round from the grid point nearest, so that the
            // instant does not depend on where the search happened to begin.
            std::optional<NearSky> moved;
            const NearSky &fixed = LastRound(near, anchor, instant, sloped, bodies, places, moved);
            const double last = fixed.centre();
            const auto fromGrid = [&](double t) {
                fixed.at(t, sky);
                return value(sky);
            };
            Extreme extreme{Least(fromGrid, last - GridWindow, last + GridWindow), {}};
            fixed.at(extreme.julianDay, extreme.sky);
            return extreme;
        }
        centre = instant;
        from = instant - step;
        to = instant + step;
    }
    return std::nullopt;
}

// Every local minimum of the group's spread (a pair's separation) that is
// at most the limit. The spread closes by at most the two fastest bodies'
// bounds a day, so the search leaps while it is wide; where it could come
// within the limit it steps by the time the bodies take to move half a
// degree apart, an hour at least.
void FindClosestApproaches(const std::vector<Body> &group, Kind kind, double limit, double from,
                           double to, const Progress *progress, const truesky::Places &places,
                           std::vector<Event> &out)
{
    Bodies bodies = 0;
    for (Body body : group)
        bodies |= BodyBit(body);
    const double rate = TwoLargest(group, [](Body b) { return truesky::SkyMotionBound(b); });
    const double error = TwoLargest(group, [&](Body b) { return RoughErrorOver(b, from, to); });
    const double nearStep = std::clamp(0.5 / rate, Hour, 1.0);
    // Without the Moon, where the spread could come within the limit it is
    // read on the gridded sky, whose shape is the true sky's.
    std::optional<GriddedSky> gridded;
    if (!Has(bodies, Body::Moon))
        gridded.emplace(bodies, places);
    const auto directions = [&](double t, SkyDirections &sky) {
        if (gridded)
            gridded->at(t, sky);
        else
            RoughDirections(bodies | SunBit, t, sky);
    };
    SkyDirections sky{};
    const auto roughSpread = [&](double t) {
        RoughDirections(bodies, t, sky);
        return Spread(sky, group);
    };
    const auto nearSpread = [&](double t) {
        directions(t, sky);
        return Spread(sky, group);
    };
    const auto spreadOf = [&](const SkyDirections &s) { return Spread(s, group); };

    double before = from, spreadBefore = roughSpread(before);
    double t = from, spreadNow = spreadBefore;
    bool first = true, near = false;
    while (t < to) {
        if (progress && progress->cancel.load(std::memory_order_relaxed))
            return;
        const double margin = spreadNow - limit - 2 * error;
        if (margin <= 0 && !near && gridded) {
            // Coming near: the samples compared from here on are all of the
            // gridded sky.
            spreadBefore = nearSpread(before);
            spreadNow = nearSpread(t);
        }
        near = margin <= 0;
        const double step = near ? nearStep : std::max(margin / rate, nearStep);
        const double next = std::min(t + step, to);
        const double roughNext = roughSpread(next);
        const bool nextNear = roughNext - limit - 2 * error <= 0;
        // Without the gridded sky the near samples are the rough ones.
        const double spreadNext = nextNear && near && gridded ? nearSpread(next) : roughNext;
        if (!first && near && spreadNow < spreadBefore && spreadNow <= spreadNext &&
            spreadNow <= limit + error) {
            if (const auto extreme = RefineExtreme(bodies, before, next, nearStep, error, limit,
                                                   spreadOf, directions, places)) {
                const double least = Spread(extreme->sky, group);
                if (least <= limit) {
                    Event event;
                    event.kind = kind;
                    event.bodies = bodies;
                    event.separation = least;
                    out.push_back(Finish(event, extreme->julianDay, extreme->sky));
                }
            }
        }
        first = false;
        before = t;
        spreadBefore = spreadNow;
        t = next;
        spreadNow = spreadNext;
    }
}

// --- Greatest elongations --------------------------------------------------

// Between two conjunctions with the Sun the angle from it rises once and
// falls once: each greatest elongation is the largest angle between two
// conjunctions.
void FindGreatestElongations(Body planet, double from, double to, const Progress *progress,
                             const truesky::Places &places, std::vector<Event> &out)
{
    // Mercury's conjunctions are at most 4 months apart, Venus' 10.
    const double reach = planet == Body::Mercury ? 130 : 320;
    const std::vector<Crossing> conjunctions =
        RoughCrossings(planet, {{0, Kind::ConjunctionWithSun}}, from - reach, to + reach, progress);
    const Bodies bodies = BodyBit(planet);
    const auto farFromSun = [&](const SkyDirections &s) { return -FromSun(s, planet); };
    for (std::size_t i = 0; i + 1 < conjunctions.size(); ++i) {
        if (progress && progress->cancel.load(std::memory_order_relaxed))
            return;
        const double a = conjunctions[i].to, b = conjunctions[i + 1].from;
        const auto extreme = RefineExtreme(
            bodies, a, b, 1.0, 0, std::numeric_limits<double>::infinity(), farFromSun,
            [&](double t, SkyDirections &sky) { RoughDirections(bodies | SunBit, t, sky); },
            places);
        if (!extreme)
            continue;
        const SkyDirections &sky = extreme->sky;
        Event event;
        event.kind = Kind::GreatestElongation;
        event.bodies = bodies;
        event.detail = Wrap180(Longitude(sky[Slot(planet)]) - Longitude(sky[Slot(Body::Earth)])) > 0
                           ? Detail::East
                           : Detail::West;
        out.push_back(Finish(event, extreme->julianDay, sky));
    }
}

// --- One stretch of time ---------------------------------------------------

bool Before(const Event &a, const Event &b)
{
    return std::tie(a.julianDay, a.kind, a.bodies) < std::tie(b.julianDay, b.kind, b.bodies);
}

bool Chosen(const Search &search, Kind kind)
{
    return (search.kinds & KindBit(kind)) != 0;
}

// One piece of a stretch's work: a track for some bodies, writing what it
// finds into its own list.
struct Task {
    bool lunar; // follows the Moon, the longest of the tasks
    std::function<void(std::vector<Event> &)> run;
};

std::vector<Task> TasksOf(const Search &search, double from, double to, const Progress *progress,
                          const truesky::Places &places)
{
    std::vector<Task> tasks;
    const std::vector<Body> chosen = Members(search.bodies & ~SunBit);

    // The Moon's phases.
    std::vector<LongitudeTarget> phases;
    constexpr std::array<std::pair<Kind, double>, 4> Phases{{{Kind::NewMoon, 0},
                                                             {Kind::FirstQuarter, 90},
                                                             {Kind::FullMoon, 180},
                                                             {Kind::LastQuarter, 270}}};
    for (const auto &[kind, degrees] : Phases) {
        if (Chosen(search, kind))
            phases.push_back({degrees, kind});
    }
    if (!phases.empty()) {
        tasks.push_back({true, [=, &places](std::vector<Event> &out) {
                             FindCrossings(Body::Moon, phases, from, to, LunarMargin, progress,
                                           places, out);
                         }});
    }

    // Oppositions and conjunctions with the Sun.
    for (Body body : chosen) {
        if (body == Body::Moon)
            continue;
        std::vector<LongitudeTarget> targets;
        if (Chosen(search, Kind::ConjunctionWithSun))
            targets.push_back({0, Kind::ConjunctionWithSun});
        if (Chosen(search, Kind::Opposition) && body != Body::Mercury && body != Body::Venus)
            targets.push_back({180, Kind::Opposition});
        if (!targets.empty()) {
            tasks.push_back({false, [=, &places](std::vector<Event> &out) {
                                 FindCrossings(body, targets, from, to, PlanetMargin, progress,
                                               places, out);
                             }});
        }
    }

    // Greatest elongations.
    if (Chosen(search, Kind::GreatestElongation)) {
        for (Body body : {Body::Mercury, Body::Venus}) {
            if (Has(search.bodies, body)) {
                tasks.push_back({false, [=, &places](std::vector<Event> &out) {
                                     FindGreatestElongations(body, from, to, progress, places, out);
                                 }});
            }
        }
    }

    // Conjunctions of every pair, and the gathering of the group.
    if (Chosen(search, Kind::Conjunction)) {
        for (std::size_t a = 0; a < chosen.size(); ++a) {
            for (std::size_t b = a + 1; b < chosen.size(); ++b) {
                const bool lunar = chosen[a] == Body::Moon || chosen[b] == Body::Moon;
                const double margin = lunar ? LunarMargin : PlanetMargin;
                const std::vector<Body> pair{chosen[a], chosen[b]};
                tasks.push_back(
                    {lunar, [=, &places, limit = search.limit](std::vector<Event> &out) {
                         FindClosestApproaches(pair, Kind::Conjunction, limit, from - margin,
                                               to + margin, progress, places, out);
                     }});
            }
        }
    }
    if (Chosen(search, Kind::Gathering)) {
        const std::vector<Body> group = Members(search.group & ~SunBit);
        const bool lunar = Has(search.group, Body::Moon);
        const double margin = lunar ? LunarMargin : PlanetMargin;
        tasks.push_back({lunar, [=, &places, limit = search.limit](std::vector<Event> &out) {
                             FindClosestApproaches(group, Kind::Gathering, limit, from - margin,
                                                   to + margin, progress, places, out);
                         }});
    }

    // The Moon's tasks, the longest, and the others taken in turn, so that
    // the cores finish together.
    std::stable_partition(tasks.begin(), tasks.end(), [](const Task &t) { return t.lunar; });
    const auto others =
        std::find_if(tasks.begin(), tasks.end(), [](const Task &t) { return !t.lunar; });
    std::vector<Task> lunarTasks(std::make_move_iterator(tasks.begin()),
                                 std::make_move_iterator(others));
    std::vector<Task> otherTasks(std::make_move_iterator(others),
                                 std::make_move_iterator(tasks.end()));
    std::vector<Task> alternating;
    for (std::size_t i = 0; i < std::max(lunarTasks.size(), otherTasks.size()); ++i) {
        if (i < lunarTasks.size())
            alternating.push_back(std::move(lunarTasks[i]));
        if (i < otherTasks.size())
            alternating.push_back(std::move(otherTasks[i]));
    }
    return alternating;
}

// Runs the tasks on as many threads as there are cores, each task's events
// in its own list.
std::vector<std::vector<Event>> Run(const std::vector<Task> &tasks, WorkerPool &workers)
{
    std::vector<std::vector<Event>> results(tasks.size());
    workers.forEach(tasks.size(), [&](std::size_t i) { tasks[i].run(results[i]); });
    return results;
}

// What one stretch's tasks found, brought into time order: every event
// whose minute lies in [from, to), once.
std::vector<Event> Merged(std::vector<std::vector<Event>>::iterator first,
                          std::vector<std::vector<Event>>::iterator last, double from, double to)
{
    std::vector<Event> found;
    for (auto events = first; events != last; ++events)
        found.insert(found.end(), events->begin(), events->end());
    std::erase_if(found, [&](const Event &e) { return e.julianDay < from || e.julianDay >= to; });
    std::sort(found.begin(), found.end(), Before);
    // Two brackets can lead to the same extreme, which then comes out the
    // same to the minute.
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Event &a, const Event &b) {
                                return a.julianDay == b.julianDay && a.kind == b.kind &&
                                       a.bodies == b.bodies;
                            }),
                found.end());
    return found;
}

// The events of several consecutive stretches, each in time order, worked
// out together on every core: the stretches' tasks share one pool, so a
// search of one heavy kind keeps every core busy too. Each stretch's events
// depend on nothing but the stretch, so they are the same on any number of
// threads. Empty when cancelled on the way, so that nothing half-found is
// kept.
std::vector<std::vector<Event>> FindInStretches(const Search &search,
                                                const std::vector<std::pair<double, double>> &spans,
                                                const Progress *progress, PlaceTable &places,
                                                WorkerPool &workers, bool &cancelled)
{
    // The table's nodes far from these stretches are not wanted again.
    places.forget(truesky::AtUniversalTime(spans.front().first - TableReach).tt,
                  truesky::AtUniversalTime(spans.back().second + TableReach).tt);
    std::vector<Task> tasks;
    std::vector<std::size_t> ends;
    for (const auto &[from, to] : spans) {
        std::vector<Task> some = TasksOf(search, from, to, progress, places);
        tasks.insert(tasks.end(), std::make_move_iterator(some.begin()),
                     std::make_move_iterator(some.end()));
        ends.push_back(tasks.size());
    }
    std::vector<std::vector<Event>> results = Run(tasks, workers);
    if (progress && progress->cancel.load()) {
        cancelled = true;
        return {};
    }
    std::vector<std::vector<Event>> stretches;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        stretches.push_back(Merged(results.begin() + static_cast<std::ptrdiff_t>(begin),
                                   results.begin() + static_cast<std::ptrdiff_t>(ends[i]),
                                   spans[i].first, spans[i].second));
        begin = ends[i];
    }
    return stretches;
}

std::vector<Event> FindInStretch(const Search &search, double from, double to,
                                 const Progress *progress, PlaceTable &places, WorkerPool &workers,
                                 bool &cancelled)
{
    std::vector<std::vector<Event>> found =
        FindInStretches(search, {{from, to}}, progress, places, workers, cancelled);
    return found.empty() ? std::vector<Event>{} : std::move(found.front());
}

// A year's stretch: long enough that the margins cost little, short enough
// that the first events show at once and a cancel is heard quickly.
constexpr double StretchDays = 366;

} // namespace

std::string_view KindName(Kind kind)
{
    return KindNames[static_cast<std::size_t>(kind)];
}

std::optional<Kind> KindNamed(std::string_view name)
{
    for (std::size_t i = 0; i < KindNames.size(); ++i) {
        if (KindNames[i] == name)
            return static_cast<Kind>(i);
    }
    return std::nullopt;
}

std::string_view DetailName(Detail detail)
{
    switch (detail) {
    case Detail::Inferior:
        return "inferior";
    case Detail::Superior:
        return "superior";
    case Detail::East:
        return "east";
    case Detail::West:
        return "west";
    case Detail::None:
        break;
    }
    return {};
}

std::optional<std::string_view> Invalid(const Search &search)
{
    if (!(search.from >= FirstJulianDay && search.from <= EndJulianDay))
        return "the start lies outside 1601 to 9999";
    if (!(search.to >= FirstJulianDay && search.to <= EndJulianDay))
        return "the end lies outside 1601 to 9999";
    if (!(search.from < search.to))
        return "the start is not before the end";
    if (!(search.limit >= SmallestLimit && search.limit <= LargestLimit))
        return "the limit lies outside 0.1 to 20 degrees";
    if ((search.kinds & AllKinds) == 0 || (search.kinds & ~AllKinds) != 0)
        return "no kind of event is chosen";
    if ((search.bodies | search.group) & ~EveryBody)
        return "the Earth or an unknown body is chosen";
    if (search.kinds & KindBit(Kind::Gathering)) {
        const std::size_t members = Members(search.group).size();
        if (members < 3)
            return "a gathering needs three bodies or more";
    }
    return std::nullopt;
}

namespace {

std::pair<int, int> YearsOf(const Search &search)
{
    return {CalendarYear(search.from), CalendarYear(std::max(search.from, search.to - 1e-6))};
}

} // namespace

std::string SourceCaution(const Search &search)
{
    const auto [first, last] = YearsOf(search);
    return ephemeris::Caution(first, last);
}

bool HasPlaces(const Search &search)
{
    const auto [first, last] = YearsOf(search);
    return !ephemeris::YearsFrom(ephemeris::Source::None, first, last);
}

Status StreamEvents(const Search &search, Progress *progress, const Sink &sink)
{
    if (Invalid(search) || !HasPlaces(search))
        return Status::Invalid;
    PlaceTable places;
    WorkerPool workers;
    // As many stretches at once as there are cores, handed over in order.
    const std::size_t together = std::max(1u, std::thread::hardware_concurrency());
    for (double start = search.from; start < search.to;) {
        std::vector<std::pair<double, double>> spans;
        for (; start < search.to && spans.size() < together; start += StretchDays)
            spans.emplace_back(start, std::min(start + StretchDays, search.to));
        bool cancelled = false;
        const std::vector<std::vector<Event>> batches =
            FindInStretches(search, spans, progress, places, workers, cancelled);
        if (cancelled)
            return Status::Cancelled;
        for (std::size_t i = 0; i < batches.size(); ++i) {
            if (sink && !batches[i].empty())
                sink(batches[i]);
            if (progress)
                progress->fraction.store((spans[i].second - search.from) /
                                         (search.to - search.from));
        }
    }
    return Status::Complete;
}

Found FindEvents(const Search &search, Progress *progress, const Sink &sink)
{
    Found found;
    found.status = StreamEvents(search, progress, [&](const std::vector<Event> &batch) {
        found.events.insert(found.events.end(), batch.begin(), batch.end());
        if (sink)
            sink(batch);
    });
    return found;
}

namespace {

// The stretches a search without an end walks through: a month first, then
// doubling to a year.
double NextStretch(double length)
{
    return std::min(length * 2, StretchDays);
}

} // namespace

Found NextEvent(const Search &search, Progress *progress)
{
    Search bounded = search;
    bounded.to = EndJulianDay;
    if (Invalid(bounded) || !HasPlaces(bounded))
        return {{}, Status::Invalid};
    PlaceTable places;
    WorkerPool workers;
    for (double start = search.from, length = 32; start < EndJulianDay;
         start += length, length = NextStretch(length)) {
        const double end = std::min(start + length, EndJulianDay);
        bool cancelled = false;
        std::vector<Event> batch =
            FindInStretch(bounded, start, end, progress, places, workers, cancelled);
        if (cancelled)
            return {{}, Status::Cancelled};
        if (progress)
            progress->fraction.store((end - search.from) / (EndJulianDay - search.from));
        if (!batch.empty())
            return {{batch.front()}, Status::Complete};
    }
    return {};
}

Found PreviousEvent(const Search &search, Progress *progress)
{
    Search bounded = search;
    bounded.from = FirstJulianDay;
    if (Invalid(bounded) || !HasPlaces(bounded))
        return {{}, Status::Invalid};
    PlaceTable places;
    WorkerPool workers;
    for (double end = search.to, length = 32; end > FirstJulianDay;
         end -= length, length = NextStretch(length)) {
        const double start = std::max(end - length, FirstJulianDay);
        bool cancelled = false;
        std::vector<Event> batch =
            FindInStretch(bounded, start, end, progress, places, workers, cancelled);
        if (cancelled)
            return {{}, Status::Cancelled};
        if (progress)
            progress->fraction.store((search.to - start) / (search.to - FirstJulianDay));
        if (!batch.empty())
            return {{batch.back()}, Status::Complete};
    }
    return {};
}

} // namespace skyevents

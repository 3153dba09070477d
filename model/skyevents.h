// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sky events on the true sky: conjunctions of two bodies, gatherings of a
// group, oppositions, conjunctions with the Sun, greatest elongations and
// the Moon's phases, found from the apparent geocentric places of the date
// (model/truesky.h).
//
// - separation: the angle between two bodies' directions, latitude
//   included; the spread of a group is the largest separation of two of
//   its members;
// - conjunction: a local minimum in time of two bodies' separation that is
//   at most the limit; a gathering is the same for a group's spread;
// - opposition, conjunction with the Sun: the planet's ecliptic longitude
//   minus the Sun's is 180° or 0°;
// - greatest elongation (Mercury, Venus): a local maximum of the angle from
//   the Sun, east in the evening sky, west in the morning sky;
// - the Moon's phases: its longitude minus the Sun's is 0°, 90°, 180° or
//   270°.
//
// No event is stepped over: the search moves from one instant to the next
// only as far as the bodies' proven rates of motion allow nothing to happen
// in between, and refines each event to the second before rounding it to
// the minute. Everything here is plain C++ and may run on any thread.

#include "model/catalogue.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skyevents {

enum class Kind : std::uint8_t {
    Conjunction,
    Gathering,
    Opposition,
    ConjunctionWithSun,
    GreatestElongation,
    NewMoon,
    FirstQuarter,
    FullMoon,
    LastQuarter,
};
inline constexpr std::size_t KindCount = 9;

// A set of kinds, one bit per Kind.
using Kinds = std::uint16_t;
constexpr Kinds KindBit(Kind kind)
{
    return static_cast<Kinds>(1u << static_cast<unsigned>(kind));
}
inline constexpr Kinds AllKinds = (1u << KindCount) - 1;
inline constexpr Kinds DefaultKinds = AllKinds & ~KindBit(Kind::Gathering);

// The names scripts write: "conjunction", "gathering", "opposition",
// "conjunction-sun", "greatest-elongation", "new-moon", "first-quarter",
// "full-moon", "last-quarter".
std::string_view KindName(Kind kind);
std::optional<Kind> KindNamed(std::string_view name);

// A set of bodies, one bit per Body. The Earth's bit is never set.
using Bodies = std::uint16_t;
constexpr Bodies BodyBit(Body body)
{
    return static_cast<Bodies>(1u << static_cast<unsigned>(body));
}
// The Moon and the eight planets other than the Earth.
inline constexpr Bodies EveryBody = 0x3ff & ~BodyBit(Body::Earth);

// Which side of the Sun: conjunctions with the Sun are inferior or
// superior, greatest elongations east or west.
enum class Detail : std::uint8_t { None, Inferior, Superior, East, West };
// "inferior", "superior", "east", "west", or empty.
std::string_view DetailName(Detail detail);

// Closer than this to the Sun, in degrees, nothing can be seen.
inline constexpr double TooNearTheSunDegrees = 10;

inline constexpr double NoAngle = std::numeric_limits<double>::quiet_NaN();

struct Event {
    double julianDay = 0; // universal time, on a whole minute
    Kind kind = Kind::Conjunction;
    Detail detail = Detail::None;
    Bodies bodies = 0;
    // The separation of a conjunction or the spread of a gathering,
    // degrees; NoAngle for the other kinds.
    double separation = NoAngle;
    // Each of the event's bodies' angle from the Sun, degrees, by Body;
    // NoAngle for the others.
    std::array<double, 10> fromSun{NoAngle, NoAngle, NoAngle, NoAngle, NoAngle,
                                   NoAngle, NoAngle, NoAngle, NoAngle, NoAngle};
    // One of the bodies is closer than TooNearTheSunDegrees to the Sun.
    bool tooNearTheSun = false;
    // The instant lies outside the years in which one of the bodies' true
    // places is good to a tenth of a degree (model/reliableyears.h).
    bool approximate = false;
    // The standard uncertainty of the instant in universal time, seconds.
    // A geocentric event happens at a fixed terrestrial time, so its
    // universal time is exactly as uncertain as ΔT (model/deltat.h).
    double uncertainty = 0;
};

// The calendar's ends: 1 January 1601 and 1 January 10000, 0 h UT.
inline constexpr double FirstJulianDay = 2305813.5;
inline constexpr double EndJulianDay = 5373484.5;

inline constexpr double SmallestLimit = 0.1;
inline constexpr double LargestLimit = 20;

struct Search {
    double from = 0; // universal time, Julian days; from inclusive
    double to = 0;   // to exclusive
    Kinds kinds = DefaultKinds;
    // Conjunctions take every pair of these; oppositions, conjunctions with
    // the Sun and greatest elongations the planets among them that have
    // them. The Moon's phases need no bodies.
    Bodies bodies = EveryBody;
    Bodies group = 0; // for gatherings: three to nine bodies
    double limit = 5; // degrees, SmallestLimit to LargestLimit
};

// Why a search cannot be made, or nothing when it can: the range is empty,
// reversed or outside the calendar, the limit is out of bounds, no kind is
// chosen, a gathering has fewer than three bodies, or the Earth is chosen.
std::optional<std::string_view> Invalid(const Search &search);

// What the ephemeris files on this machine leave of the years from
// `search.from` to `search.to` (ephemeris::Caution): empty when DE431 holds
// them all.
std::string SourceCaution(const Search &search);

// Whether every one of those years has true places. A search over years
// without them is refused as invalid, never answered with nothing.
bool HasPlaces(const Search &search);

enum class Status { Complete, Cancelled, Invalid };

// Lets another thread follow a search and stop it.
struct Progress {
    std::atomic<double> fraction{0};
    std::atomic<bool> cancel{false};
};

struct Found {
    std::vector<Event> events; // in time order
    Status status = Status::Complete;
};

// Receives the events as they are found, in time order, a batch at a time;
// the batches together are Found::events.
using Sink = std::function<void(const std::vector<Event> &)>;

// Every event of the chosen kinds in [from, to). A cancelled search returns
// the events found before it stopped, each of them whole.
Found FindEvents(const Search &search, Progress *progress = nullptr, const Sink &sink = {});

// As FindEvents, but keeping nothing: every batch goes to the sink alone,
// so that a search over the whole calendar runs in flat memory.
Status StreamEvents(const Search &search, Progress *progress, const Sink &sink);

// The first event of the chosen kinds at or after `search.from`, however
// far ahead, up to the calendar's end; `search.to` is not read. Found holds
// one event or none.
Found NextEvent(const Search &search, Progress *progress = nullptr);

// The last event of the chosen kinds before `search.to`, back to the
// calendar's start; `search.from` is not read.
Found PreviousEvent(const Search &search, Progress *progress = nullptr);

} // namespace skyevents

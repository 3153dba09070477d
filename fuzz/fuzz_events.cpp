// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any command line of heliodial-events, its arguments split at NUL bytes or
// line ends: it is refused with one line naming what is wrong, or read into a
// search the engine accepts. Such a search, cut to 40 days, gives its events
// in time order inside its range, each with the bodies, angles and details
// its kind has and no others, and every output format writes them whole.
#include "cli/eventsformat.h"
#include "cli/eventsoptions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

using skyevents::Bodies;
using skyevents::Detail;
using skyevents::Event;
using skyevents::Kind;

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// 2026-03-15, 0 h UT, for the days not given.
constexpr double Today = 2461114.5;
constexpr double LongestSearch = 40;

int Count(Bodies bodies)
{
    int count = 0;
    for (; bodies; bodies &= static_cast<Bodies>(bodies - 1))
        ++count;
    return count;
}

bool Within(Bodies bodies, Bodies set)
{
    return (bodies & ~set) == 0;
}

bool IsPhase(Kind kind)
{
    return kind == Kind::NewMoon || kind == Kind::FirstQuarter || kind == Kind::FullMoon ||
           kind == Kind::LastQuarter;
}

void CheckEvent(const Event &event, const skyevents::Search &search)
{
    Check(event.julianDay >= search.from && event.julianDay < search.to);
    Check((search.kinds & skyevents::KindBit(event.kind)) != 0);
    // On a whole minute.
    const double minutes = (event.julianDay - 2440587.5) * 1440;
    Check(std::fabs(minutes - std::round(minutes)) < 1e-3);

    const Bodies moon = skyevents::BodyBit(Body::Moon);
    const Bodies inner = skyevents::BodyBit(Body::Mercury) | skyevents::BodyBit(Body::Venus);
    switch (event.kind) {
    case Kind::Conjunction:
        Check(Count(event.bodies) == 2 && Within(event.bodies, search.bodies));
        break;
    case Kind::Gathering:
        Check(event.bodies == search.group);
        break;
    case Kind::Opposition:
        Check(Count(event.bodies) == 1 && Within(event.bodies, search.bodies & ~moon & ~inner));
        break;
    case Kind::ConjunctionWithSun:
    case Kind::GreatestElongation:
        Check(Count(event.bodies) == 1 && Within(event.bodies, search.bodies & ~moon));
        break;
    default:
        Check(IsPhase(event.kind) && Within(event.bodies, moon));
        break;
    }

    const bool closeApproach = event.kind == Kind::Conjunction || event.kind == Kind::Gathering;
    if (closeApproach)
        Check(event.separation >= 0 && event.separation <= search.limit);
    else
        Check(std::isnan(event.separation));

    bool nearTheSun = false;
    for (std::size_t b = 0; b < event.fromSun.size(); ++b) {
        const double angle = event.fromSun[b];
        if (event.bodies & skyevents::BodyBit(static_cast<Body>(b))) {
            Check(angle >= 0 && angle <= 180);
            nearTheSun = nearTheSun || angle < skyevents::TooNearTheSunDegrees;
        } else {
            Check(std::isnan(angle));
        }
    }
    Check(event.tooNearTheSun == nearTheSun);

    switch (event.kind) {
    case Kind::ConjunctionWithSun:
        Check(event.detail == Detail::Superior ||
              (event.detail == Detail::Inferior && Within(event.bodies, inner)));
        break;
    case Kind::GreatestElongation:
        Check((event.detail == Detail::East || event.detail == Detail::West) &&
              Within(event.bodies, inner));
        break;
    default:
        Check(event.detail == Detail::None);
        break;
    }
}

// Each format holds every event: a CSV row of six fields each, an iCalendar
// event each in lines of at most 75 octets, a table line each.
void CheckOutput(const std::vector<Event> &events, const skyevents::Search &search)
{
    for (const eventscli::Format format :
         {eventscli::Format::Csv, eventscli::Format::Ics, eventscli::Format::Text}) {
        std::ostringstream out;
        eventscli::EventWriter writer(out, format, search, {});
        writer.begin();
        writer.write(events);
        writer.end();
        Check(writer.written() == events.size());
        const std::string text = out.str();
        std::size_t lines = 0, vevents = 0, start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1, ++lines) {
            const std::string_view line(text.data() + start, end - start);
            if (format == eventscli::Format::Csv) {
                // Seven columns, the last, the time's uncertainty, never empty.
                Check(std::count(line.begin(), line.end(), ',') == 6);
                Check(!line.ends_with(','));
            }
            if (format == eventscli::Format::Ics) {
                Check(line.ends_with('\r') && line.size() <= 76);
                vevents += line == "BEGIN:VEVENT\r";
            }
        }
        Check(start == text.size());
        if (format == eventscli::Format::Csv)
            Check(lines == events.size() + 1);
        if (format == eventscli::Format::Ics)
            Check(vevents == events.size());
        if (format == eventscli::Format::Text)
            Check(lines == std::max<std::size_t>(events.size(), 1) + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    std::vector<std::string> arguments(1);
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\0' || c == '\n')
            arguments.emplace_back();
        else
            arguments.back() += c;
    }
    if (size == 0)
        arguments.clear();
    const std::vector<std::string_view> views(arguments.begin(), arguments.end());
    const eventscli::Parsed parsed = eventscli::ParseArguments(views, Today);
    if (!parsed.ok()) {
        Check(parsed.error.find('\n') == std::string::npos);
        return 0;
    }
    if (parsed.options.mode == eventscli::Mode::Help)
        return 0;
    skyevents::Search search = parsed.options.search;
    Check(!skyevents::Invalid(search));
    Check(search.limit >= skyevents::SmallestLimit && search.limit <= skyevents::LargestLimit);
    // The next and previous events may lie centuries away: only the reading
    // of their arguments is tried.
    if (parsed.options.mode != eventscli::Mode::Range)
        return 0;

    search.to = std::min(search.to, search.from + LongestSearch);
    std::size_t streamed = 0;
    double last = -1;
    const skyevents::Found found =
        skyevents::FindEvents(search, nullptr, [&](const std::vector<Event> &batch) {
            for (const Event &event : batch) {
                Check(event.julianDay >= last);
                last = event.julianDay;
            }
            streamed += batch.size();
        });
    Check(found.status == skyevents::Status::Complete);
    Check(streamed == found.events.size());
    for (std::size_t i = 0; i < found.events.size(); ++i) {
        CheckEvent(found.events[i], search);
        if (i > 0)
            Check(found.events[i - 1].julianDay <= found.events[i].julianDay);
    }
    CheckOutput(found.events, search);
    return 0;
}

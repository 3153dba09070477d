// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/eventsformat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

namespace eventscli {

namespace {

using skyevents::Detail;
using skyevents::Event;
using skyevents::Kind;

constexpr double UnixEpochJulianDay = 2440587.5;
constexpr std::string_view Degree = "°";

std::vector<Body> BodiesOf(skyevents::Bodies bodies)
{
    std::vector<Body> list;
    for (std::size_t b = 0; b < Catalogue.size(); ++b)
        if (bodies & skyevents::BodyBit(static_cast<Body>(b)))
            list.push_back(static_cast<Body>(b));
    return list;
}

// The value with `decimals` decimals and a decimal point; no "-0.00".
std::string Fixed(double value, int decimals)
{
    char text[400];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    if (error != std::errc{})
        return {};
    std::string fixed(text, end);
    if (fixed.front() == '-' && fixed.find_first_not_of("-0.") == std::string::npos)
        fixed.erase(0, 1);
    return fixed;
}

// The angle with `decimals` decimals, or nothing when there is none.
std::string Angle(double degrees, int decimals)
{
    return std::isfinite(degrees) ? Fixed(degrees, decimals) : std::string{};
}

bool HasElongation(Kind kind)
{
    return kind == Kind::Opposition || kind == Kind::ConjunctionWithSun ||
           kind == Kind::GreatestElongation;
}

// A body's name in a sentence.
std::string ProseName(Body body)
{
    return body == Body::Moon ? "the Moon" : std::string(BodyName(body));
}

// "Mars", "Mars and Venus", "Mars, Venus and the Moon".
std::string ProseList(skyevents::Bodies bodies)
{
    const std::vector<Body> list = BodiesOf(bodies);
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0)
            text += i + 1 == list.size() ? " and " : ", ";
        text += ProseName(list[i]);
    }
    return text;
}

// The widest of the titles, for the table.
constexpr std::size_t TitleWidth = 24;

// The minutes since 1970-01-01 0 h UT, and the calendar day and time of day
// they fall on.
struct Instant {
    std::chrono::year_month_day date;
    int hour = 0;
    int minute = 0;
};

std::optional<Instant> InstantOf(double julianDay)
{
    const double minutes = std::round((julianDay - UnixEpochJulianDay) * 1440);
    // Far beyond any calendar day the types below can hold.
    if (!std::isfinite(minutes) || std::abs(minutes) > 1e13)
        return std::nullopt;
    const auto whole = static_cast<long long>(minutes);
    const long long days = whole >= 0 ? whole / 1440 : -((-whole + 1439) / 1440);
    const long long ofDay = whole - days * 1440;
    return Instant{std::chrono::year_month_day{std::chrono::sys_days{std::chrono::days{days}}},
                   static_cast<int>(ofDay / 60), static_cast<int>(ofDay % 60)};
}

// "20201221T182000Z", or with `seconds` false "20201221T1820Z".
std::string IcsInstant(double julianDay, bool seconds)
{
    const std::optional<Instant> instant = InstantOf(julianDay);
    if (!instant)
        return {};
    char text[40];
    const int length = std::snprintf(
        text, sizeof text, seconds ? "%04d%02u%02uT%02d%02d00Z" : "%04d%02u%02uT%02d%02dZ",
        int(instant->date.year()), unsigned(instant->date.month()), unsigned(instant->date.day()),
        instant->hour, instant->minute);
    return std::string(text, static_cast<std::size_t>(length));
}

std::string StampText(std::chrono::sys_seconds stamp)
{
    const auto day = std::chrono::floor<std::chrono::days>(stamp);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss time{stamp - day};
    char text[40];
    const int length =
        std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d%02dZ", int(date.year()),
                      unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                      int(time.minutes().count()), int(time.seconds().count()));
    return std::string(text, static_cast<std::size_t>(length));
}

// The event's angles and notes in sentences, one a line.
std::string Description(const Event &event)
{
    std::string description;
    if (const std::optional<Instant> instant = InstantOf(event.julianDay)) {
        char text[40];
        std::snprintf(text, sizeof text, "At %04d-%02u-%02u %02d:%02d UT.",
                      int(instant->date.year()), unsigned(instant->date.month()),
                      unsigned(instant->date.day()), instant->hour, instant->minute);
        description = text;
    }
    if (std::isfinite(event.separation))
        description += std::string(event.kind == Kind::Gathering ? "\nSpread " : "\nSeparation ") +
                       Fixed(event.separation, 3) + std::string(Degree) + ".";
    std::string angles;
    for (const Body body : BodiesOf(event.bodies)) {
        const double angle = event.fromSun[static_cast<std::size_t>(body)];
        if (!std::isfinite(angle))
            continue;
        angles += angles.empty() ? "\nAngle from the Sun: " : ", ";
        angles += std::string(BodyName(body)) + " " + Fixed(angle, 1) + std::string(Degree);
    }
    if (!angles.empty())
        description += angles + ".";
    if (event.tooNearTheSun)
        description += "\nToo near the Sun to see.";
    if (event.approximate)
        description += "\nApproximate: outside the years in which the places of these bodies "
                       "hold to a tenth of a degree.";
    description += "\nTime uncertain by \u00b1" + UncertaintyText(event.uncertainty) +
                   " s (the Earth's clock, \u0394T).";
    return description;
}

// The number of characters of UTF-8 text, for the table's alignment.
std::size_t Columns(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; }));
}

void PadRight(std::string &line, std::string_view cell, std::size_t width)
{
    line += cell;
    line.append(width - std::min(width, Columns(cell)), ' ');
}

void PadLeft(std::string &line, std::string_view cell, std::size_t width)
{
    line.append(width - std::min(width, Columns(cell)), ' ');
    line += cell;
}

// The widest the Bodies column can be for a search: two bodies for a
// conjunction, the group for a gathering.
std::size_t BodiesWidth(const skyevents::Search &search)
{
    std::vector<std::size_t> widths;
    for (const Body body : BodiesOf(search.bodies))
        widths.push_back(BodyName(body).size());
    std::sort(widths.rbegin(), widths.rend());
    std::size_t width = std::string_view("Bodies").size();
    if (!widths.empty())
        width = std::max(width, widths[0]);
    if ((search.kinds & skyevents::KindBit(Kind::Conjunction)) && widths.size() >= 2)
        width = std::max(width, widths[0] + 2 + widths[1]);
    if (search.kinds & skyevents::KindBit(Kind::Gathering))
        width = std::max(width, BodiesText(search.group, ", ").size());
    return width;
}

constexpr std::size_t InstantWidth = 17;    // 2020-12-21T18:20Z
constexpr std::size_t SeparationWidth = 10; // "Separation"
constexpr std::size_t FromSunWidth = 8;     // "From Sun"
constexpr std::size_t UncertaintyWidth = 7; // "\u00b1 s UT", "\u00b126677"

} // namespace

// The angle from the Sun of the one planet of an opposition, conjunction
// with the Sun or greatest elongation.
double Elongation(const Event &event)
{
    const std::vector<Body> bodies = BodiesOf(event.bodies);
    if (!HasElongation(event.kind) || bodies.empty())
        return skyevents::NoAngle;
    return event.fromSun[static_cast<std::size_t>(bodies.front())];
}

// The kind of event in words, as the table's Event column shows it.
std::string Title(const Event &event)
{
    switch (event.kind) {
    case Kind::Conjunction:
        return "Conjunction";
    case Kind::Gathering:
        return "Gathering";
    case Kind::Opposition:
        return "Opposition";
    case Kind::ConjunctionWithSun:
        if (event.detail == Detail::Inferior)
            return "Inferior conjunction";
        if (event.detail == Detail::Superior)
            return "Superior conjunction";
        return "Conjunction with the Sun";
    case Kind::GreatestElongation:
        if (event.detail == Detail::East)
            return "Greatest elongation east";
        if (event.detail == Detail::West)
            return "Greatest elongation west";
        return "Greatest elongation";
    case Kind::NewMoon:
        return "New moon";
    case Kind::FirstQuarter:
        return "First quarter";
    case Kind::FullMoon:
        return "Full moon";
    case Kind::LastQuarter:
        return "Last quarter";
    }
    return std::string(skyevents::KindName(event.kind));
}

// "too near the Sun to see; approximate", or nothing.
std::string Notes(const Event &event)
{
    std::string notes;
    if (event.tooNearTheSun)
        notes = "too near the Sun to see";
    if (event.approximate)
        notes += notes.empty() ? "approximate" : "; approximate";
    return notes;
}

std::string InstantText(double julianDay)
{
    const std::optional<Instant> instant = InstantOf(julianDay);
    if (!instant)
        return {};
    char text[40];
    const int length = std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02dZ",
                                     int(instant->date.year()), unsigned(instant->date.month()),
                                     unsigned(instant->date.day()), instant->hour, instant->minute);
    return std::string(text, static_cast<std::size_t>(length));
}

std::string BodiesText(skyevents::Bodies bodies, std::string_view separator)
{
    std::string text;
    for (const Body body : BodiesOf(bodies)) {
        if (!text.empty())
            text += separator;
        text += BodyName(body);
    }
    return text;
}

std::string UncertaintyText(double seconds)
{
    // Two figures are all ΔT's uncertainty is known to.
    if (!(seconds >= 0) || !std::isfinite(seconds))
        return {};
    if (seconds < 10)
        return Fixed(seconds, 1);
    return Fixed(std::round(seconds), 0);
}

std::string CsvRow(const Event &event)
{
    // None of the fields can hold a comma or a quote: no quoting needed; the
    // uncertainty is written without a thousands separator.
    return InstantText(event.julianDay) + "," + std::string(skyevents::KindName(event.kind)) + "," +
           BodiesText(event.bodies, "+") + "," + Angle(event.separation, 3) + "," +
           Angle(Elongation(event), 2) + "," + std::string(skyevents::DetailName(event.detail)) +
           "," + UncertaintyText(event.uncertainty);
}

std::string Summary(const Event &event)
{
    const std::string separation =
        std::isfinite(event.separation) ? Fixed(event.separation, 2) + std::string(Degree) : "";
    const std::string bodies = ProseList(event.bodies);
    switch (event.kind) {
    case Kind::Conjunction:
        return "Conjunction of " + bodies + (separation.empty() ? "" : ", " + separation);
    case Kind::Gathering:
        return "Gathering of " + bodies + (separation.empty() ? "" : " within " + separation);
    case Kind::Opposition:
        return "Opposition of " + bodies;
    case Kind::ConjunctionWithSun:
        if (event.detail == Detail::None)
            return "Conjunction of " + bodies + " with the Sun";
        return Title(event) + " of " + bodies;
    case Kind::GreatestElongation: {
        const double elongation = Elongation(event);
        std::string text = "Greatest elongation of " + bodies;
        if (std::isfinite(elongation))
            text += ", " + Fixed(elongation, 1) + std::string(Degree);
        if (event.detail == Detail::East || event.detail == Detail::West)
            text += (std::isfinite(elongation) ? " " : ", ") +
                    std::string(skyevents::DetailName(event.detail));
        return text;
    }
    case Kind::FirstQuarter:
    case Kind::LastQuarter:
        return Title(event) + " moon";
    case Kind::NewMoon:
    case Kind::FullMoon:
        break;
    }
    return Title(event);
}

std::string IcsUid(const Event &event)
{
    std::string uid =
        IcsInstant(event.julianDay, false) + "-" + std::string(skyevents::KindName(event.kind));
    // The phases' names say whose they are.
    const bool phase = event.kind == Kind::NewMoon || event.kind == Kind::FirstQuarter ||
                       event.kind == Kind::FullMoon || event.kind == Kind::LastQuarter;
    for (const Body body : BodiesOf(phase ? 0 : event.bodies)) {
        uid += "-";
        for (const char c : BodyName(body))
            uid += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return uid + "@heliodial";
}

std::string IcsEscaped(std::string_view text)
{
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n' || c == '\r') {
            escaped += "\\n";
            // CRLF is one line end.
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::string IcsFolded(std::string_view line)
{
    constexpr std::size_t Octets = 75;
    std::string folded;
    bool first = true;
    do {
        // A continuation line's leading space counts among its octets.
        const std::size_t room = first ? Octets : Octets - 1;
        const std::size_t most = std::min(room, line.size());
        // Never between the bytes of one character, unless the bytes are
        // no UTF-8 at all.
        std::size_t cut = most;
        while (cut > 0 && cut < line.size() && (line[cut] & 0xc0) == 0x80)
            --cut;
        if (cut == 0)
            cut = most;
        if (!first)
            folded += ' ';
        folded += line.substr(0, cut);
        folded += "\r\n";
        line.remove_prefix(cut);
        first = false;
    } while (!line.empty());
    return folded;
}

EventWriter::EventWriter(std::ostream &out, Format format, const skyevents::Search &search,
                         std::chrono::sys_seconds stamp)
    : out(out), format(format), stamp(stamp), bodiesWidth(BodiesWidth(search))
{
}

void EventWriter::begin()
{
    switch (format) {
    case Format::Csv:
        out << CsvHeader << '\n';
        break;
    case Format::Ics:
        out << IcsFolded("BEGIN:VCALENDAR") << IcsFolded("VERSION:2.0")
            << IcsFolded("PRODID:-//Heliodial//Sky events//EN") << IcsFolded("CALSCALE:GREGORIAN")
            << IcsFolded("METHOD:PUBLISH") << IcsFolded("X-WR-CALNAME:Sky events");
        break;
    case Format::Text:
        textLine("UTC", "Event", "Bodies", "Separation", "From Sun", "\u00b1 s UT", "Notes");
        break;
    }
}

void EventWriter::write(const std::vector<Event> &events)
{
    for (const Event &event : events) {
        switch (format) {
        case Format::Csv:
            out << CsvRow(event) << '\n';
            break;
        case Format::Ics:
            writeIcs(event);
            break;
        case Format::Text:
            writeText(event);
            break;
        }
        ++count;
    }
}

void EventWriter::end()
{
    if (format == Format::Ics)
        out << IcsFolded("END:VCALENDAR");
    else if (format == Format::Text && count == 0)
        out << "No events.\n";
}

void EventWriter::writeIcs(const Event &event)
{
    out << IcsFolded("BEGIN:VEVENT") << IcsFolded("UID:" + IcsUid(event))
        << IcsFolded("DTSTAMP:" + StampText(stamp))
        << IcsFolded("DTSTART:" + IcsInstant(event.julianDay, true))
        << IcsFolded("SUMMARY:" + IcsEscaped(Summary(event)))
        << IcsFolded("DESCRIPTION:" + IcsEscaped(Description(event)))
        // An instant, which takes no time in the diary.
        << IcsFolded("TRANSP:TRANSPARENT") << IcsFolded("END:VEVENT");
}

void EventWriter::writeText(const Event &event)
{
    const std::string separation = std::isfinite(event.separation)
                                       ? Fixed(event.separation, 2) + std::string(Degree)
                                       : std::string{};
    const double elongation = Elongation(event);
    const std::string fromSun =
        std::isfinite(elongation) ? Fixed(elongation, 1) + std::string(Degree) : std::string{};
    textLine(InstantText(event.julianDay), Title(event), BodiesText(event.bodies, ", "), separation,
             fromSun, "\u00b1" + UncertaintyText(event.uncertainty), Notes(event));
}

void EventWriter::textLine(std::string_view instant, std::string_view event,
                           std::string_view bodies, std::string_view separation,
                           std::string_view fromSun, std::string_view uncertainty,
                           std::string_view notes)
{
    std::string line;
    PadRight(line, instant, InstantWidth);
    line += "  ";
    PadRight(line, event, TitleWidth);
    line += "  ";
    PadRight(line, bodies, bodiesWidth);
    line += "  ";
    PadLeft(line, separation, SeparationWidth);
    line += "  ";
    PadLeft(line, fromSun, FromSunWidth);
    line += "  ";
    PadLeft(line, uncertainty, UncertaintyWidth);
    line += "  ";
    line += notes;
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

} // namespace eventscli

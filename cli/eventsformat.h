// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sky events written for scripts, calendars and people: CSV, iCalendar
// (RFC 5545) and an aligned table of text. All numbers are written with a
// decimal point whatever the locale, all instants in UTC to the minute.

#include "cli/eventsoptions.h"
#include "model/skyevents.h"

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace eventscli {

// The first line of the CSV output.
inline constexpr std::string_view CsvHeader =
    "utc,kind,bodies,separation_deg,elongation_deg,detail,uncertainty_s";

// "0.2", "107", "1143": an event's uncertainty in seconds, as the CSV, the
// text and the descriptions give it.
std::string UncertaintyText(double seconds);

// "2020-12-21T18:20Z": the instant rounded to the nearest minute.
std::string InstantText(double julianDay);

// The bodies' names in the catalogue's order (the Moon last), joined by
// `separator`.
std::string BodiesText(skyevents::Bodies bodies, std::string_view separator);

// One CSV row, without the line's end.
std::string CsvRow(const skyevents::Event &event);

// The event in a few words: "Conjunction of Jupiter and Saturn, 0.10°",
// "Full moon", "Greatest elongation of Mercury, 18.9° east".
std::string Summary(const skyevents::Event &event);

// The kind of event in words, with its side of the Sun: "Conjunction",
// "Inferior conjunction", "Greatest elongation east", "Full moon".
std::string Title(const skyevents::Event &event);

// The angle from the Sun, degrees, of the one planet of an opposition, a
// conjunction with the Sun or a greatest elongation; NoAngle otherwise.
double Elongation(const skyevents::Event &event);

// "too near the Sun to see; approximate", or nothing.
std::string Notes(const skyevents::Event &event);

// The same event's identifier in every calendar made of it, from its
// instant, kind and bodies: "20201221T1820Z-conjunction-jupiter-saturn@heliodial",
// "20201230T0328Z-full-moon@heliodial".
std::string IcsUid(const skyevents::Event &event);

// Text with the characters iCalendar gives a meaning escaped: backslash,
// semicolon, comma and line ends.
std::string IcsEscaped(std::string_view text);

// One content line folded into lines of at most 75 octets, never inside a
// UTF-8 character, each ended by CRLF; the lines after the first begin with
// a space.
std::string IcsFolded(std::string_view line);

// Writes the events of one search as they come: begin(), then write() for
// each batch, then end().
class EventWriter {
public:
    // `search` sets the table's column widths; `stamp` is the time the
    // calendar is made, its DTSTAMP.
    EventWriter(std::ostream &out, Format format, const skyevents::Search &search,
                std::chrono::sys_seconds stamp);

    void begin();
    void write(const std::vector<skyevents::Event> &events);
    void end();

    std::size_t written() const { return count; }

private:
    void writeIcs(const skyevents::Event &event);
    void writeText(const skyevents::Event &event);
    void textLine(std::string_view instant, std::string_view event, std::string_view bodies,
                  std::string_view separation, std::string_view fromSun,
                  std::string_view uncertainty, std::string_view notes);

    std::ostream &out;
    Format format;
    std::chrono::sys_seconds stamp;
    std::size_t bodiesWidth;
    std::size_t count = 0;
};

} // namespace eventscli

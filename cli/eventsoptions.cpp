// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/eventsoptions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace eventscli {

namespace {

using skyevents::Bodies;
using skyevents::Kind;
using skyevents::Kinds;

// Days from 1970-01-01 to a Julian day at 0 h UT.
constexpr double UnixEpochJulianDay = 2440587.5;

// The names of the days the calendar's ends fall on, for the messages.
constexpr std::string_view FirstDayText = "1601-01-01";
constexpr std::string_view LastDayText = "9999-12-31";
constexpr std::string_view EndDayText = "10000-01-01";

constexpr std::array<Body, 9> NamedBodies{Body::Mercury, Body::Venus,  Body::Mars,
                                          Body::Jupiter, Body::Saturn, Body::Uranus,
                                          Body::Neptune, Body::Pluto,  Body::Moon};

std::string Quoted(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted += '"';
    quoted += text;
    quoted += '"';
    return quoted;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The items of a comma-separated list, spaces round each item left out.
std::vector<std::string_view> Items(std::string_view list)
{
    std::vector<std::string_view> items;
    for (;;) {
        const std::size_t comma = list.find(',');
        items.push_back(Trimmed(list.substr(0, comma)));
        if (comma == std::string_view::npos)
            return items;
        list.remove_prefix(comma + 1);
    }
}

bool AllDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

unsigned Number(std::string_view digits)
{
    unsigned value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

std::string DayText(double julianDay)
{
    const std::chrono::sys_days day{
        std::chrono::days{static_cast<long>(std::floor(julianDay - UnixEpochJulianDay))}};
    const std::chrono::year_month_day date{day};
    char text[16];
    const int length = std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()),
                                     unsigned(date.month()), unsigned(date.day()));
    return std::string(text, static_cast<std::size_t>(length));
}

// A day written YYYY-MM-DD, as its Julian day at 0 h UT, or an error. The
// year may have five digits, for 10000-01-01.
std::optional<double> ReadDay(std::string_view option, std::string_view text, std::string &error)
{
    const std::size_t dash = text.find('-');
    const bool wellFormed = (dash == 4 || dash == 5) && text.size() == dash + 6 &&
                            text[dash + 3] == '-' && AllDigits(text.substr(0, dash)) &&
                            AllDigits(text.substr(dash + 1, 2)) &&
                            AllDigits(text.substr(dash + 4, 2));
    if (!wellFormed) {
        error = std::string(option) + ": " + Quoted(text) + " is not a date of the form YYYY-MM-DD";
        return std::nullopt;
    }
    const unsigned year = Number(text.substr(0, dash));
    // Beyond the calendar's end, and beyond what the calendar types hold.
    if (year > 10000) {
        error =
            std::string(option) + ": " + std::string(text) + " is after " + std::string(EndDayText);
        return std::nullopt;
    }
    const std::optional<double> day = JulianDayOf(
        static_cast<int>(year), Number(text.substr(dash + 1, 2)), Number(text.substr(dash + 4, 2)));
    if (!day)
        error = std::string(option) + ": " + std::string(text) + " is not a day of the calendar";
    return day;
}

std::optional<Kind> ReadKind(std::string_view option, std::string_view name, std::string &error)
{
    if (const std::optional<Kind> kind = skyevents::KindNamed(Lower(name)))
        return kind;
    error = std::string(option) + ": unknown kind " + Quoted(name) + " (";
    for (std::size_t k = 0; k < skyevents::KindCount; ++k) {
        if (k > 0)
            error += ", ";
        error += skyevents::KindName(static_cast<Kind>(k));
    }
    error += ")";
    return std::nullopt;
}

std::optional<Kinds> ReadKinds(std::string_view option, std::string_view list, std::string &error)
{
    Kinds kinds = 0;
    for (const std::string_view item : Items(list)) {
        if (item.empty()) {
            error = std::string(option) + ": empty kind in " + Quoted(list);
            return std::nullopt;
        }
        const std::optional<Kind> kind = ReadKind(option, item, error);
        if (!kind)
            return std::nullopt;
        kinds |= skyevents::KindBit(*kind);
    }
    return kinds;
}

std::optional<Bodies> ReadBodies(std::string_view option, std::string_view list, std::string &error)
{
    Bodies bodies = 0;
    for (const std::string_view item : Items(list)) {
        if (item.empty()) {
            error = std::string(option) + ": empty body name in " + Quoted(list);
            return std::nullopt;
        }
        const std::string lower = Lower(item);
        if (lower == Lower(BodyName(Body::Earth))) {
            error = std::string(option) +
                    ": the Earth cannot be one of the bodies; the events are seen from it";
            return std::nullopt;
        }
        const auto named = std::find_if(NamedBodies.begin(), NamedBodies.end(),
                                        [&](Body body) { return Lower(BodyName(body)) == lower; });
        if (named == NamedBodies.end()) {
            error = std::string(option) + ": unknown body " + Quoted(item) + " (";
            for (const Body body : NamedBodies) {
                error += BodyName(body);
                error += body == NamedBodies.back() ? ")" : ", ";
            }
            return std::nullopt;
        }
        bodies |= skyevents::BodyBit(*named);
    }
    return bodies;
}

int BodyCount(Bodies bodies)
{
    int count = 0;
    for (; bodies != 0; bodies &= static_cast<Bodies>(bodies - 1))
        ++count;
    return count;
}

// Degrees written with digits and at most one decimal point, a minus sign
// allowed so that a negative limit is reported as out of bounds.
std::optional<double> ReadLimit(std::string_view option, std::string_view text, std::string &error)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '-')
        digits.remove_prefix(1);
    const std::size_t point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);
    const bool wellFormed = (AllDigits(whole) || whole.empty()) &&
                            (AllDigits(fraction) || fraction.empty()) &&
                            whole.size() + fraction.size() > 0;
    double limit = 0;
    if (!wellFormed ||
        std::from_chars(text.data(), text.data() + text.size(), limit).ptr !=
            text.data() + text.size() ||
        !std::isfinite(limit)) {
        error = std::string(option) + ": " + Quoted(text) + " is not a number of degrees";
        return std::nullopt;
    }
    if (limit < skyevents::SmallestLimit || limit > skyevents::LargestLimit) {
        error = std::string(option) + ": " + std::string(text) + " is outside 0.1 to 20 degrees";
        return std::nullopt;
    }
    return limit;
}

std::optional<Format> ReadFormat(std::string_view option, std::string_view text, std::string &error)
{
    const std::string name = Lower(text);
    if (name == "csv")
        return Format::Csv;
    if (name == "ics")
        return Format::Ics;
    if (name == "text")
        return Format::Text;
    error = std::string(option) + ": unknown format " + Quoted(text) + " (csv, ics, text)";
    return std::nullopt;
}

// What the command line said, before the defaults are filled in.
struct Given {
    std::optional<double> from, to;
    std::string fromText, toText;
    std::optional<Kinds> kinds;
    std::optional<Bodies> bodies, group;
    std::optional<double> limit;
    std::optional<Format> format;
    std::optional<Kind> next, previous;
};

enum class Takes { Nothing, Value };

struct OptionName {
    std::string_view name;
    Takes takes;
};

constexpr std::array<OptionName, 10> Known{{
    {"--from", Takes::Value},
    {"--to", Takes::Value},
    {"--kinds", Takes::Value},
    {"--bodies", Takes::Value},
    {"--group", Takes::Value},
    {"--within", Takes::Value},
    {"--format", Takes::Value},
    {"--next", Takes::Value},
    {"--previous", Takes::Value},
    {"--help", Takes::Nothing},
}};

// Reads one option's value into `given`; false with `error` set when the
// value is bad.
bool Read(std::string_view option, std::string_view value, Given &given, std::string &error)
{
    if (option == "--from") {
        given.from = ReadDay(option, value, error);
        given.fromText = value;
        return given.from.has_value();
    }
    if (option == "--to") {
        given.to = ReadDay(option, value, error);
        given.toText = value;
        return given.to.has_value();
    }
    if (option == "--kinds")
        return (given.kinds = ReadKinds(option, value, error)).has_value();
    if (option == "--bodies")
        return (given.bodies = ReadBodies(option, value, error)).has_value();
    if (option == "--group")
        return (given.group = ReadBodies(option, value, error)).has_value();
    if (option == "--within")
        return (given.limit = ReadLimit(option, value, error)).has_value();
    if (option == "--format")
        return (given.format = ReadFormat(option, value, error)).has_value();
    if (option == "--next")
        return (given.next = ReadKind(option, value, error)).has_value();
    return (given.previous = ReadKind(option, value, error)).has_value();
}

Parsed Failure(std::string error)
{
    Parsed parsed;
    parsed.error = std::move(error);
    return parsed;
}

// The same day a year later; 29 February is followed by 1 March.
double AYearAfter(double julianDay)
{
    const std::chrono::sys_days day{
        std::chrono::days{static_cast<long>(std::floor(julianDay - UnixEpochJulianDay))}};
    const std::chrono::year_month_day later =
        std::chrono::year_month_day{day} + std::chrono::years{1};
    return static_cast<double>(std::chrono::sys_days{later}.time_since_epoch().count()) +
           UnixEpochJulianDay;
}

} // namespace

std::optional<double> JulianDayOf(int year, unsigned month, unsigned day)
{
    if (year < -32767 || year > 32767 || month > 255 || day > 255)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    if (!date.ok())
        return std::nullopt;
    return static_cast<double>(std::chrono::sys_days{date}.time_since_epoch().count()) +
           UnixEpochJulianDay;
}

double Today()
{
    const auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    return static_cast<double>(today.time_since_epoch().count()) + UnixEpochJulianDay;
}

Parsed ParseArguments(std::span<const std::string_view> arguments, double today)
{
    // --help wins over everything else on the line, mistakes included.
    for (const std::string_view argument : arguments)
        if (argument == "--help" || argument == "-h") {
            Parsed parsed;
            parsed.options.mode = Mode::Help;
            return parsed;
        }

    Given given;
    std::string error;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (!argument.starts_with("-"))
            return Failure("unexpected argument " + Quoted(argument));
        const std::size_t equals = argument.find('=');
        const std::string_view option = argument.substr(0, equals);
        const auto known = std::find_if(Known.begin(), Known.end(),
                                        [&](const OptionName &o) { return o.name == option; });
        if (known == Known.end())
            return Failure(std::string(option) + ": unknown option");
        if (known->takes == Takes::Nothing) {
            if (equals != std::string_view::npos)
                return Failure(std::string(option) + ": takes no value");
            continue;
        }
        std::string_view value;
        if (equals != std::string_view::npos)
            value = argument.substr(equals + 1);
        else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("--"))
            value = arguments[++i];
        if (value.empty())
            return Failure(std::string(option) + ": missing value");
        if (!Read(option, value, given, error))
            return Failure(error);
    }

    Parsed parsed;
    Options &options = parsed.options;
    skyevents::Search &search = options.search;
    options.format = given.format.value_or(Format::Csv);

    // Where the kinds come from, for the messages about them.
    std::string_view kindsOption = "--kinds";
    if (given.next && given.previous)
        return Failure("--previous: cannot be combined with --next");
    if (given.next || given.previous) {
        const std::string_view option = given.next ? "--next" : "--previous";
        if (given.kinds)
            return Failure("--kinds: cannot be combined with " + std::string(option) +
                           ", which names its own kind");
        kindsOption = option;
        options.mode = given.next ? Mode::Next : Mode::Previous;
        search.kinds = skyevents::KindBit(given.next ? *given.next : *given.previous);
    } else {
        search.kinds = given.kinds.value_or(skyevents::DefaultKinds);
    }

    switch (options.mode) {
    case Mode::Next:
        if (given.to)
            return Failure("--to: not used with --next, which looks ahead without end");
        search.from = given.from.value_or(today);
        search.to = skyevents::EndJulianDay;
        break;
    case Mode::Previous:
        if (given.from)
            return Failure("--from: not used with --previous, which looks back from --to");
        search.from = skyevents::FirstJulianDay;
        search.to = given.to.value_or(today);
        break;
    default:
        search.from = given.from.value_or(today);
        search.to = given.to.value_or(std::min(AYearAfter(search.from), skyevents::EndJulianDay));
        break;
    }

    if (given.from &&
        (*given.from < skyevents::FirstJulianDay || *given.from >= skyevents::EndJulianDay))
        return Failure("--from: " + given.fromText + " is outside " + std::string(FirstDayText) +
                       " to " + std::string(LastDayText));
    if (given.to && (*given.to <= skyevents::FirstJulianDay || *given.to > skyevents::EndJulianDay))
        return Failure("--to: " + given.toText + " is outside 1601-01-02 to " +
                       std::string(EndDayText));
    if (options.mode == Mode::Range && search.from >= search.to) {
        if (given.to)
            return Failure("--to: " + given.toText + " is not after " +
                           (given.from ? "--from " + given.fromText : "today, " + DayText(today)));
        return Failure("today, " + DayText(today) + ", leaves no day to search before " +
                       std::string(EndDayText));
    }

    search.bodies = given.bodies.value_or(DefaultBodies);
    search.limit = given.limit.value_or(DefaultLimit);
    const bool gatherings = (search.kinds & skyevents::KindBit(Kind::Gathering)) != 0;
    if (given.group && !gatherings)
        return Failure("--group: only used for gathering, which is not among the kinds asked for");
    if (given.group) {
        search.group = *given.group;
        if (BodyCount(search.group) < 3)
            return Failure("--group: a gathering needs three to nine bodies, not " +
                           std::to_string(BodyCount(search.group)));
    } else if (gatherings) {
        if (BodyCount(search.bodies) < 3)
            return Failure(std::string(kindsOption) +
                           ": gathering needs a --group of three to nine bodies, or as many "
                           "--bodies");
        search.group = search.bodies;
    }

    if (const std::optional<std::string_view> invalid = skyevents::Invalid(search))
        return Failure(std::string(*invalid));
    return parsed;
}

std::string_view Usage()
{
    return R"(Usage: heliodial-events [OPTION]...
Lists the sky events of a span of days, as seen from the Earth, in UT:
conjunctions, gatherings, oppositions, conjunctions with the Sun, greatest
elongations and the Moon's phases.

  --from YYYY-MM-DD   first day searched, from 0 h UT (default: today, UTC)
  --to YYYY-MM-DD     day the search stops at, 0 h UT, not included
                      (default: the same day a year after --from)
  --kinds LIST        comma-separated kinds of event: conjunction, gathering,
                      opposition, conjunction-sun, greatest-elongation,
                      new-moon, first-quarter, full-moon, last-quarter
                      (default: all but gathering)
  --bodies LIST       comma-separated bodies: Mercury, Venus, Mars, Jupiter,
                      Saturn, Uranus, Neptune, Pluto, Moon
                      (default: Mercury to Saturn and the Moon)
  --group LIST        the three to nine bodies of a gathering
                      (default: the --bodies, when there are three or more)
  --within DEGREES    largest separation of a conjunction or spread of a
                      gathering, 0.1 to 20 (default: 5)
  --format FORMAT     csv, ics (a calendar) or text (default: csv)
  --next KIND         only the first event of KIND at or after --from
  --previous KIND     only the last event of KIND before --to (default: today)
  --help              print this help and exit

Days run from 1601-01-01 to 10000-01-01. Options take their value after a
space or an equals sign (--from=2026-01-01).
CSV columns: utc,kind,bodies,separation_deg,elongation_deg,detail,uncertainty_s
Exit status: 0 when the search ran, 1 when it failed or the output could not
be written, 2 when an argument is wrong.
)";
}

} // namespace eventscli

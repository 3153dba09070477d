// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of heliodial-events read into a search: which events,
// over which days, for which bodies, and how to write them. Reading it is a
// pure function of the arguments and of today's date, so that tests and the
// fuzzer can call it as the program does.

#include "model/skyevents.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace eventscli {

enum class Format { Csv, Ics, Text };

enum class Mode {
    Range,    // every event from --from to --to
    Next,     // the first event at or after --from
    Previous, // the last event before --to
    Help,     // print the usage and nothing else
};

struct Options {
    Mode mode = Mode::Range;
    Format format = Format::Csv;
    skyevents::Search search;
};

// The options, or a one-line message naming the argument at fault and what
// is wrong with it (without the program's name).
struct Parsed {
    Options options; // meaningful when error is empty
    std::string error;
    bool ok() const { return error.empty(); }
};

// The bodies and the limit when none are given.
inline constexpr skyevents::Bodies DefaultBodies =
    skyevents::BodyBit(Body::Mercury) | skyevents::BodyBit(Body::Venus) |
    skyevents::BodyBit(Body::Mars) | skyevents::BodyBit(Body::Jupiter) |
    skyevents::BodyBit(Body::Saturn) | skyevents::BodyBit(Body::Moon);
inline constexpr double DefaultLimit = 5;

// `arguments` leaves out the program's name. `today` is the Julian day of
// today's 0 h UT, for the dates not given.
Parsed ParseArguments(std::span<const std::string_view> arguments, double today);

// The Julian day of 0 h UT of the given Gregorian day, or nothing when there
// is no such day.
std::optional<double> JulianDayOf(int year, unsigned month, unsigned day);

// The Julian day of 0 h UT of today, by the system clock.
double Today();

// What --help prints.
std::string_view Usage();

} // namespace eventscli

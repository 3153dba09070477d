// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// heliodial-events: the sky events of a span of days, or the next or the
// previous one of a kind, written to the standard output as CSV, iCalendar
// or a table, with no display needed.
#include "cli/eventsformat.h"
#include "cli/eventsoptions.h"
#include "model/skyevents.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view Program = "heliodial-events";

// The years a search reads: the next or the previous event may lie as far
// as the calendar's end or start.
skyevents::Search Searched(const eventscli::Options &options)
{
    skyevents::Search searched = options.search;
    if (options.mode == eventscli::Mode::Next)
        searched.to = skyevents::EndJulianDay;
    if (options.mode == eventscli::Mode::Previous)
        searched.from = skyevents::FirstJulianDay;
    return searched;
}

int Run(const eventscli::Options &options)
{
    using eventscli::Mode;
    // Without ephemeris files for some of the years nothing is searched, and
    // with only the analytic theory for them the user is told.
    const skyevents::Search searched = Searched(options);
    const std::string caution = skyevents::SourceCaution(searched);
    if (!skyevents::HasPlaces(searched)) {
        std::cerr << Program << ": " << caution << '\n';
        return 1;
    }
    if (!caution.empty())
        std::cerr << Program << ": warning: " << caution << '\n';
    const auto now = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    eventscli::EventWriter writer(std::cout, options.format, options.search, now);
    writer.begin();

    skyevents::Progress progress;
    skyevents::Found found;
    switch (options.mode) {
    case Mode::Next:
        found = skyevents::NextEvent(options.search, &progress);
        writer.write(found.events);
        break;
    case Mode::Previous:
        found = skyevents::PreviousEvent(options.search, &progress);
        writer.write(found.events);
        break;
    default:
        // Each batch goes out as soon as it is found, so that a long search
        // shows its first events at once, and is kept no longer, so that the
        // whole calendar takes no more memory than a year; a reader that has
        // gone stops it.
        found.status = skyevents::StreamEvents(options.search, &progress,
                                               [&](const std::vector<skyevents::Event> &events) {
                                                   writer.write(events);
                                                   if (!std::cout.flush())
                                                       progress.cancel = true;
                                               });
        break;
    }
    if (found.status == skyevents::Status::Invalid) {
        const auto why = skyevents::Invalid(options.search);
        std::cerr << Program << ": " << (why ? *why : "the search cannot be made") << '\n';
        return 2;
    }
    writer.end();
    if (!std::cout.flush() || found.status != skyevents::Status::Complete) {
        std::cerr << Program << ": cannot write the output\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    const eventscli::Parsed parsed = eventscli::ParseArguments(arguments, eventscli::Today());
    if (!parsed.ok()) {
        std::cerr << Program << ": " << parsed.error << '\n';
        return 2;
    }
    if (parsed.options.mode == eventscli::Mode::Help) {
        std::cout << eventscli::Usage();
        return std::cout.flush() ? 0 : 1;
    }
    try {
        return Run(parsed.options);
    } catch (const std::exception &error) {
        std::cerr << Program << ": " << error.what() << '\n';
        return 1;
    }
}

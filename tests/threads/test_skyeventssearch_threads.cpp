// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sky-events window's search, as the window runs it: QtConcurrent's
// threads hand batches to the main thread's event loop, and Stop comes from
// the main thread while they work. Without QtTest, whose watchdog thread
// ThreadSanitizer would see as well; Qt's own libraries are not
// instrumented, so their inner workings are left out of the report.
#include "dialogs/skyeventssearch.h"
#include "threads/check.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <vector>

namespace {

using threadtest::Check;

skyevents::Search Years(double from, double years)
{
    skyevents::Search search;
    search.from = from;
    search.to = from + 365.25 * years;
    search.kinds = skyevents::DefaultKinds;
    search.limit = 5;
    return search;
}

struct Outcome {
    std::vector<skyevents::Event> events;
    skyevents::Status status = skyevents::Status::Invalid;
};

// Runs a search to its end, stopping it after `stopAfterBatches` batches
// when that is not negative.
Outcome Run(const skyevents::Search &search, int stopAfterBatches)
{
    SkyEventsSearch runner;
    Outcome outcome;
    QEventLoop loop;
    int batches = 0;
    QObject::connect(&runner, &SkyEventsSearch::found, [&](const auto &events) {
        outcome.events.insert(outcome.events.end(), events.begin(), events.end());
        if (++batches == stopAfterBatches)
            runner.stop();
    });
    QObject::connect(&runner, &SkyEventsSearch::finished, [&](skyevents::Status status) {
        outcome.status = status;
        loop.quit();
    });
    QTimer::singleShot(0, [&] { Check(runner.find(search), "a search starts"); });
    loop.exec();
    return outcome;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    // 1 January 2024.
    const skyevents::Search twoYears = Years(2460310.5, 2);
    const Outcome whole = Run(twoYears, -1);
    Check(whole.status == skyevents::Status::Complete, "a search ends complete");
    Check(whole.events.size() > 100, "a search hands over its events");

    const Outcome stopped = Run(Years(2460310.5, 20), 1);
    Check(stopped.status == skyevents::Status::Cancelled, "a stopped search ends cancelled");
    Check(!stopped.events.empty() && stopped.events.size() < 2000,
          "a stopped search keeps only the batches handed over before the stop");

    // A search dropped while it runs: its threads are waited for.
    {
        SkyEventsSearch dropped;
        dropped.find(Years(2460310.5, 50));
    }

    return threadtest::Result();
}

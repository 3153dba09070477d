// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The true sky worked out ahead on QtConcurrent's threads while the main
// thread asks for skies of its own: what it is handed is the sky of the day
// it asked for, whichever thread worked it out. Without QtTest, whose
// watchdog thread ThreadSanitizer would see as well.
#include "app/skyahead.h"
#include "threads/check.h"

#include <QCoreApplication>
#include <QDate>

namespace {

using threadtest::Check;

// Noon UT of a day: the instant does not matter, only that each day has its
// own.
double NoonOf(QDate day)
{
    return double(day.toJulianDay());
}

bool SameSky(const truesky::Sky &a, const truesky::Sky &b)
{
    return a.heliocentric == b.heliocentric && a.geocentric == b.geocentric;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QDate start(2020, 12, 21);
    {
        // The clock's way: each day's sky asked for after the next one was
        // started, as a tick does while the window paints.
        SkyAhead skies;
        for (int i = 0; i < 20; ++i) {
            const QDate day = start.addDays(i);
            const QDate next = day.addDays(1);
            const truesky::Sky &shown = skies.skyOf(day, NoonOf(day));
            Check(SameSky(shown, truesky::SkyAt(NoonOf(day))), "a tick's sky is its day's");
            skies.prepare(next, NoonOf(next));
        }
    }
    {
        // The user moves the date while the next day's sky is on its way: the
        // sky handed over is the new date's, and the one on its way is let be.
        SkyAhead skies;
        skies.skyOf(start, NoonOf(start));
        skies.prepare(start.addDays(1), NoonOf(start.addDays(1)));
        const QDate moved = start.addYears(-100);
        Check(SameSky(skies.skyOf(moved, NoonOf(moved)), truesky::SkyAt(NoonOf(moved))),
              "a moved date's sky is its own, not the one worked out ahead");
        skies.prepare(moved.addDays(-1), NoonOf(moved.addDays(-1)));
        skies.prepare(moved.addDays(1), NoonOf(moved.addDays(1)));
        const QDate back = moved.addDays(-1);
        Check(SameSky(skies.skyOf(back, NoonOf(back)), truesky::SkyAt(NoonOf(back))),
              "a step back after a step forward was asked for");
        // Asked twice, one sky: kept, not worked out again.
        const truesky::Sky *kept = &skies.skyOf(back, NoonOf(back));
        Check(kept == &skies.skyOf(back, NoonOf(back)), "the same day's sky is kept");
    }
    {
        // Ended while a sky is still on its way.
        SkyAhead skies;
        skies.prepare(start, NoonOf(start));
    }
    return threadtest::Result();
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/skyevents.h"
#include "model/truesky.h"

#include <QTest>
#include <bit>
#include <chrono>
#include <cmath>
#include <thread>

using namespace skyevents;
using namespace std::chrono;

namespace {

double JulianDay(int y, unsigned m, unsigned d, int hour = 0, int minute = 0)
{
    const sys_days day{year_month_day{year{y}, month{m}, std::chrono::day{d}}};
    return static_cast<double>(day.time_since_epoch().count()) + 2440587.5 + hour / 24.0 +
           minute / 1440.0;
}

Search Between(double from, double to, Kinds kinds, Bodies bodies = EveryBody, double limit = 5)
{
    Search search;
    search.from = from;
    search.to = to;
    search.kinds = kinds;
    search.bodies = bodies;
    search.limit = limit;
    return search;
}

double Minutes(double days)
{
    return days * 1440;
}

QByteArray Describe(const Event &e)
{
    return QByteArray(KindName(e.kind).data()) + " bodies " + QByteArray::number(e.bodies) +
           " at JD " + QByteArray::number(e.julianDay, 'f', 5) + " separation " +
           QByteArray::number(e.separation, 'f', 4);
}

// The one event of a kind for these bodies in the range.
Event TheOnly(const Search &search, Kind kind, Bodies bodies)
{
    const Found found = FindEvents(search);
    std::vector<Event> matching;
    for (const Event &e : found.events) {
        if (e.kind == kind && e.bodies == bodies)
            matching.push_back(e);
    }
    if (matching.size() != 1)
        qFatal("expected one %s, found %zu", KindName(kind).data(), matching.size());
    return matching.front();
}

// The tables of oppositions and conjunctions with the Sun quoted here take
// the Sun's geometric longitude, without the 20.4955" of aberration by
// which its apparent place trails it (they match the apparent places'
// instants when the Sun is moved forward by that much). The same event on
// the apparent places of both bodies comes when the difference of their
// longitudes has moved by that much more: days, at the rate the true sky
// gives.
double ApparentSunShift(Body planet, double julianDay)
{
    const auto difference = [&](double jd) {
        const truesky::Instant at = truesky::AtUniversalTime(jd);
        return truesky::ApparentPlace(planet, at).longitude - truesky::ApparentSun(at).longitude;
    };
    double rate = difference(julianDay + 0.5) - difference(julianDay - 0.5);
    rate = std::remainder(rate, 360.0);
    const double aberration = 20.4955 / 3600;
    return -aberration / rate;
}

} // namespace

class TestSkyEvents : public QObject {
    Q_OBJECT
private slots:
    // Published instants and angles. Each source's precision is its own: a
    // table to the minute is met within two minutes, a figure to the hour
    // within the hour.
    void publishedEvents_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("bodies");
        QTest::addColumn<double>("searchFrom");
        QTest::addColumn<double>("published");
        QTest::addColumn<double>("toleranceMinutes");
        QTest::addColumn<double>("angle"); // separation or angle from the Sun; NaN when none
        QTest::addColumn<double>("angleTolerance");
        QTest::addColumn<int>("detail");

        const auto row = [](const char *name, Kind kind, Bodies bodies, double published,
                            double minutes, double angle, double angleTolerance,
                            Detail detail = Detail::None) {
            QTest::newRow(name) << static_cast<int>(kind) << static_cast<int>(bodies)
                                << published - 5 << published << minutes << angle << angleTolerance
                                << static_cast<int>(detail);
        };
        // Closest approach 21 December 2020 18:20 UT, 6′06″ apart: Nehru
        // Planetarium, Mumbai, "11:50 PM [IST] ... 06'06''" (mid-day.com);
        // in-the-sky.org gives 6.1′.
        row("great conjunction 2020", Kind::Conjunction,
            BodyBit(Body::Jupiter) | BodyBit(Body::Saturn), JulianDay(2020, 12, 21, 18, 20), 2,
            6.1 / 60, 0.01);
        // Full moon 3 January 2026 10:03 UT and new moon 18 January 2026
        // 19:52 UT: the Old Farmer's Almanac (5:03 a.m. EST) and
        // timeanddate.com (2:52 p.m. EST), as quoted in the press.
        row("full moon January 2026", Kind::FullMoon, BodyBit(Body::Moon),
            JulianDay(2026, 1, 3, 10, 3), 2, NoAngle, 0);
        row("new moon January 2026", Kind::NewMoon, BodyBit(Body::Moon),
            JulianDay(2026, 1, 18, 19, 52), 2, NoAngle, 0);
        // Full moon 26 September 2026 16:49 UT: timeanddate.com and the Old
        // Farmer's Almanac agree.
        row("full moon September 2026", Kind::FullMoon, BodyBit(Body::Moon),
            JulianDay(2026, 9, 26, 16, 49), 2, NoAngle, 0);
        // Mars at opposition 13 October 2020 23:20 UT: astrobackyard.com,
        // "The opposition will occur at 2320 UT on October 13, 2020"; Star
        // Walk gives 23:18. Converted below from the Sun's geometric
        // longitude to its apparent one.
        row("Mars opposition 2020", Kind::Opposition, BodyBit(Body::Mars),
            JulianDay(2020, 10, 13, 23, 20), 2, NoAngle, 0);
        // Mercury at greatest elongation east, 19 February 2026, 18°07′:
        // NASA's sky calendar prints 16:59 UT, its way of writing the hour
        // (17 h); EarthSky gives 18 UTC. Good to the hour.
        row("Mercury greatest elongation February 2026", Kind::GreatestElongation,
            BodyBit(Body::Mercury), JulianDay(2026, 2, 19, 17, 30), 60, 18 + 7 / 60.0, 0.01,
            Detail::East);
        // Venus at superior conjunction 6 January 2026 17:10 UT (12:10 p.m.
        // EST), reported from the Oman Astronomical Society. Converted as the
        // opposition above.
        row("Venus superior conjunction 2026", Kind::ConjunctionWithSun, BodyBit(Body::Venus),
            JulianDay(2026, 1, 6, 17, 10), 2, NoAngle, 0, Detail::Superior);
        // Mercury at inferior conjunction 15 March 2019 01:42 UT:
        // in-the-sky.org via the British Astronomical Association. Converted
        // as the opposition above.
        row("Mercury inferior conjunction 2019", Kind::ConjunctionWithSun, BodyBit(Body::Mercury),
            JulianDay(2019, 3, 15, 1, 42), 2, NoAngle, 0, Detail::Inferior);
    }
    void publishedEvents()
    {
        QFETCH(int, kind);
        QFETCH(int, bodies);
        QFETCH(double, searchFrom);
        QFETCH(double, published);
        QFETCH(double, toleranceMinutes);
        QFETCH(double, angle);
        QFETCH(double, angleTolerance);
        QFETCH(int, detail);
        const auto theKind = static_cast<Kind>(kind);
        const auto theBodies = static_cast<Bodies>(bodies);
        if (theKind == Kind::Opposition || theKind == Kind::ConjunctionWithSun)
            published +=
                ApparentSunShift(static_cast<Body>(std::countr_zero(unsigned(bodies))), published);
        const Event event =
            TheOnly(Between(searchFrom, searchFrom + 10, KindBit(theKind), theBodies, 1), theKind,
                    theBodies);
        QVERIFY2(std::fabs(Minutes(event.julianDay - published)) <= toleranceMinutes,
                 Describe(event));
        QCOMPARE(static_cast<int>(event.detail), detail);
        if (!std::isnan(angle)) {
            const double found = theKind == Kind::Conjunction
                                     ? event.separation
                                     : event.fromSun[static_cast<std::size_t>(
                                           theKind == Kind::GreatestElongation &&
                                                   (theBodies & BodyBit(Body::Mercury))
                                               ? Body::Mercury
                                               : Body::Venus)];
            QVERIFY2(std::fabs(found - angle) <= angleTolerance, QByteArray::number(found, 'f', 4));
        }
        QCOMPARE(event.julianDay, std::round(event.julianDay * 1440) / 1440);
    }

    // The Moon's phases follow each other in order a quarter of a month
    // apart, a year of them; a new moon is always too near the Sun to see
    // and a full moon never is.
    void aYearOfPhases()
    {
        const Kinds phases = KindBit(Kind::NewMoon) | KindBit(Kind::FirstQuarter) |
                             KindBit(Kind::FullMoon) | KindBit(Kind::LastQuarter);
        const Found found =
            FindEvents(Between(JulianDay(2026, 1, 1), JulianDay(2027, 1, 1), phases));
        QCOMPARE(found.status, Status::Complete);
        QVERIFY(found.events.size() >= 49 && found.events.size() <= 50);
        for (std::size_t i = 1; i < found.events.size(); ++i) {
            const Event &a = found.events[i - 1], &b = found.events[i];
            const int expected = a.kind == Kind::LastQuarter ? static_cast<int>(Kind::NewMoon)
                                                             : static_cast<int>(a.kind) + 1;
            QCOMPARE(static_cast<int>(b.kind), expected);
            const double gap = b.julianDay - a.julianDay;
            QVERIFY2(gap > 5.8 && gap < 8.6, Describe(b));
        }
        for (const Event &e : found.events) {
            const double fromSun = e.fromSun[static_cast<std::size_t>(Body::Moon)];
            if (e.kind == Kind::NewMoon)
                QVERIFY(e.tooNearTheSun && fromSun < 5.5);
            if (e.kind == Kind::FullMoon)
                QVERIFY(!e.tooNearTheSun && fromSun > 174);
            QVERIFY(!e.approximate);
        }
    }

    // A range cut in two finds what the whole range finds: no event depends
    // on where a search starts or stops.
    void splittingTheRangeChangesNothing()
    {
        const double from = JulianDay(2019, 11, 3), middle = JulianDay(2020, 9, 17, 13, 11),
                     to = JulianDay(2021, 2, 9);
        Search whole = Between(from, to, AllKinds, EveryBody, 4);
        whole.group = BodyBit(Body::Moon) | BodyBit(Body::Venus) | BodyBit(Body::Jupiter);
        Search first = whole, second = whole;
        first.to = middle;
        second.from = middle;
        const Found all = FindEvents(whole);
        const Found a = FindEvents(first), b = FindEvents(second);
        QCOMPARE(all.events.size(), a.events.size() + b.events.size());
        for (std::size_t i = 0; i < all.events.size(); ++i) {
            const Event &e = i < a.events.size() ? a.events[i] : b.events[i - a.events.size()];
            QCOMPARE(e.julianDay, all.events[i].julianDay);
            QCOMPARE(e.kind, all.events[i].kind);
            QCOMPARE(e.bodies, all.events[i].bodies);
        }
    }

    // Several years are worked out at once on every core; what comes out,
    // batch by batch, is what each year alone finds, in the same order.
    void yearsTogetherAsYearByYear()
    {
        const double from = JulianDay(2031, 3, 5);
        const Search whole =
            Between(from, from + 5 * 366 + 17, AllKinds & ~KindBit(Kind::Gathering));
        std::vector<std::vector<Event>> batches;
        const Found all = FindEvents(
            whole, nullptr, [&](const std::vector<Event> &batch) { batches.push_back(batch); });
        QCOMPARE(batches.size(), std::size_t(6));
        std::size_t next = 0;
        for (std::size_t year = 0; year < batches.size(); ++year) {
            Search one = whole;
            one.from = from + 366.0 * double(year);
            one.to = std::min(one.from + 366, whole.to);
            const Found alone = FindEvents(one);
            QCOMPARE(batches[year].size(), alone.events.size());
            for (std::size_t i = 0; i < alone.events.size(); ++i, ++next) {
                QCOMPARE(batches[year][i].julianDay, alone.events[i].julianDay);
                QCOMPARE(batches[year][i].kind, alone.events[i].kind);
                QCOMPARE(batches[year][i].bodies, alone.events[i].bodies);
                QCOMPARE(all.events[next].julianDay, alone.events[i].julianDay);
            }
        }
        QCOMPARE(next, all.events.size());
        // Streamed without being kept, the same batches.
        std::size_t batch = 0;
        const Status streamed = StreamEvents(whole, nullptr, [&](const std::vector<Event> &events) {
            QVERIFY(batch < batches.size());
            QCOMPARE(events.size(), batches[batch].size());
            QCOMPARE(events.back().julianDay, batches[batch].back().julianDay);
            ++batch;
        });
        QCOMPARE(streamed, Status::Complete);
        QCOMPARE(batch, batches.size());
    }

    // The next and the previous event are the first and the last a range
    // finds, however far away: the next conjunction of Jupiter and Saturn
    // after 2021 is that of November 2040, the one before 2020 that of May
    // 2000.
    void nextAndPrevious()
    {
        Search search =
            Between(JulianDay(2021, 1, 1), JulianDay(2021, 1, 2), KindBit(Kind::Conjunction),
                    BodyBit(Body::Jupiter) | BodyBit(Body::Saturn), 2);
        const Found next = NextEvent(search);
        QCOMPARE(next.status, Status::Complete);
        QCOMPARE(next.events.size(), std::size_t{1});
        const Event ahead = next.events.front();
        QVERIFY2(ahead.julianDay > JulianDay(2040, 10, 1) &&
                     ahead.julianDay < JulianDay(2040, 12, 1),
                 Describe(ahead));
        const Found inRange = FindEvents(Between(JulianDay(2040, 1, 1), JulianDay(2041, 1, 1),
                                                 search.kinds, search.bodies, search.limit));
        QCOMPARE(inRange.events.size(), std::size_t{1});
        QCOMPARE(inRange.events.front().julianDay, ahead.julianDay);

        search.to = JulianDay(2020, 1, 1);
        const Found previous = PreviousEvent(search);
        QCOMPARE(previous.events.size(), std::size_t{1});
        QVERIFY2(previous.events.front().julianDay > JulianDay(2000, 5, 1) &&
                     previous.events.front().julianDay < JulianDay(2000, 6, 15),
                 Describe(previous.events.front()));

        // Nothing after the calendar's last day.
        Search late = Between(JulianDay(9999, 12, 1), EndJulianDay, KindBit(Kind::Conjunction),
                              BodyBit(Body::Uranus) | BodyBit(Body::Neptune), 0.1);
        const Found none = NextEvent(late);
        QCOMPARE(none.status, Status::Complete);
        QVERIFY(none.events.empty());
    }

    // A search that cannot be made says so and finds nothing.
    void invalidSearches_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("limit");
        QTest::addColumn<int>("kinds");
        QTest::addColumn<int>("bodies");
        QTest::addColumn<int>("group");
        const double day = JulianDay(2000, 1, 1);
        const int every = EveryBody, all = DefaultKinds;
        QTest::newRow("reversed") << day << day - 1 << 5.0 << all << every << 0;
        QTest::newRow("empty") << day << day << 5.0 << all << every << 0;
        QTest::newRow("before 1601") << FirstJulianDay - 1 << day << 5.0 << all << every << 0;
        QTest::newRow("after 9999") << day << EndJulianDay + 1 << 5.0 << all << every << 0;
        QTest::newRow("not a number") << std::nan("") << day << 5.0 << all << every << 0;
        QTest::newRow("limit too small") << day << day + 1 << 0.09 << all << every << 0;
        QTest::newRow("limit too large") << day << day + 1 << 20.5 << all << every << 0;
        QTest::newRow("no kind") << day << day + 1 << 5.0 << 0 << every << 0;
        QTest::newRow("the Earth")
            << day << day + 1 << 5.0 << all << (every | BodyBit(Body::Earth)) << 0;
        QTest::newRow("gathering of two")
            << day << day + 1 << 5.0 << static_cast<int>(KindBit(Kind::Gathering)) << every
            << static_cast<int>(BodyBit(Body::Mars) | BodyBit(Body::Venus));
    }
    void invalidSearches()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, limit);
        QFETCH(int, kinds);
        QFETCH(int, bodies);
        QFETCH(int, group);
        Search search =
            Between(from, to, static_cast<Kinds>(kinds), static_cast<Bodies>(bodies), limit);
        search.group = static_cast<Bodies>(group);
        QVERIFY(Invalid(search).has_value());
        const Found found = FindEvents(search);
        QCOMPARE(found.status, Status::Invalid);
        QVERIFY(found.events.empty());
    }

    // A search cancelled at any moment from another thread stops soon and
    // keeps only whole batches: what it returns is what it streamed, each
    // event a complete one from the uncancelled search's list.
    void cancellingAtAnyMoment()
    {
        const Search search = Between(JulianDay(1900, 1, 1), JulianDay(1906, 1, 1),
                                      AllKinds & ~KindBit(Kind::Gathering));
        const Found whole = FindEvents(search);
        QCOMPARE(whole.status, Status::Complete);
        for (int waitMs : {0, 3, 40, 150, 400}) {
            Progress progress;
            std::vector<Event> streamed;
            Found found;
            std::thread worker([&] {
                found = FindEvents(search, &progress, [&](const std::vector<Event> &batch) {
                    streamed.insert(streamed.end(), batch.begin(), batch.end());
                });
            });
            std::this_thread::sleep_for(milliseconds(waitMs));
            const auto asked = steady_clock::now();
            progress.cancel = true;
            worker.join();
            const auto stopped = steady_clock::now();
            QVERIFY2(stopped - asked < milliseconds(500), QByteArray::number(waitMs));
            QVERIFY(found.status == Status::Cancelled || found.status == Status::Complete);
            QCOMPARE(found.events.size(), streamed.size());
            QVERIFY(found.events.size() <= whole.events.size());
            for (std::size_t i = 0; i < found.events.size(); ++i) {
                QCOMPARE(found.events[i].julianDay, whole.events[i].julianDay);
                QCOMPARE(found.events[i].kind, whole.events[i].kind);
                QCOMPARE(found.events[i].separation, whole.events[i].separation);
            }
        }
    }

    // Outside the years the true sky is good for, events are marked.
    void approximateOutsideTrustedYears()
    {
        // Pluto is DE431's to the calendar's end, and slow enough for ΔT
        // never to matter; Mars moves too fast for the clock of 6500.
        const Found pluto = FindEvents(Between(JulianDay(2150, 1, 1), JulianDay(2151, 1, 1),
                                               KindBit(Kind::Opposition), BodyBit(Body::Pluto)));
        QCOMPARE(pluto.events.size(), std::size_t{1});
        QVERIFY(!pluto.events.front().approximate);
        const Found mars = FindEvents(Between(JulianDay(6500, 1, 1), JulianDay(6503, 1, 1),
                                              KindBit(Kind::Opposition), BodyBit(Body::Mars)));
        QVERIFY(!mars.events.empty());
        for (const Event &opposition : mars.events)
            QVERIFY(opposition.approximate);
        const Found moon = FindEvents(Between(JulianDay(2700, 1, 1), JulianDay(2700, 2, 1),
                                              KindBit(Kind::FullMoon), BodyBit(Body::Moon)));
        QCOMPARE(moon.events.size(), std::size_t{1});
        QVERIFY(moon.events.front().approximate);
    }

    void kindNames()
    {
        for (std::size_t i = 0; i < KindCount; ++i) {
            const auto kind = static_cast<Kind>(i);
            QCOMPARE(KindNamed(KindName(kind)), std::optional<Kind>(kind));
        }
        QCOMPARE(KindNamed("conjunction-sun"), std::optional<Kind>(Kind::ConjunctionWithSun));
        QVERIFY(!KindNamed("Conjunction").has_value());
        QVERIFY(!KindNamed("").has_value());
    }
};

QTEST_APPLESS_MAIN(TestSkyEvents)
#include "test_skyevents.moc"

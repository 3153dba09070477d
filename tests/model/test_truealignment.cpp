// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"
#include "model/truealignment.h"
#include "model/truesky.h"

#include <QTest>
#include <chrono>
#include <cmath>
#include <random>

using namespace alignment;
using namespace std::chrono;

namespace {

// A search from a calendar day at the status date's time of day, universal
// time, to the finder's end date.
Query From(year_month_day day, std::initializer_list<Body> planets, int separation,
           std::int32_t sign = 1)
{
    Query query;
    for (const Body planet : planets) {
        for (std::size_t i = 0; i < AlignmentPlanets.size(); ++i)
            query.ticked[i] = query.ticked[i] || AlignmentPlanets[i] == planet;
    }
    query.maxSeparation = separation;
    query.hemisphereSign = sign;
    query.startOffset = DayOffset(day) + StatusTimeOfDay;
    query.startJulianDay = truesky::EpochJulianDay + query.startOffset;
    query.endOffset = EndOffset();
    return query;
}

year_month_day DayOf(double offset)
{
    return year_month_day{sys_days{Epoch} + days{CalendarDay(offset)}};
}

QByteArray Describe(const Query &q)
{
    QByteArray text = "planets";
    for (std::size_t i = 0; i < q.ticked.size(); ++i) {
        if (q.ticked[i])
            text += ' ' + QByteArray(BodyName(AlignmentPlanets[i]).data());
    }
    text += " separation " + QByteArray::number(q.maxSeparation) + " sign " +
            QByteArray::number(q.hemisphereSign) + " from " + QByteArray::number(q.startOffset) +
            " to " + QByteArray::number(q.endOffset);
    if (q.lastAcceptedDay)
        text += " accepted " + QByteArray::number(qlonglong(*q.lastAcceptedDay));
    return text;
}

} // namespace

class TestTrueAlignment : public QObject {
    Q_OBJECT
private slots:
    // The great conjunction of 21 December 2020, whole-degree bearings: the
    // finder names the last day of the narrowest separation that month.
    void theGreatConjunctionOf2020_data()
    {
        QTest::addColumn<int>("sign");
        QTest::newRow("south") << 1;
        QTest::newRow("north") << -1;
    }
    void theGreatConjunctionOf2020()
    {
        QFETCH(int, sign);
        const Query query = From(2020y / January / 1, {Body::Jupiter, Body::Saturn}, 2, sign);
        const Result result = FindNextTrueAlignment(query);
        QVERIFY(result.found);
        const year_month_day best = DayOf(result.bestOffset);
        QCOMPARE(best.year(), 2020y);
        QCOMPARE(best.month(), December);
        QVERIFY2(best.day() >= 15d && best.day() <= 31d, QByteArray::number(unsigned(best.day())));
        QCOMPARE(result, FindNextTrueAlignmentDayByDay(query));
    }

    // The quick search leaves days out; it must never change the answer.
    // Random questions over a few hundred days each, all over the range of
    // dates a user may start from.
    void theQuickSearchAnswersAsTheDayByDayOne()
    {
        std::mt19937 random(20261208);
        const auto pick = [&](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        int found = 0, notFound = 0;
        for (int n = 0; n < 120; ++n) {
            Query query;
            const int count = pick(2, 4);
            for (int ticked = 0; ticked < count;) {
                const auto i = static_cast<std::size_t>(pick(0, 7));
                if (!query.ticked[i]) {
                    query.ticked[i] = true;
                    ++ticked;
                }
            }
            query.maxSeparation = pick(0, 12);
            query.hemisphereSign = pick(0, 1) ? 1 : -1;
            query.startOffset =
                DayOffset(year{pick(1700, 2400)} / January / 1) + pick(0, 364) + StatusTimeOfDay;
            query.startJulianDay = truesky::EpochJulianDay + query.startOffset;
            query.endOffset = query.startOffset + pick(100, 600) - StatusTimeOfDay;
            if (pick(0, 3) == 0)
                query.lastAcceptedDay = CalendarDay(query.startOffset) + pick(-40, 300);

            const Result expected = FindNextTrueAlignmentDayByDay(query);
            QVERIFY2(FindNextTrueAlignment(query) == expected, Describe(query));
            ++(expected.found ? found : notFound);
        }
        // Both outcomes must have been put to the test.
        QVERIFY2(found >= 12 && notFound >= 12,
                 QByteArray::number(found) + " found, " + QByteArray::number(notFound) + " not");
    }

    // Near the end date the day-by-day search tests one day past it: so must
    // the quick one, whatever that day holds.
    void bothStopAtTheEndDateAlike()
    {
        for (const int separation : {0, 5, 12}) {
            Query query = From(2500y / November / 1, {Body::Mercury, Body::Venus}, separation);
            QCOMPARE(FindNextTrueAlignment(query), FindNextTrueAlignmentDayByDay(query));
            query = From(2501y / March / 1, {Body::Neptune, Body::Pluto}, separation);
            const Result past = FindNextTrueAlignment(query);
            QVERIFY(!past.found);
            QCOMPARE(past.endedOffset, query.startOffset + 1);
        }
    }

    void fewerThanTwoPlanetsFindNothing()
    {
        const Query query = From(2020y / January / 1, {Body::Mars}, 5);
        QCOMPARE(FindNextTrueAlignment(query), Result{});
    }

    void aCancelledSearchSaysSo()
    {
        const Query query =
            From(2002y / January / 1, {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter}, 2);
        SearchProgress progress;
        progress.cancel = true;
        const Result result = FindNextTrueAlignment(query, &progress);
        QVERIFY(result.cancelled);
        QVERIFY(!result.found);
    }

    void progressReachesTheEnd()
    {
        // Two planets that do not meet before the end date.
        const Query query = From(2450y / January / 1, {Body::Neptune, Body::Pluto}, 0);
        SearchProgress progress;
        const Result result = FindNextTrueAlignment(query, &progress);
        QVERIFY(!result.found);
        QCOMPARE(progress.fraction.load(), 1.0);
    }

    // The day the finder names on the true sky: the planets' closest
    // approach near the day of its own rule.
    void closestApproachNearTheFindersDay()
    {
        std::array<bool, 8> jupiterAndSaturn{};
        jupiterAndSaturn[alignment::Jupiter] = jupiterAndSaturn[alignment::Saturn] = true;
        // 26 December 2020, the day of the finder's rule; closest on 21
        // December 2020 at about 18:20 UT (published, 0.10° apart).
        const auto closest = alignment::ClosestApproachNear(jupiterAndSaturn, 2459209.5);
        QVERIFY(closest);
        const double published = 2459204.5 + (18 + 20.0 / 60) / 24;
        QVERIFY2(std::fabs(*closest - published) <= 2.0 / 1440,
                 qPrintable(QString::number(*closest, 'f', 5)));

        // Ten years on they are a third of the sky apart: no minimum
        // within 20°.
        QVERIFY(!alignment::ClosestApproachNear(jupiterAndSaturn, 2459209.5 + 3652));
        // One planet alone has nothing to come close to.
        std::array<bool, 8> one{};
        one[alignment::Mars] = true;
        QVERIFY(!alignment::ClosestApproachNear(one, 2459209.5));
    }
};

QTEST_APPLESS_MAIN(TestTrueAlignment)
#include "test_truealignment.moc"

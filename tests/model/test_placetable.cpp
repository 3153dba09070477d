// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The place table stands in for the theories in the event search: the
// directions worked out from it must stay with the theories' own, and no
// place may depend on what the table was asked before.
#include "model/placetable.h"
#include "model/truesky.h"

#include <QTest>
#include <cmath>
#include <random>

namespace {

constexpr double Degree = 3.14159265358979323846 / 180;

// The angle between two unit vectors, degrees.
double Between(const truesky::Direction &a, const truesky::Direction &b)
{
    const double cross[3] = {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2],
                             a[0] * b[1] - a[1] * b[0]};
    return std::atan2(std::hypot(cross[0], cross[1], cross[2]),
                      a[0] * b[0] + a[1] * b[1] + a[2] * b[2]) /
           Degree;
}

constexpr std::array<Body, 10> Everything{Body::Mercury, Body::Venus,  Body::Earth,  Body::Mars,
                                          Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune,
                                          Body::Pluto,   Body::Moon};

// The largest angle between the table's directions and the theories' at
// an instant, over every body and the Sun.
double LargestStray(const PlaceTable &table, double julianDay)
{
    const truesky::Instant when = truesky::AtUniversalTime(julianDay);
    std::array<truesky::Direction, 10> fromTable{}, fromTheories{};
    truesky::ApparentDirections(Everything.data(), Everything.size(), when, fromTable.data(),
                                table);
    truesky::ApparentDirections(Everything.data(), Everything.size(), when, fromTheories.data());
    double largest = 0;
    for (std::size_t i = 0; i < Everything.size(); ++i)
        largest = std::max(largest, Between(fromTable[i], fromTheories[i]));
    return largest;
}

} // namespace

class TestPlaceTable : public QObject {
    Q_OBJECT

private slots:
    void followsTheTheories_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<double>("allowed");
        // Where the searches are checked and trusted, a second of the
        // Moon's motion is 0.00015°: well above what is allowed here.
        QTest::newRow("1700-2500") << 2341972.5 << 2634166.5 << 0.00002;
        // Far out the Keplerian orbits the table leans on have drifted,
        // and Mercury's difference from its orbit changes faster.
        QTest::newRow("9000-9999") << 5008271.5 << 5373119.5 << 0.0002;
    }

    void followsTheTheories()
    {
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(double, allowed);
        std::mt19937_64 random(7);
        std::uniform_real_distribution<double> instant(from, to);
        PlaceTable table;
        for (int i = 0; i < 60; ++i) {
            const double julianDay = instant(random);
            const double stray = LargestStray(table, julianDay);
            QVERIFY2(
                stray <= allowed,
                qPrintable(QString("JD %1: %2°").arg(julianDay, 0, 'f', 3).arg(stray, 0, 'e', 2)));
        }
    }

    // Where an error in the Earth's or a planet's place turns a direction
    // most: Venus at an inferior conjunction (3 June 2020), Mars at its
    // closest (27 August 2003), Mercury at an inferior conjunction
    // (9 May 2016), every hour of the day.
    void followsTheTheoriesAtCloseApproaches()
    {
        const PlaceTable table;
        for (double day : {2459003.5, 2452878.5, 2457517.5}) {
            for (int hour = 0; hour < 24; ++hour) {
                const double stray = LargestStray(table, day + hour / 24.0);
                QVERIFY2(stray <= 0.00002, qPrintable(QString::number(stray, 'e', 2)));
            }
        }
    }

    // A place is the same whatever the table held before: a search's
    // events must not depend on where it began, nor on what it dropped.
    void placesDoNotDependOnHistory()
    {
        const double tt = 2460676.5 + 0.3721;
        const PlaceTable fresh;
        PlaceTable used;
        for (int day = -400; day <= 400; day += 7)
            used.Heliocentric(Body::Mercury, tt + day);
        used.forget(tt + 100, tt + 500);
        QVERIFY(used.size() > 0);
        for (Body planet : {Body::Mercury, Body::Earth, Body::Neptune, Body::Pluto}) {
            QCOMPARE(used.Heliocentric(planet, tt), fresh.Heliocentric(planet, tt));
        }
    }

    // Dropping nodes keeps only those in the span asked.
    void forgetsWhatIsOutside()
    {
        PlaceTable table;
        const double tt = 2451545.0;
        table.Heliocentric(Body::Venus, tt);
        table.Heliocentric(Body::Venus, tt + 1000);
        const std::size_t both = table.size();
        table.forget(tt - 100, tt + 100);
        QVERIFY(table.size() > 0);
        QCOMPARE(table.size(), both / 2);
        table.forget(tt + 5000, tt + 6000);
        QCOMPARE(table.size(), std::size_t{0});
    }
};

QTEST_APPLESS_MAIN(TestPlaceTable)
#include "test_placetable.moc"

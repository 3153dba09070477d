// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"
#include "model/ephemerisfiles.h"
#include "model/planet.h"
#include "model/truesky.h"

#include <QTest>
#include <chrono>
#include <thread>

using namespace std::chrono;

namespace {

// The program's instant for a calendar day in universal time: the status
// date's time of day.
double StatusInstant(year_month_day day)
{
    return truesky::EpochJulianDay + DayOffset(day) + StatusTimeOfDay;
}

// The angle between two directions, 0 to 180, whatever turns they include.
double Apart(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

} // namespace

class TestTrueSky : public QObject {
    Q_OBJECT
private slots:
    // Debian's three data packages hold DE431 for every body over the whole
    // calendar, each century's first and last day.
    void theFilesHoldTheWholeCalendar()
    {
        for (int year = 1601; year <= 9999; year += 100)
            QCOMPARE(int(ephemeris::SourceForYear(year)), int(ephemeris::Source::De431));
        QCOMPARE(int(ephemeris::SourceForYear(9999)), int(ephemeris::Source::De431));
    }

    // The files of neighbouring 600-year blocks overlap by days to months
    // about each 1 January of 1800, 2400, ... 9600, and a thread that has
    // another file open, or the other block's coefficients in hand, must not
    // read the instant from them: a place is the instant's own, whatever its
    // thread asked before, or a search split across threads lists different
    // events from one run to the next. Each instant is asked in a new
    // thread, then in new threads that first asked a day on the other side
    // of the boundary, or a year further into the instant's own block.
    void aPlaceIsTheSameWhateverItsThreadAskedBefore()
    {
        const truesky::Places &places = truesky::EphemerisPlaces();
        using Sky = std::array<truesky::Position, 10>;
        const auto skyAt = [&](double tt) {
            Sky sky;
            for (std::size_t b = 0; b < 10; ++b) {
                const auto body = static_cast<Body>(b);
                sky[b] = body == Body::Moon ? places.Lunar(tt) : places.Heliocentric(body, tt);
            }
            return sky;
        };
        const auto inNewThread = [&](double before, double tt) {
            Sky sky;
            std::thread([&] {
                if (before != 0)
                    skyAt(before);
                sky = skyAt(tt);
            }).join();
            return sky;
        };
        for (int boundary = 1800; boundary <= 9600; boundary += 600) {
            const double newYear =
                truesky::EpochJulianDay + DayOffset(year{boundary} / January / 1);
            // The Moon's files begin at least 2.2 days before their block,
            // the planets' end at least 9.8 days after it.
            for (const double tt : {newYear - 1, newYear + 5}) {
                const bool after = tt > newYear;
                const Sky alone = inNewThread(0, tt);
                for (const double before :
                     {after ? newYear - 1 : newYear + 1, after ? newYear + 365 : newYear - 365}) {
                    const Sky then = inNewThread(before, tt);
                    for (std::size_t b = 0; b < 10; ++b)
                        for (std::size_t axis = 0; axis < 3; ++axis)
                            QVERIFY2(alone[b][axis] == then[b][axis],
                                     qPrintable(
                                         QStringLiteral("%1, %2 days from 1 January %3, "
                                                        "after %4 days: %5 au apart")
                                             .arg(QString::fromUtf8(BodyName(static_cast<Body>(b))))
                                             .arg(tt - newYear)
                                             .arg(boundary)
                                             .arg(before - newYear)
                                             .arg(alone[b][axis] - then[b][axis])));
                }
            }
        }
    }

    void theEpochIsTheJulianDayOfItsMidnight()
    {
        // 1 January 2000, 12 h is the Julian day 2451545 by definition.
        QCOMPARE(truesky::EpochJulianDay + DayOffset(2000y / January / 1) + 0.5, 2451545.0);
    }

    // Dates the sky is known to have kept.
    void publishedEvents()
    {
        // The great conjunction of Jupiter and Saturn.
        const double conjunction = StatusInstant(2020y / December / 21);
        QVERIFY(Apart(truesky::GeocentricLongitude(Body::Jupiter, conjunction),
                      truesky::GeocentricLongitude(Body::Saturn, conjunction)) < 0.2);

        // Mars at opposition: opposite the Sun, whose geocentric longitude is
        // the Earth's heliocentric one turned half round.
        const double opposition = StatusInstant(2025y / January / 16);
        const double sun = truesky::HeliocentricLongitude(Body::Earth, opposition) + 180;
        QVERIFY(std::fabs(Apart(truesky::GeocentricLongitude(Body::Mars, opposition), sun) - 180) <=
                1);

        // The eclipses of 2026: the Moon with the Sun, then opposite it.
        const double solarEclipse = StatusInstant(2026y / August / 12);
        QVERIFY(Apart(truesky::GeocentricLongitude(Body::Moon, solarEclipse),
                      truesky::HeliocentricLongitude(Body::Earth, solarEclipse) + 180) < 11.25);
        const double lunarEclipse = StatusInstant(2026y / March / 3);
        QVERIFY(Apart(truesky::GeocentricLongitude(Body::Moon, lunarEclipse),
                      truesky::HeliocentricLongitude(Body::Earth, lunarEclipse)) < 11.25);
    }

    // The whole sky of an instant agrees with the bodies asked one at a time,
    // and every angle lies in [0, 360).
    void theSkyAgreesWithItsParts_data()
    {
        QTest::addColumn<double>("julianDay");
        QTest::newRow("1601") << StatusInstant(1601y / January / 1);
        QTest::newRow("epoch") << truesky::EpochJulianDay;
        QTest::newRow("2500") << StatusInstant(2500y / December / 31);
        QTest::newRow("9999") << StatusInstant(9999y / December / 31);
    }
    void theSkyAgreesWithItsParts()
    {
        QFETCH(double, julianDay);
        const truesky::Sky sky = truesky::SkyAt(julianDay);
        const truesky::Instant when = truesky::AtUniversalTime(julianDay);
        const std::array<truesky::Place, 10> apparent = truesky::ApparentSkyAt(when);
        QCOMPARE(apparent[std::size_t(Body::Earth)].longitude,
                 truesky::ApparentSun(when).longitude);
        for (std::size_t i = 0; i < Catalogue.size(); ++i) {
            const auto body = static_cast<Body>(i);
            const QByteArray name(BodyName(body).data(), qsizetype(BodyName(body).size()));
            if (body != Body::Moon) {
                QCOMPARE(sky.heliocentric[i], truesky::HeliocentricLongitude(body, julianDay));
                QVERIFY2(sky.heliocentric[i] >= 0 && sky.heliocentric[i] < 360, name);
            }
            if (body != Body::Earth) {
                QCOMPARE(sky.geocentric[i], truesky::GeocentricLongitude(body, julianDay));
                QVERIFY2(sky.geocentric[i] >= 0 && sky.geocentric[i] < 360, name);
                // The apparent place differs from the geometric one by light
                // time, aberration and nutation: 0.022 degrees at most, for
                // Mercury (nutation alone reaches 0.005).
                const truesky::Place seen = truesky::ApparentPlace(body, when);
                QCOMPARE(apparent[i].longitude, seen.longitude);
                QCOMPARE(apparent[i].rightAscension, seen.rightAscension);
                QVERIFY2(Apart(seen.longitude, sky.geocentric[i]) < 0.025, name);
                const double ra = seen.rightAscension;
                QVERIFY2(ra >= 0 && ra < 360, name);
                // Near the ecliptic, right ascension stays near the longitude.
                QVERIFY2(Apart(ra, sky.geocentric[i]) < 30, name);
            }
        }
    }

    // A planet placed at a true longitude: mirrored in the north, a tenth of a
    // degree, and set on the views as the classic one would be.
    void bodiesTakeTrueLongitudes_data()
    {
        QTest::addColumn<double>("longitude");
        QTest::addColumn<int>("sign");
        QTest::addColumn<double>("displayed");
        QTest::addColumn<double>("moonAngle");
        QTest::newRow("south") << 101.04 << 1 << 101.0 << 101.0;
        QTest::newRow("north") << 101.04 << -1 << 259.0 << 101.0;
        QTest::newRow("half a tenth to even") << 10.25 << 1 << 10.2 << 10.2;
        QTest::newRow("nearly a whole turn") << 359.97 << 1 << 360.0 << 360.0;
        QTest::newRow("north at 0") << 0.0 << -1 << 360.0 << 0.0;
    }
    void bodiesTakeTrueLongitudes()
    {
        QFETCH(double, longitude);
        QFETCH(int, sign);
        QFETCH(double, displayed);
        QFETCH(double, moonAngle);
        const auto earth = MakeBody(Catalogue[static_cast<std::size_t>(Body::Earth)]);
        const auto reference = MakeBody(Catalogue[static_cast<std::size_t>(Body::Earth)]);
        QVERIFY(earth->UpdateToLongitude(sign, longitude));
        QCOMPARE(earth->Longitude, displayed);
        reference->ComputeViewPositions(displayed);
        QCOMPARE(earth->AllX, reference->AllX);
        QCOMPARE(earth->FarY, reference->FarY);

        // The Moon keeps its angle unmirrored; its pictures mirror instead.
        const auto moon = MakeBody(Catalogue[static_cast<std::size_t>(Body::Moon)]);
        QVERIFY(moon->UpdateToLongitude(sign, longitude));
        QCOMPARE(moon->GeoAngle, moonAngle);
    }

    void aFaultyLongitudeIsReported()
    {
        const auto mars = MakeBody(Catalogue[static_cast<std::size_t>(Body::Mars)]);
        QVERIFY(!mars->UpdateToLongitude(1, std::nan("")));
        const auto moon = MakeBody(Catalogue[static_cast<std::size_t>(Body::Moon)]);
        QVERIFY(!moon->UpdateToLongitude(1, HUGE_VAL));
    }
};

QTEST_APPLESS_MAIN(TestTrueSky)
#include "test_truesky.moc"

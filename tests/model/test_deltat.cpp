// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/deltat.h"
#include "model/reliableyears.h"

#include <QTest>
#include <cmath>

class TestDeltaT : public QObject {
    Q_OBJECT
private slots:
    // Published values, each from another source than the table the clock
    // reads, within the uncertainty the source gives.
    void agreesWithPublishedValues_data()
    {
        QTest::addColumn<double>("year");
        QTest::addColumn<double>("seconds");
        QTest::addColumn<double>("tolerance");
        // USNO, historic_deltat.data (McCarthy and Babcock 1986): 44 ± 12 s.
        QTest::newRow("1657.0, USNO historic") << 1657.0 << 44.0 << 12.0;
        // Espenak and Meeus's expression for 1700 to 1800 (NASA): 8.83 s,
        // against an uncertainty of 5 s in 1700 (Stephenson and Houlden).
        QTest::newRow("1700.0, Espenak and Meeus") << 1700.0 << 8.83 << 5.0;
        // USNO, historic_deltat.data: 12.6 ± 1.9 s.
        QTest::newRow("1800.0, USNO historic") << 1800.0 << 12.6 << 1.9;
        // USNO, historic_deltat.data: 29.15 ± 0.01 s; the table holds tenths.
        QTest::newRow("1950.0, USNO historic") << 1950.0 << 29.15 << 0.1;
        // The Astronomical Almanac for 2006, as NASA quotes it: 31.1 s.
        QTest::newRow("1955.0, Astronomical Almanac") << 1955.0 << 31.1 << 0.1;
        // USNO, deltat.data, measured values on 1 June.
        QTest::newRow("2020 June, USNO") << 2020 + 152 / 366.0 << 69.4386 << 0.1;
        QTest::newRow("2025 June, USNO") << 2025 + 151 / 365.0 << 69.1550 << 0.1;
    }
    void agreesWithPublishedValues()
    {
        QFETCH(double, year);
        QFETCH(double, seconds);
        QFETCH(double, tolerance);
        const double found = deltat::Seconds(year);
        QVERIFY2(std::fabs(found - seconds) <= tolerance, qPrintable(QString::number(found)));
    }

    // The measured table and the model on either side of it, and the
    // model's own pieces, meet without a jump.
    void noJumpAnywhere()
    {
        for (const double edge : {1620.0, 1720.0, 2026.0, 2030.0, 2050.0, 2130.0, 2150.0}) {
            const double step = 1e-6;
            const double before = deltat::Seconds(edge - step),
                         after = deltat::Seconds(edge + step);
            QVERIFY2(std::fabs(after - before) < 0.01, qPrintable(QString::number(edge)));
        }
        // No year's change is wild: a few seconds a year at most near now, and
        // the parabola's slope, under a minute a year, at the calendar's end.
        double previous = deltat::Seconds(1601);
        for (int year = 1602; year <= 9999; ++year) {
            const double now = deltat::Seconds(year);
            QVERIFY2(std::fabs(now - previous) < 60, qPrintable(QString::number(year)));
            previous = now;
        }
        // Far ahead the long-term parabola rules: -20 + 32 u² s, u in
        // centuries from 1820 (Morrison and Stephenson 2004).
        const double u = (9999 - 1820) / 100.0;
        QCOMPARE(deltat::Seconds(9999), -20 + 32 * u * u);
    }

    void theJulianDayBecomesAYear()
    {
        QCOMPARE(deltat::DecimalYear(2451544.5), 2000.0);
        QVERIFY(std::fabs(deltat::DecimalYear(2451544.5 + 365.2425 * 26) - 2026) < 1e-12);
        // Nonsense in, no crash and no nonsense out.
        QCOMPARE(deltat::Seconds(std::nan("")), 0.0);
    }

    // The uncertainty is smallest where it was measured and grows both ways.
    void theUncertaintyGrowsAwayFromNow()
    {
        QVERIFY(deltat::Uncertainty(2000) <= 0.2);
        QCOMPARE(deltat::Uncertainty(1600), 20.0);
        QVERIFY(deltat::Uncertainty(1601) < 20 && deltat::Uncertainty(1601) > 12);
        QVERIFY(std::fabs(deltat::Uncertainty(1700) - 5) < 1e-9);
        QVERIFY(deltat::Uncertainty(1750) < deltat::Uncertainty(1700));
        QVERIFY(deltat::Uncertainty(2100) > deltat::Uncertainty(2030));
        // A century past the predictions: 0.77 s and the random walk's 37.5 s.
        QVERIFY(std::fabs(deltat::Uncertainty(2130) - (0.77 + 37.5)) < 1e-9);
    }

    // Which bodies can be trusted to a tenth of a degree, and when.
    void theReliableYears()
    {
        using truesky::ReliableYears;
        // Pluto's series is made for 1885 to 2099 only.
        QCOMPARE(ReliableYears(Body::Pluto).first, 1885);
        QCOMPARE(ReliableYears(Body::Pluto).last, 2099);
        // Jupiter's and Saturn's VSOP87 series end 2000 years after J2000.
        QCOMPARE(ReliableYears(Body::Jupiter).last, 4000);
        // Every body is good across the telescope's centuries.
        for (int body = 0; body < 10; ++body) {
            if (Body(body) != Body::Pluto)
                QCOMPARE(ReliableYears(Body(body)).first, 1601);
        }
        // The Moon, fastest of all, is the first the clock lets down: its
        // 0.1 degree is 9 minutes of ΔT, reached some six centuries on.
        const int moonLast = ReliableYears(Body::Moon).last;
        QVERIFY2(moonLast > 2500 && moonLast < 2800, qPrintable(QString::number(moonLast)));
        QVERIFY(ReliableYears(Body::Mercury).last > moonLast);
        QVERIFY(ReliableYears(Body::Mercury).last < ReliableYears(Body::Earth).last);

        QVERIFY(truesky::BodiesBeyondTheirYears(2026).empty());
        QCOMPARE(truesky::BodiesBeyondTheirYears(1700), std::vector{Body::Pluto});
        const std::vector<Body> far = truesky::BodiesBeyondTheirYears(9999);
        QCOMPARE(far.size(), std::size_t(10));
    }
};

QTEST_APPLESS_MAIN(TestDeltaT)
#include "test_deltat.moc"

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/angles.h"
#include "model/arithmetic.h"

#include <QTest>
#include <cmath>
#include <limits>

namespace {

// The normalisation written as the literal loops it must agree with.
double LoopNormalise(double d)
{
    if (d > 360) {
        do
            d -= 360;
        while (!(d < 360));
    }
    if (d < 0) {
        do
            d += 360;
        while (!(d > 0));
    }
    return d;
}

} // namespace

class TestArithmetic : public QObject {
    Q_OBJECT
private slots:
    void roundGoesHalfToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("0.5") << 0.5 << qint64(0);
        QTest::newRow("1.5") << 1.5 << qint64(2);
        QTest::newRow("2.5") << 2.5 << qint64(2);
        QTest::newRow("-0.5") << -0.5 << qint64(0);
        QTest::newRow("-1.5") << -1.5 << qint64(-2);
        QTest::newRow("-2.5") << -2.5 << qint64(-2);
        QTest::newRow("2.4999") << 2.4999 << qint64(2);
        QTest::newRow("232.32") << 484 / 2.0 * 0.96 << qint64(232);
        QTest::newRow("205.7") << 484 / 2.0 * 0.85 << qint64(206);
    }
    void roundGoesHalfToEven()
    {
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QCOMPARE(Round(value), expected);
    }

    void roundFaultsInsteadOfUndefinedBehaviour()
    {
        for (double bad : {std::nan(""), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity(), 9.3e18, -9.3e18})
            QVERIFY_THROWS_EXCEPTION(ArithmeticFault, Round(bad));
        QVERIFY_THROWS_EXCEPTION(ArithmeticFault, ToInt32(std::int64_t{1} << 31));
        QVERIFY_THROWS_EXCEPTION(ArithmeticFault, ToInt32(-(std::int64_t{1} << 31) - 1));
        QCOMPARE(ToInt32(-(std::int64_t{1} << 31)), std::numeric_limits<std::int32_t>::min());
    }

    void midTruncatesTowardZero()
    {
        QCOMPARE(Mid(741, 188), 465); // 741 + (-553) div 2 = 741 - 276
        QCOMPARE(Mid(0, 741), 370);
    }

    void quadrantBoundsBelongToTheLowerCase()
    {
        const struct {
            double angle;
            int xs, ys;
            double reduced;
        } cases[] = {{0, 1, -1, 90},  {90, 1, -1, 0},    {90.1, 1, 1, 0.1}, {180, 1, 1, 90},
                     {270, -1, 1, 0}, {300, -1, -1, 30}, {360, -1, -1, 90}};
        for (const auto &c : cases) {
            const Quadrant q = QuadrantOf(c.angle);
            QCOMPARE(q.xSign, c.xs);
            QCOMPARE(q.ySign, c.ys);
            QCOMPARE(q.reduced, c.reduced);
        }
    }

    void normalisationMatchesTheLoopsExactly()
    {
        // The boundary cases first.
        QCOMPARE(NormaliseLongitude(360.0), 360.0);
        QCOMPARE(NormaliseLongitude(720.0), 0.0);
        QCOMPARE(NormaliseLongitude(-360.0), 360.0);
        QCOMPARE(NormaliseLongitude(-720.0), 360.0);
        QCOMPARE(NormaliseLongitude(0.0), 0.0);
        QCOMPARE(NormaliseLongitude(-0.0), -0.0);

        // Then the values the bodies really produce: Mercury and the Moon over
        // day offsets on both sides of the epoch, with both signs.
        int compared = 0;
        for (const double period : {87.97, 27.321661, 365.256, 91277.474}) {
            for (const int sign : {1, -1, 7}) {
                for (int t = -40000; t <= 40000; t += 7) {
                    const double base = sign == 1 ? 346.0 : 360 - 346.0;
                    const double d = t > 0 ? base + (360 * t / period) * sign
                                           : base - sign * (std::fabs(double(t)) * 360 / period);
                    const double fast = NormaliseLongitude(d);
                    const double slow = LoopNormalise(d);
                    if (fast != slow || std::signbit(fast) != std::signbit(slow))
                        QFAIL(qPrintable(QStringLiteral("d=%1: %2 vs %3")
                                             .arg(d, 0, 'g', 17)
                                             .arg(fast, 0, 'g', 17)
                                             .arg(slow, 0, 'g', 17)));
                    ++compared;
                }
            }
        }
        QVERIFY(compared > 100000);
    }

    void normalisationIsConstantTimeForHugeValues()
    {
        // A stored hemisphere sign can be any 32-bit value: the loop form would
        // run for days here.
        const double huge = 2147483647.0 * 360 * 40000 / 87.97;
        const double result = NormaliseLongitude(huge);
        QVERIFY(result >= 0 && result < 360);
        QVERIFY(NormaliseLongitude(-huge) > 0);
        QVERIFY(std::isnan(NormaliseLongitude(std::nan(""))));
    }
};

QTEST_APPLESS_MAIN(TestArithmetic)
#include "test_arithmetic.moc"

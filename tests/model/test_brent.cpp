// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Brent's minimum and root finders, on functions whose answers are known
// in closed form, including the awkward ones: a flat bottom, an answer at
// an end of the bracket, a root where the function jumps.
#include "model/brent.h"

#include <QTest>
#include <cmath>

class TestBrent : public QObject {
    Q_OBJECT

private slots:
    void minimum_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("mostEvaluations");
        // A parabola: one step of the parabola finds it.
        QTest::newRow("parabola") << 0 << 0.0 << 10.0 << 3.7 << 12;
        // cos x has its minimum at π.
        QTest::newRow("cosine") << 1 << 2.0 << 5.0 << M_PI << 14;
        // (x - 1)^4 is flat at the bottom: golden sections take over.
        QTest::newRow("flat bottom") << 2 << -3.0 << 4.0 << 1.0 << 80;
        // Falling all the way: the lowest point is the right end.
        QTest::newRow("at the end") << 3 << 0.0 << 2.0 << 2.0 << 80;
        // Instants as the searches hold them, Julian days near 2.46 million.
        QTest::newRow("far from zero") << 4 << 2460000.0 << 2460001.0 << 2460000.61 << 14;
    }

    void minimum()
    {
        QFETCH(int, function);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, expected);
        QFETCH(int, mostEvaluations);
        int evaluations = 0;
        const auto f = [&](double x) {
            ++evaluations;
            switch (function) {
            case 0:
                return (x - 3.7) * (x - 3.7) + 2;
            case 1:
                return std::cos(x);
            case 2:
                return std::pow(x - 1, 4);
            case 3:
                return -x;
            default:
                return std::cosh((x - 2460000.61) * 20);
            }
        };
        const double tolerance = 1e-6;
        const double found = brent::Minimum(f, a, b, tolerance);
        // Where the bottom is flat, the function cannot tell points apart
        // closer than its fourth root of rounding: a looser check.
        const double allowed = function == 2 ? 1e-3 : 2 * tolerance;
        QVERIFY2(std::fabs(found - expected) <= allowed,
                 qPrintable(QString::number(found, 'g', 12)));
        QVERIFY2(evaluations <= mostEvaluations, qPrintable(QString::number(evaluations)));
    }

    void root_data()
    {
        QTest::addColumn<int>("function");
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("expected");
        QTest::addColumn<int>("mostEvaluations");
        QTest::newRow("cube root of 2") << 0 << 0.0 << 3.0 << std::cbrt(2.0) << 12;
        // A step: no interpolation helps, bisection must still close in.
        QTest::newRow("step") << 1 << -1.0 << 1.0 << 0.25 << 30;
        // Given from the high end.
        QTest::newRow("reversed signs") << 2 << 0.0 << 2.0 << 1.0 << 12;
        QTest::newRow("far from zero") << 3 << 2460000.0 << 2460001.0 << 2460000.3 << 12;
        QTest::newRow("root at an end") << 0 << std::cbrt(2.0) << 3.0 << std::cbrt(2.0) << 4;
    }

    void root()
    {
        QFETCH(int, function);
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(double, expected);
        QFETCH(int, mostEvaluations);
        int evaluations = 0;
        const auto f = [&](double x) {
            ++evaluations;
            switch (function) {
            case 0:
                return x * x * x - 2;
            case 1:
                return x < 0.25 ? -1.0 : 1.0;
            case 2:
                return 1 - x * x;
            default:
                return std::sin((x - 2460000.3) * 3);
            }
        };
        const double tolerance = 1e-6;
        const double found = brent::Root(f, a, b, tolerance);
        QVERIFY2(std::fabs(found - expected) <= 2 * tolerance,
                 qPrintable(QString::number(found, 'g', 12)));
        QVERIFY2(evaluations <= mostEvaluations, qPrintable(QString::number(evaluations)));
    }
};

QTEST_APPLESS_MAIN(TestBrent)
#include "test_brent.moc"

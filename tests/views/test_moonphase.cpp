// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/canvas.h"
#include "views/moonphase.h"

#include <QImage>
#include <QTest>

class TestMoonPhase : public QObject {
    Q_OBJECT
private slots:
    void sectors_data()
    {
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("north");
        QTest::addColumn<int>("south");
        QTest::newRow("new") << 0.0 << 0 << 0;
        QTest::newRow("-11.25 is new") << -11.25 << 0 << 0;
        QTest::newRow("11.25 opens sector 1") << 11.25 << 15 << 101;
        QTest::newRow("just below 11.25") << 11.249 << 0 << 0;
        QTest::newRow("33.75") << 33.75 << 14 << 102;
        QTest::newRow("90") << 90.0 << 12 << 104;
        QTest::newRow("168.75 is full") << 168.75 << 8 << 108;
        QTest::newRow("180") << 180.0 << 8 << 108;
        QTest::newRow("-180") << -180.0 << 8 << 108;
        QTest::newRow("-168.75") << -168.75 << 7 << 109;
        QTest::newRow("-157") << -157.0 << 7 << 109;
        QTest::newRow("-90") << -90.0 << 4 << 112;
        QTest::newRow("-33.75") << -33.75 << 1 << 115;
        QTest::newRow("-11.26") << -11.26 << 1 << 115;
    }
    void sectors()
    {
        QFETCH(double, d);
        QFETCH(int, north);
        QFETCH(int, south);
        QCOMPARE(PhasePictureNumber(d, -1), north);
        QCOMPARE(PhasePictureNumber(d, 1), south);
    }

    void elongationAtTheEpoch()
    {
        // Earth 101 (259 mirrored in the north), Moon 124: d = -157 either way.
        QCOMPARE(Elongation(101, 124, 1), -157.0);
        QCOMPARE(Elongation(259, 124, -1), -157.0);
        QCOMPARE(PhasePictureNumber(Elongation(101, 124, 1), 1), 109);
        QCOMPARE(PhasePictureNumber(Elongation(259, 124, -1), -1), 7);
        // Normalised once into [-180, 180].
        QCOMPARE(Elongation(0, 10, 1), -170.0);
        QCOMPARE(Elongation(350, 0, 1), -170.0);
    }

    void southernPicturesAreTheNorthernTurned()
    {
        for (int k = 1; k <= 15; ++k) {
            const QImage south(PhasePictureResource(100 + k));
            const QImage north(PhasePictureResource(16 - k));
            QVERIFY2(!south.isNull() && !north.isNull(), qPrintable(QString::number(k)));
            QCOMPARE(south.size(), QSize(100, 100));
            QCOMPARE(south.convertToFormat(QImage::Format_RGB32),
                     north.convertToFormat(QImage::Format_RGB32).mirrored(true, true));
        }
        // Picture 4 has its left half lit, 12 its right half.
        const QImage four = QImage(PhasePictureResource(4)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(qGray(four.pixel(30, 50)) > qGray(four.pixel(70, 50)) + 40);
        const QImage twelve =
            QImage(PhasePictureResource(12)).convertToFormat(QImage::Format_RGB32);
        QVERIFY(qGray(twelve.pixel(70, 50)) > qGray(twelve.pixel(30, 50)) + 40);
    }

    void terminatorEnds()
    {
        const Point moon{100, 100};
        using Ends = std::pair<Point, Point>;
        // Horizontal at 90 and 270.
        QCOMPARE(TerminatorEnds(TerminatorKind::Helio, 90, 1, moon, 20),
                 (Ends{{125, 100}, {75, 100}}));
        QCOMPARE(TerminatorEnds(TerminatorKind::Helio, 270, 1, moon, 20),
                 (Ends{{75, 100}, {125, 100}}));
        // 45: h = 25, w stays 25, from upper right to lower left.
        QCOMPARE(TerminatorEnds(TerminatorKind::Helio, 45, 1, moon, 20),
                 (Ends{{125, 75}, {75, 125}}));
        // 30: h = 43 > 25, so w = Round(625 / 43) = 15 and h = 25.
        QCOMPARE(TerminatorEnds(TerminatorKind::Helio, 30, 1, moon, 20),
                 (Ends{{115, 75}, {85, 125}}));
        // Above 360: one turn off first.
        QCOMPARE(TerminatorEnds(TerminatorKind::Helio, 405, 1, moon, 20),
                 TerminatorEnds(TerminatorKind::Helio, 45, 1, moon, 20));
        // Vertical: w = 0, h = 25.
        QCOMPARE(TerminatorEnds(TerminatorKind::Helio, 180, 1, moon, 20),
                 (Ends{{100, 125}, {100, 75}}));
        QCOMPARE(TerminatorEnds(TerminatorKind::Geo, 360, -1, moon, 20),
                 (Ends{{100, 75}, {100, 125}}));
    }

    void onlyTheEarthFacingLineMirrorsInTheNorth()
    {
        const Point moon{100, 100};
        const auto south = TerminatorEnds(TerminatorKind::Geo, 30, 1, moon, 20);
        const auto north = TerminatorEnds(TerminatorKind::Geo, 30, -1, moon, 20);
        QCOMPARE(north.first.x - 100, -(south.first.x - 100));
        QCOMPARE(north.first.y, south.first.y);
        QCOMPARE(TerminatorEnds(TerminatorKind::Helio, 30, -1, moon, 20),
                 TerminatorEnds(TerminatorKind::Helio, 30, 1, moon, 20));
    }

    void drawsYellowAndAquaAndLeavesYellow()
    {
        Canvas overlay({200, 200});
        overlay.pen.colour = Qt::red;
        // Earth at 0 gives a horizontal terminator (x = 90), the Moon at 90 a
        // vertical Earth-facing line (x = 180).
        DrawTerminatorLines(overlay, 0, 90, 1, {100, 100}, 20);
        QCOMPARE(overlay.pen.colour, QColor(255, 255, 0));
        QCOMPARE(overlay.pixel(124 - 1, 99), QColor(255, 255, 0).rgba());
        QCOMPARE(overlay.pixel(99, 120 - 1), QColor(0, 255, 255).rgba());
    }
};

QTEST_APPLESS_MAIN(TestMoonPhase)
#include "test_moonphase.moc"

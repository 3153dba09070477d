// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/canvas.h"
#include "views/pointer.h"

#include <QTest>

class TestPointer : public QObject {
    Q_OBJECT
private slots:
    void earthRay()
    {
        // Body up and to the right: from the Earth through it to x = W.
        const auto lines =
            PointerLines(PointerStyle::EarthRay, {300, 200}, {400, 150}, {370, 242}, 741);
        QCOMPARE(lines.size(), std::size_t(1));
        // k = Round(50 / 100 * (741 - 300)) = Round(220.5) = 220, halves to even
        QCOMPARE(lines[0], (PointerLine{{300, 200}, {741, 200 - 220}}));
        // Down and to the left: to x = 0.
        const auto left =
            PointerLines(PointerStyle::EarthRay, {300, 200}, {200, 300}, {370, 242}, 741);
        QCOMPARE(left[0], (PointerLine{{300, 200}, {0, 500}}));
    }

    void sunParallel()
    {
        const auto lines =
            PointerLines(PointerStyle::SunParallel, {300, 200}, {320, 210}, {370, 242}, 741);
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(lines[0], (PointerLine{{300, 200}, {320, 210}}));
        // k = Round(10 / 20 * 370) = 185, from the Sun to the right edge.
        QCOMPARE(lines[1], (PointerLine{{370, 242}, {741, 242 + 185}}));
    }

    void straightAboveOrLevel()
    {
        // dx = 0: no failure; the offset is taken as one pixel, to the right.
        const auto above =
            PointerLines(PointerStyle::EarthRay, {300, 200}, {300, 100}, {370, 242}, 741);
        QCOMPARE(above[0].to, (FarPoint{741, 200 - 100 * 441}));
        const auto moon =
            PointerLines(PointerStyle::SunParallel, {300, 200}, {300, 230}, {370, 242}, 741);
        QCOMPARE(moon[1].to, (FarPoint{741, 242 + 30 * 370}));
        // dy = 0: level lines.
        const auto level =
            PointerLines(PointerStyle::EarthRay, {300, 200}, {250, 200}, {370, 242}, 741);
        QCOMPARE(level[0].to, (FarPoint{0, 200}));
    }

    void drawsLimeAndPutsThePenBack()
    {
        Canvas overlay({739, 482});
        overlay.pen.colour = QColor(255, 0, 0);
        DrawPointerLines(
            overlay, PointerLines(PointerStyle::EarthRay, {300, 200}, {300, 100}, {370, 242}, 741));
        QCOMPARE(overlay.pen.colour, QColor(255, 0, 0));
        QCOMPARE(overlay.pixel(300, 200), QColor(0, 255, 0).rgba());
        QCOMPARE(overlay.pixel(300, 150), QColor(0, 255, 0).rgba());
    }
};

QTEST_APPLESS_MAIN(TestPointer)
#include "test_pointer.moc"

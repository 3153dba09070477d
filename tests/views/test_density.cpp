// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing layers at the device pixel ratios of high-density screens.
#include "views/canvas.h"

#include <QTest>
#include <cmath>
#include <set>

namespace {

// The heights of the drawn runs in every device column between two columns:
// one value when a horizontal line keeps one width along its length.
std::set<int> ColumnHeights(const QImage &image, int firstColumn, int lastColumn)
{
    std::set<int> heights;
    for (int x = firstColumn; x <= lastColumn; ++x) {
        int height = 0;
        for (int y = 0; y < image.height(); ++y)
            height += qAlpha(image.pixel(x, y)) != 0;
        heights.insert(height);
    }
    return heights;
}

std::set<int> RowWidths(const QImage &image, int firstRow, int lastRow)
{
    return ColumnHeights(image.transformed(QTransform().rotate(90)), firstRow, lastRow);
}

int DotSize(qreal ratio)
{
    return int(std::ceil(ratio));
}

} // namespace

class TestDensity : public QObject {
    Q_OBJECT
private slots:
    void linesKeepOneWidthAtEveryRatio_data()
    {
        QTest::addColumn<qreal>("ratio");
        for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0, 3.0})
            QTest::addRow("%g", ratio) << ratio;
    }
    void linesKeepOneWidthAtEveryRatio()
    {
        QFETCH(qreal, ratio);
        // The frame's top line and one side, 20 pixels in from the border.
        Canvas top({741, 60}, ratio);
        top.pen.colour = Qt::yellow;
        top.line(20, 20, 721, 20);
        const QImage picture = top.image();
        QCOMPARE(picture.devicePixelRatio(), ratio);
        QCOMPARE(picture.width(), int(std::ceil(741 * ratio)));
        const int first = int(std::floor(20 * ratio));
        const int last = int(std::floor(720 * ratio)) + DotSize(ratio) - 1;
        QCOMPARE(ColumnHeights(picture, first, last), std::set<int>{DotSize(ratio)});
        QCOMPARE(ColumnHeights(picture, last + 1, picture.width() - 1), std::set<int>{0});
        QVERIFY(top.isSet(20, 20) && top.isSet(720, 20) && !top.isSet(20, 22));

        Canvas side({60, 484}, ratio);
        side.line(30, 20, 30, 464);
        const int firstRow = int(std::floor(20 * ratio));
        const int lastRow = int(std::floor(463 * ratio)) + DotSize(ratio) - 1;
        QCOMPARE(RowWidths(side.image(), firstRow, lastRow), std::set<int>{DotSize(ratio)});
    }

    void everyStarHasOneSize()
    {
        for (const qreal ratio : {1.25, 1.5, 1.75, 2.0}) {
            Canvas stars({200, 200}, ratio);
            stars.pen.colour = Qt::yellow;
            // Stars on every phase of the device grid.
            for (int i = 0; i < 20; ++i)
                stars.line(7 * i + 3, 5 * i + 2, 7 * i + 4, 5 * i + 3);
            int drawn = 0;
            for (int y = 0; y < stars.image().height(); ++y)
                for (int x = 0; x < stars.image().width(); ++x)
                    drawn += qAlpha(stars.image().pixel(x, y)) != 0;
            QCOMPARE(drawn, 20 * DotSize(ratio) * DotSize(ratio));
        }
    }

    void aNewRatioDrawsTheSamePictureAgain()
    {
        // Drawn at 1 and moved to 1.5 and to 2, or drawn there at once: the
        // same pixels, rings and clipped rays included.
        const auto draw = [](Canvas &canvas) {
            canvas.pen.colour = Qt::blue;
            canvas.ellipse(40, 30, 260, 170, Canvas::Stroke::Dotted);
            canvas.pen.colour = Qt::red;
            canvas.line(150, 100, 9'000'000'000LL, -4'000'000'000LL);
            canvas.pen.colour = Qt::yellow;
            canvas.line(20, 20, 280, 20);
        };
        for (const qreal ratio : {1.5, 2.0}) {
            Canvas moved({300, 200});
            draw(moved);
            const QImage atOne = moved.image();
            QCOMPARE(moved.imageAt(ratio).size(), QSize(300, 200) * ratio);
            moved.setRatio(ratio);
            Canvas fresh({300, 200}, ratio);
            draw(fresh);
            QCOMPARE(moved.image(), fresh.image());
            QCOMPARE(moved.takeChangedRect(), QRect(0, 0, 300, 200));
            // Back at 1, it is the first picture again.
            QCOMPARE(moved.imageAt(1), atOne);
        }
    }

    void atTwiceTheDensityEveryPixelBecomesASquare()
    {
        // Lines, stars and dotted rings alike: the picture at ratio 1, each
        // pixel doubled.
        Canvas canvas({300, 200});
        canvas.pen.colour = Qt::blue;
        canvas.ellipse(40, 30, 260, 170, Canvas::Stroke::Dotted);
        canvas.ellipse(-100, -50, 400, 250);
        canvas.pen.colour = Qt::yellow;
        canvas.line(20, 20, 280, 20);
        canvas.line(33, 44, 34, 45);
        canvas.pen.colour = Qt::red;
        canvas.line(150, 100, 37, -90);
        const QImage atOne = canvas.image();
        QImage doubled = atOne.scaled(atOne.size() * 2);
        doubled.setDevicePixelRatio(2);
        QCOMPARE(canvas.imageAt(2), doubled);
    }

    void clearingLeavesNothingAtAnyRatio()
    {
        for (const qreal ratio : {1.25, 1.5, 1.75, 2.0}) {
            // A few lines, erased line by line.
            Canvas pointer({300, 200}, ratio);
            pointer.pen.colour = Qt::green;
            pointer.line(10, 190, 290, 7);
            pointer.line(150, 100, 151, -5'000'000'000LL);
            pointer.clear();
            QVERIFY2(pointer.image() == Canvas({300, 200}, ratio).image(), "a line was left");

            // A ring and a star field, erased by filling.
            Canvas rings({300, 200}, ratio);
            rings.pen.colour = Qt::blue;
            rings.ellipse(0, 0, 300, 200, Canvas::Stroke::Dotted);
            for (int i = 0; i < 100; ++i)
                rings.line(i * 3, i * 2, i * 3 + 1, i * 2 + 1);
            rings.clear();
            QVERIFY2(rings.image() == Canvas({300, 200}, ratio).image(), "a ring was left");
        }
    }

    void aFullScreenPictureBehavesAsAnyOther()
    {
        // A view full screen on a 4K screen: a picture of tens of megabytes.
        constexpr qreal ratio = 4.37;
        QImage clear(QSize(3239, 2116), QImage::Format_ARGB32_Premultiplied);
        clear.fill(Qt::transparent);
        clear.setDevicePixelRatio(ratio);
        Canvas canvas({741, 484}, ratio);
        QCOMPARE(canvas.image(), clear);

        const auto draw = [](Canvas &on) {
            on.pen.colour = Qt::blue;
            on.ellipse(40, 30, 700, 450, Canvas::Stroke::Dotted);
            on.pen.colour = Qt::yellow;
            for (int i = 0; i < 200; ++i)
                on.line(i * 3, i * 2, i * 3 + 1, i * 2 + 1);
        };
        draw(canvas);
        Canvas small({741, 484});
        draw(small);
        QCOMPARE(canvas.imageAt(1), small.image());

        // A copy taken before more is drawn keeps what it saw.
        const QImage before = canvas.image();
        canvas.pen.colour = Qt::red;
        canvas.line(370, 242, 740, 0);
        QVERIFY(canvas.isSet(555, 121));
        QCOMPARE(qAlpha(before.pixel(QPointF(555 * ratio, 121 * ratio).toPoint())), 0);
        QCOMPARE(canvas.imageAt(1).pixel(555, 121), qPremultiply(QColor(Qt::red).rgba()));

        canvas.clear();
        QCOMPARE(canvas.image(), clear);
    }
};

QTEST_GUILESS_MAIN(TestDensity)
#include "test_density.moc"

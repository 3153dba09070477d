// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/canvas.h"
#include "views/stacking.h"
#include "views/viewdecor.h"

#include <QTest>
#include <set>

class TestViewDecor : public QObject {
    Q_OBJECT
private slots:
    void degreeLabelsSwapSidesWithTheHemisphere()
    {
        const DegreeLabelSizes sizes{{9, 16}, {17, 16}, {25, 16}, {25, 16}};
        const DegreeLabelPlaces south = PlaceDegreeLabels(1, {741, 484}, sizes);
        QCOMPARE(south.zero, (Point{366, 32}));
        QCOMPARE(south.oneEighty, (Point{358, 436}));
        QCOMPARE(south.ninety, (Point{692, 234}));
        QCOMPARE(south.twoSeventy, (Point{32, 234}));

        const DegreeLabelPlaces north = PlaceDegreeLabels(-1, {741, 484}, sizes);
        QCOMPARE(north.zero, south.zero);
        QCOMPARE(north.oneEighty, south.oneEighty);
        QCOMPARE(north.ninety, (Point{32, 234}));
        // The "270" label uses the width of "90" and a 35-pixel margin.
        QCOMPARE(north.twoSeventy, (Point{689, 234}));
    }

    void linesLeaveOutTheirEndPoint()
    {
        Canvas canvas({20, 20});
        canvas.pen.colour = Qt::red;
        canvas.line(2, 2, 6, 2);
        QVERIFY(canvas.isSet(2, 2) && canvas.isSet(5, 2));
        QVERIFY(!canvas.isSet(6, 2));
        // A star: one pixel.
        canvas.line(10, 10, 11, 11);
        QVERIFY(canvas.isSet(10, 10));
        QVERIFY(!canvas.isSet(11, 11));
        QCOMPARE(canvas.pixel(10, 10), QColor(Qt::red).rgba());
    }

    void farEndPointsAreClippedNotWalked()
    {
        Canvas canvas({100, 50});
        canvas.pen.colour = Qt::green;
        // Steep ray to a point a billion pixels below: a vertical-ish line
        // through the picture, drawn in no time.
        canvas.line(50, 25, 51, 1'000'000'000LL);
        QVERIFY(canvas.isSet(50, 25));
        QVERIFY(canvas.isSet(50, 49));
        QVERIFY(!canvas.isSet(50, 24));
        // Entirely outside: nothing.
        Canvas empty({10, 10});
        empty.line(-5'000'000'000LL, -20, 5'000'000'000LL, -20);
        for (int x = 0; x < 10; ++x)
            QVERIFY(!empty.isSet(x, 0));
        // Crossing the picture from far left to far right fills the row.
        empty.pen.colour = Qt::white;
        empty.line(-5'000'000'000LL, 4, 5'000'000'000LL, 4);
        for (int x = 0; x < 10; ++x)
            QVERIFY(empty.isSet(x, 4));
    }

    void clearingLeavesNothingBehind()
    {
        const auto transparent = [](const Canvas &canvas) {
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x)
                    if (canvas.isSet(x, y))
                        return false;
            return true;
        };
        Canvas canvas({300, 200});
        canvas.pen.colour = Qt::red;
        // A few lines, some far outside: erased line by line.
        canvas.line(10, 10, 290, 190);
        canvas.line(150, 100, 151, -4'000'000'000LL);
        canvas.line(-50, 120, 400, 60);
        const QImage drawn = canvas.image();
        canvas.clear();
        QVERIFY(transparent(canvas));
        // A copy taken before keeps what it saw.
        QCOMPARE(qAlpha(drawn.pixel(10, 10)), 255);
        // Many lines and a ring: erased by filling.
        for (int i = 0; i < 200; ++i)
            canvas.line(i, 0, 299 - i, 199);
        canvas.ellipse(20, 20, 120, 120);
        canvas.clear();
        QVERIFY(transparent(canvas));
        // And the changed part is reported once, for repainting.
        QVERIFY(canvas.takeChangedRect().contains(QRect(20, 20, 100, 100)));
        canvas.line(5, 5, 15, 5);
        QCOMPARE(canvas.takeChangedRect(), QRect(QPoint(5, 5), QPoint(15, 5)));
        QCOMPARE(canvas.takeChangedRect(), QRect());
    }

    void changedRegionFollowsTheLines()
    {
        // A long slanting ray, as the horizon draws: what is repainted holds
        // every pixel drawn, drawing it and erasing it, and a small part of
        // its bounding box.
        Canvas canvas(QSize(739, 482));
        canvas.pen.colour = Qt::red;
        canvas.line(3, 470, 730, 9);
        canvas.line(100, 100, 2000000, 100100);
        for (int round = 0; round < 2; ++round) {
            const QRegion changed = canvas.takeChangedRegion();
            int area = 0;
            for (const QRect &piece : changed)
                area += piece.width() * piece.height();
            QVERIFY2(area < 739 * 482 / 8, qPrintable(QString::number(area)));
            Canvas drawn(QSize(739, 482));
            drawn.pen.colour = Qt::red;
            drawn.line(3, 470, 730, 9);
            drawn.line(100, 100, 2000000, 100100);
            for (int y = 0; y < 482; ++y)
                for (int x = 0; x < 739; ++x)
                    if (drawn.isSet(x, y))
                        QVERIFY2(changed.contains(QPoint(x, y)),
                                 qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            canvas.clear();
        }
        // A star field is one box round it all.
        for (int i = 0; i < 500; ++i)
            canvas.line(i, i % 300, i + 1, i % 300 + 1);
        QCOMPARE(canvas.takeChangedRegion().rectCount(), 1);
    }

    void frameRunsTwentyPixelsInsideAndKeepsThePen()
    {
        Canvas under({739, 482});
        under.pen.colour = Qt::blue;
        DrawFrame(under);
        QCOMPARE(under.pen.colour, QColor(Qt::blue));
        const QRgb yellow = Yellow.rgba();
        for (const QPoint corner :
             {QPoint(20, 20), QPoint(719, 20), QPoint(719, 462), QPoint(20, 462)})
            QCOMPARE(under.pixel(corner.x(), corner.y()), yellow);
        QCOMPARE(under.pixel(370, 20), yellow);
        QCOMPARE(under.pixel(20, 240), yellow);
        QVERIFY(!under.isSet(19, 20));
        QVERIFY(!under.isSet(21, 21));
        QVERIFY(!under.isSet(720, 20));
    }

    void starFields()
    {
        const std::vector<Point> stars = StarPositions(7, {741, 484});
        QCOMPARE(stars.size(), std::size_t(887));
        for (const Point p : stars) {
            QVERIFY(p.x >= 0 && p.x <= 739);
            QVERIFY(p.y >= 0 && p.y <= 482);
        }
        QVERIFY(StarPositions(7, {741, 484}) == stars);
        QVERIFY(StarPositions(8, {741, 484}) != stars);
    }

    void moonViewBoxesIncludeTheirBounds()
    {
        const MoonViewBoxes boxes = MoonViewDarkBoxes({741, 484}, 0, {100, 100}, {40, 40});
        for (const Point inside :
             {Point{611, 30}, Point{711, 130}, Point{350, 222}, Point{390, 262}})
            QVERIFY(boxes.contains(inside));
        for (const Point outside :
             {Point{610, 30}, Point{712, 130}, Point{611, 131}, Point{349, 240}, Point{370, 263}})
            QVERIFY(!boxes.contains(outside));
    }

    void stackingNamesEveryViewsLayers()
    {
        const QStringList all = StackingOrder(View::All);
        // The "90" label lies between the two layers on this view only.
        QVERIFY(all.indexOf("imAllUnder") < all.indexOf("lblAll90Degrees"));
        QVERIFY(all.indexOf("lblAll90Degrees") < all.indexOf("imAllBack"));
        QVERIFY(all.indexOf("iSun") < all.indexOf("imAllCapricornus"));
        QCOMPARE(all.last(), QStringLiteral("imAllPlanetsManPosn"));
        const QStringList moon = StackingOrder(View::Moon);
        QVERIFY(moon.contains("ImMoonGemini"));
        QVERIFY(moon.indexOf("imMoonGemini2") < moon.indexOf("imMoonUnder"));
        QVERIFY(moon.indexOf("imMoonPhases") < moon.indexOf("imMoonCapricornus3"));
        QCOMPARE(moon.last(), QStringLiteral("iMoonSun"));
        QVERIFY(StackingOrder(View::Inner).contains("lblinner0Degrees"));
        for (View view : AllViews) {
            const QStringList order = StackingOrder(view);
            QCOMPARE(std::set<QString>(order.begin(), order.end()).size(),
                     std::size_t(order.size()));
            for (const QString &name : Constellations + AlternateNames)
                QVERIFY2(order.contains(NamePictureName(view, name)), qPrintable(name));
        }
    }
};

QTEST_APPLESS_MAIN(TestViewDecor)
#include "test_viewdecor.moc"

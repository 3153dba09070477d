// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/catalogue.h"
#include "model/planet.h"

#include <QTest>
#include <chrono>
#include <cmath>

using namespace std::chrono;

namespace {

std::unique_ptr<TPlanet> Make(Body which,
                              const SceneGeometry &geometry = LayoutGeometry::standard())
{
    return MakeBody(Catalogue[static_cast<std::size_t>(which)], geometry);
}

Box PictureAt(int cx, int cy, int size = 20)
{
    return {cx - size / 2, cy - size / 2, size, size};
}

} // namespace

class TestBodies : public QObject {
    Q_OBJECT
private slots:
    void longitudes_data()
    {
        QTest::addColumn<int>("body");
        QTest::addColumn<int>("sign");
        QTest::addColumn<double>("offset");
        QTest::addColumn<double>("longitude");
        const int earth = int(Body::Earth), mercury = int(Body::Mercury);
        QTest::newRow("Earth epoch south") << earth << 1 << 0.0 << 101.0;
        QTest::newRow("Earth epoch north") << earth << -1 << 0.0 << 259.0;
        QTest::newRow("Earth +365 south") << earth << 1 << 365.0 << 100.7;
        QTest::newRow("Earth +365 north") << earth << -1 << 365.0 << 259.3;
        QTest::newRow("Earth -1 south") << earth << 1 << -1.0 << 100.0;
        QTest::newRow("Earth -1 north") << earth << -1 << -1.0 << 260.0;
        QTest::newRow("Mercury -1 south") << mercury << 1 << -1.0 << 341.9;
        QTest::newRow("Mercury +1826 south") << mercury << 1 << 1826.0 << 258.5;
    }
    void longitudes()
    {
        QFETCH(int, body);
        QFETCH(int, sign);
        QFETCH(double, offset);
        QFETCH(double, longitude);
        auto planet = Make(Body(body));
        QVERIFY(planet->UpdatePosition(sign, offset));
        QCOMPARE(planet->Longitude, longitude);
    }

    void epochLongitudesAreTheCatalogue()
    {
        for (const CatalogueRow &row : Catalogue) {
            auto body = MakeBody(row);
            QVERIFY(body->UpdatePosition(1, 0));
            if (row.kind == CatalogueRow::Kind::Moon) {
                QCOMPARE(body->GeoAngle, 124.0);
                QCOMPARE(body->Longitude, 0.0);
                QCOMPARE(static_cast<TMoon &>(*body).EpochAngle, 124.0);
                QCOMPARE(body->EpochLongitude, 0.0);
            } else {
                QCOMPARE(body->Longitude, row.epochAngle);
            }
        }
    }

    void longitudeThatRoundsUpTo360StaysAtTheTop()
    {
        // Pluto creeps: find a day offset whose longitude rounds to 360.0 and
        // check it is placed straight above the Sun.
        auto pluto = Make(Body::Pluto);
        bool seen = false;
        for (int t = 0; t < 40000 && !seen; ++t) {
            QVERIFY(pluto->UpdatePosition(1, t));
            if (pluto->Longitude == 360.0) {
                seen = true;
                QCOMPARE(pluto->AllX, 370);
                QCOMPARE(pluto->AllY, 242 - 232);
            }
        }
        QVERIFY(seen);
    }

    void viewPositions()
    {
        auto earth = Make(Body::Earth);
        QVERIFY(earth->UpdatePosition(1, 0));
        QCOMPARE(earth->AllX, 446);
        QCOMPARE(earth->AllY, 257);
        QVERIFY(earth->UpdatePosition(-1, 0));
        QCOMPARE(earth->AllX, 294);
        QCOMPARE(earth->AllY, 257);

        // The Outer Realm raises the Earth's 5.8-pixel radius to 25.
        earth->ComputeViewPositions(90);
        QCOMPARE(earth->FarX, 370 + 25);
        QCOMPARE(earth->FarY, 242);
        // True to scale on the other views: 206 and 23.2 pixels for 1 au.
        QCOMPARE(earth->InnerX, 370 + 206);
        QCOMPARE(earth->OuterX, 370 + 23);

        // Pluto is computed on the Inner Planets view too, far outside it.
        auto pluto = Make(Body::Pluto);
        pluto->ComputeViewPositions(270);
        QCOMPARE(pluto->InnerX, 370 - int(std::lrint(39.67 * 206)));
    }

    void positionsFollowThePanelSize()
    {
        LayoutGeometry small;
        small.panel = {400, 300};
        auto earth = Make(Body::Earth, small);
        earth->ComputeViewPositions(180);
        // R = Round(150 * 0.96) = 144; ring 3 of 9 gives 48 straight down.
        QCOMPARE(earth->AllX, 200);
        QCOMPARE(earth->AllY, 150 + 48);
    }

    void scaleRadii()
    {
        const Size panel{741, 484};
        QCOMPARE(ScaleRadius(View::All, panel), 232);
        QCOMPARE(ScaleRadius(View::Inner, panel), 206);
        QCOMPARE(ScaleRadius(View::Outer, panel), 232);
        QCOMPARE(ScaleRadius(View::Far, panel), 232);
    }

    void moonMirrorsAboutTheEarthInTheNorth()
    {
        LayoutGeometry geometry;
        geometry.innerEarth = PictureAt(500, 100);
        auto south = Make(Body::Moon, geometry);
        auto north = Make(Body::Moon, geometry);
        for (double t : {0.0, 3.0, 10.0, -5.0}) {
            QVERIFY(south->UpdatePosition(1, t));
            QVERIFY(north->UpdatePosition(-1, t));
            QCOMPARE(north->GeoAngle, south->GeoAngle);
            QCOMPARE(north->InnerX - 500, -(south->InnerX - 500));
            QCOMPARE(north->InnerY, south->InnerY);
            QCOMPARE(north->AllX - 370, -(south->AllX - 370));
            QCOMPARE(north->AllY, south->AllY);
        }
        // At the epoch the angle 124 puts the Moon 30 pixels out, right and down.
        QVERIFY(south->UpdatePosition(1, 0));
        QCOMPARE(south->InnerX, 500 + int(std::lrint(30 * std::cos(34 * M_PI / 180))));
        QCOMPARE(south->InnerY, 100 + int(std::lrint(30 * std::sin(34 * M_PI / 180))));
        // The Moon view's radius is Round(484 / 2 * 0.9) = 218.
        static_cast<TMoon &>(*south).ComputeMoonViewPositions(180, 1);
        QCOMPARE(south->AllX, 370);
        QCOMPARE(south->AllY, 242 + 218);
    }

    void hugeHemisphereSignFaultsInsteadOfOverflowing()
    {
        auto moon = Make(Body::Moon);
        QVERIFY(!moon->UpdatePosition(std::numeric_limits<std::int32_t>::max(), 3));
        auto mercury = Make(Body::Mercury);
        QVERIFY(mercury->UpdatePosition(std::numeric_limits<std::int32_t>::min(), 40000));
        QVERIFY(mercury->Longitude >= 0 && mercury->Longitude <= 360);
    }

    void bearings()
    {
        TPlanet probe("probe", 0, 0, 0, 1, 0);
        const Box earth = PictureAt(100, 100);
        const struct {
            int x, y;
            double bearing;
        } cases[] = {{100, 50, 0},   {150, 100, 90}, {100, 150, 180},
                     {50, 100, 270}, {150, 50, 45},  {150, 150, 135},
                     {50, 150, 225}, {50, 50, 315},  {100, 100, 180}};
        for (const auto &c : cases) {
            QCOMPARE(probe.Bearing(earth, PictureAt(c.x, c.y, 15)), c.bearing);
            QCOMPARE(probe.GeoAngle, c.bearing);
        }
    }

    void sunMarker_data()
    {
        QTest::addColumn<double>("earth");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("0: Sun below") << 0.0 << 370 << 470;
        QTest::newRow("360: Sun below") << 360.0 << 370 << 470;
        QTest::newRow("180: Sun above") << 180.0 << 370 << 14;
        QTest::newRow("90: Sun left") << 90.0 << 14 << 242;
        QTest::newRow("270: Sun right") << 270.0 << 727 << 242;
        // 45: Sun at 225, tan 45 * 370 leaves through the bottom edge.
        QTest::newRow("45: bottom edge") << 45.0 << 370 - 242 << 470;
        // 120: Sun at 300; the line meets the left edge at 242 - tan 30 * 370.
        QTest::newRow("120: left edge") << 120.0 << 14 << 242 - 214;
        QTest::newRow("10: near vertical") << 10.0 << 370 - 43 << 470;
    }
    void sunMarker()
    {
        QFETCH(double, earth);
        QFETCH(int, x);
        QFETCH(int, y);
        TPlanet planet("Earth", 3, 1, 1, 365.256, 101);
        planet.Longitude = earth;
        QVERIFY(ComputeSunMark(planet, {741, 484}));
        QCOMPARE(planet.SunMarkX, x);
        QCOMPARE(planet.SunMarkY, y);
    }

    void sunMarkerStaysInsideEveryEdge()
    {
        TPlanet planet("Earth", 3, 1, 1, 365.256, 101);
        for (int tenth = 0; tenth <= 3600; ++tenth) {
            planet.Longitude = tenth / 10.0;
            QVERIFY(ComputeSunMark(planet, {741, 484}));
            QVERIFY(planet.SunMarkX >= 14 && planet.SunMarkX <= 727);
            QVERIFY(planet.SunMarkY >= 14 && planet.SunMarkY <= 470);
        }
    }

    void dayOffsets()
    {
        QCOMPARE(DayOffset(2002y / January / 1), 0.0);
        QCOMPARE(DayOffset(2001y / December / 31), -1.0);
        QCOMPARE(DayOffset(2003y / January / 1), 365.0);
        QCOMPARE(DayOffset(2026y / December / 6), 9105.0);
        QCOMPARE(DayOffset(1900y / January / 1), -37255.0);
    }
};

QTEST_APPLESS_MAIN(TestBodies)
#include "test_bodies.moc"

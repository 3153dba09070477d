// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "model/catalogue.h"
#include "support/apptest.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/viewpanel.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace {

bool IsBlue(const Canvas &canvas, int x, int y)
{
    return canvas.pixel(x, y) == qRgb(0, 0, 255);
}

// Whether any pixel on the ring of the given radius about (370, 242), near
// its top, is blue.
bool RingAt(const Canvas &canvas, int radius)
{
    for (int x = 362; x <= 378; ++x)
        if (IsBlue(canvas, x, 242 - radius))
            return true;
    return false;
}

} // namespace

class TestSwitches : public AppTest {
    Q_OBJECT

private slots:
    void init() { startApp(QDate(2002, 1, 1)); }
    void cleanup() { stopApp(); }

    void startsAstronomicalInTheSouth()
    {
        QVERIFY(form().isMenuItemChecked(form().onomy1));
        QVERIFY(form().isMenuItemChecked(form().South1));
        QCOMPARE(panel().RadioGroup1->itemIndex(), 1);
        // Every view shows the same ring.
        for (const auto &family : {form().namePictures("Taurus"), form().namePictures("Taurus2"),
                                   form().namePictures("Ophiuchus")}) {
            for (Picture *picture : family) {
                QCOMPARE(picture->pos(), family[0]->pos());
                QCOMPARE(picture->isVisibleTo(picture->parentWidget()),
                         family[0]->isVisibleTo(family[0]->parentWidget()));
            }
        }
        QCOMPARE(form().namePictures("Taurus")[3]->pos(), QPoint(725, 91));
        QVERIFY(!form().namePictures("Taurus2")[4]->isVisibleTo(form().MoonPanel));
        for (const auto &view : form().views())
            QVERIFY(view.under->canvas().isSet(499, 5)); // the tick at P0
    }

    void hemisphereFromTheMenuMirrorsEverything()
    {
        const Point southEarth = form().iEarth->centre();
        form().North1->trigger();
        QCOMPARE(form().HemisphereSign, -1);
        QVERIFY(form().North1->isChecked());
        QCOMPARE(panel().RadioGroup1->itemIndex(), 0);
        // The Earth at 101 moves to 259: mirrored about the centre line.
        QCOMPARE(form().iEarth->centre(), (Point{740 - southEarth.x, southEarth.y}));
        QCOMPARE(form().lblOuter270Degrees->pos(), QPoint(689, 234));
        QVERIFY(form().namePictures("Taurus2")[0]->isVisibleTo(form().AllPanel));
        QCOMPARE(form().namePictures("Taurus2")[0]->pos(), QPoint(4, 91));
        // The Moon mirrors about the Earth.
        const TPlanet &moon = form().body(Body::Moon);
        QCOMPARE(form().ilargeMoon->centre(), (Point{moon.AllX, moon.AllY}));
        QVERIFY(moon.AllX < 370);

        // The checked item again: nothing at all, not even new stars.
        const QImage stars = form().imAllUnder->canvas().image();
        form().North1->trigger();
        QCOMPARE(form().imAllUnder->canvas().image(), stars);

        // Back from the control panel's face.
        panel().RadioGroup1->button(1)->click();
        QCOMPARE(form().HemisphereSign, 1);
        QVERIFY(form().South1->isChecked());
        QCOMPARE(form().iEarth->centre(), southEarth);
    }

    void hemisphereSwitchErasesOverlaysEvenWithNothingOn()
    {
        form().imInnerBack->canvas().line(1, 1, 30, 1);
        form().North1->trigger();
        QVERIFY(!form().imInnerBack->canvas().isSet(5, 1));
    }

    void arrangementSwitchesTheNames()
    {
        form().ology1->trigger();
        QVERIFY(form().AstrologyArrangement);
        QVERIFY(form().ology1->isChecked());
        for (Picture *ophiuchus : form().namePictures("Ophiuchus"))
            QVERIFY(!ophiuchus->isVisibleTo(ophiuchus->parentWidget()));
        QCOMPARE(form().namePictures("Scorpius3")[2]->pos(), QPoint(67, 465));
        QVERIFY(form().namePictures("Scorpius3")[2]->isVisibleTo(form().OuterPanel));
        // Choosing the checked arrangement rebuilds all the same.
        const QImage before = form().imFarUnder->canvas().image();
        form().ology1->trigger();
        QVERIFY(form().imFarUnder->canvas().image() != before);
        form().onomy1->trigger();
        QVERIFY(!form().AstrologyArrangement);
        QVERIFY(form().namePictures("Ophiuchus")[0]->isVisibleTo(form().AllPanel));
    }

    void orbitRingsOnAndOff()
    {
        QVERIFY(!RingAt(form().imAllUnder->canvas(), 232));
        form().Showorbits1->trigger();
        QVERIFY(form().OrbitsShown);
        QCOMPARE(panel().btnOrbits->text(), QStringLiteral("Hide Orbits"));
        QVERIFY(form().Showorbits1->isChecked());
        for (int r : {232, 206, 180, 154, 128, 102, 76, 50, 24})
            QVERIFY2(RingAt(form().imAllUnder->canvas(), r), qPrintable(QString::number(r)));
        for (int r : {206, 149, 80})
            QVERIFY(RingAt(form().imInnerUnder->canvas(), r));
        for (int r : {232, 127, 38, 25})
            QVERIFY(RingAt(form().imOuterUnder->canvas(), r));
        for (int r : {232, 180, 113, 26})
            QVERIFY(RingAt(form().imFarUnder->canvas(), r));
        QVERIFY(!RingAt(form().imMoonUnder->canvas(), 218));

        // Kept through a change of arrangement and of hemisphere.
        form().ology1->trigger();
        QVERIFY(RingAt(form().imAllUnder->canvas(), 154));
        form().North1->trigger();
        QVERIFY(RingAt(form().imFarUnder->canvas(), 113));

        // Off from the button: gone, with a fresh star field.
        const QImage before = form().imAllUnder->canvas().image();
        panel().btnOrbits->click();
        QVERIFY(!form().OrbitsShown);
        QCOMPARE(panel().btnOrbits->text(), QStringLiteral("Show Orbits"));
        QVERIFY(form().Hideorbits1->isChecked());
        for (int r : {232, 206, 180, 154, 128, 102, 76, 50, 24})
            QVERIFY(!RingAt(form().imAllUnder->canvas(), r));
        QVERIFY(form().imAllUnder->canvas().image() != before);
        form().Hideorbits1->trigger(); // already hidden: nothing
        QVERIFY(!form().OrbitsShown);
    }

    void orbitSwitchLeavesBodiesAndOverlaysAlone()
    {
        form().imAllBack->canvas().line(1, 1, 30, 1);
        const QPoint earth = form().iEarth->pos();
        panel().btnOrbits->click();
        QVERIFY(form().imAllBack->canvas().isSet(5, 1));
        QCOMPARE(form().iEarth->pos(), earth);
    }
};

QTEST_MAIN(TestSwitches)
#include "test_switches.moc"

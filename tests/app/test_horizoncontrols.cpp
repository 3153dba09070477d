// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "dialogs/latitudedialog.h"
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/updown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

int RedPixels(const Canvas &canvas)
{
    return CountPixels(canvas, qRgb(255, 0, 0));
}

} // namespace

class TestHorizonControls : public AppTest {
    Q_OBJECT

    QDate statusDate() { return panel().DateTimePicker1->day(); }
    QString hour() { return panel().meHours->text() + panel().lblAmPm->text(); }

private slots:
    void init() { startApp(QDate(2003, 6, 22)); }
    void cleanup() { stopApp(); }

    void startState()
    {
        QCOMPARE(panel().lblAmPm->text(), QStringLiteral("mdnt"));
        QCOMPARE(panel().PrevHour, 12);
        QCOMPARE(panel().AmPmLeft, 98);
        QCOMPARE(panel().lblAmPm->x(), 98); // moved only by the first hour change
        QCOMPARE(panel().UpDownHours->position(), 12);
        QCOMPARE(panel().rgDaylightSaving->itemIndex(), 0);
        QVERIFY(form().No1->isChecked());
        QCOMPARE(panel().btnHorizon->text(), QStringLiteral("Show Horizon at 0 deg"));
        QVERIFY(form().Hidehorizon1->isChecked());
        QVERIFY(!form().HorizonShown);
        // Creation drew the horizon once: the markers stand by the Earths.
        const Point earth = form().iEarth->centre();
        const Point marker = form().imAllPlanetsManPosn->centre();
        QVERIFY(std::abs(marker.x - earth.x) <= 12 && std::abs(marker.y - earth.y) <= 12);
        QVERIFY(form().imAllPlanetsManPosn->isHidden());
        QCOMPARE(RedPixels(form().imAllBack->canvas()), 0);
    }

    void switchDrawsAndErases()
    {
        form().Showhorizon1->trigger();
        QVERIFY(form().HorizonShown);
        QCOMPARE(panel().btnHorizon->text(), QStringLiteral("Hide Horizon at 0 deg"));
        QVERIFY(form().Showhorizon1->isChecked());
        for (DrawingLayer *overlay :
             {form().imAllBack, form().imInnerBack, form().imOuterBack, form().imFarBack})
            QVERIFY(RedPixels(overlay->canvas()) > 300);
        QCOMPARE(RedPixels(form().imMoonBack->canvas()), 0);
        for (Picture *marker : form().personMarkers()) {
            QVERIFY(!marker->isHidden());
            QCOMPARE(marker->size(), QSize(5, 5));
        }
        // Midnight without daylight saving: the marker points away from the
        // Sun, 12 pixels out along the Earth's own direction.
        const Point sun{370, 242};
        const Point earth = form().iFarEarth->centre();
        const Point marker = form().imFarManPosn->centre();
        QVERIFY((marker.x - earth.x) * (earth.x - sun.x) >= 0);
        QVERIFY((marker.y - earth.y) * (earth.y - sun.y) >= 0);

        // It follows the planets: a tick redraws it elsewhere.
        const QImage before = form().imAllBack->canvas().image();
        form().StepDays = 30;
        form().Timer1Timer();
        QVERIFY(form().imAllBack->canvas().image() != before);
        QVERIFY(RedPixels(form().imAllBack->canvas()) > 300);

        panel().btnHorizon->click();
        QVERIFY(!form().HorizonShown);
        QCOMPARE(RedPixels(form().imAllBack->canvas()), 0);
        QVERIFY(form().imAllPlanetsManPosn->isHidden());
        QVERIFY(form().Hidehorizon1->isChecked());
    }

    void latitudePast90DrawsNothingAndKeepsTheMarkers()
    {
        form().Latitude = 95;
        const QPoint marker = form().imInnerManPosn->pos();
        form().StepDays = 40;
        form().Timer1Timer(); // the Earth moves on
        form().Showhorizon1->trigger();
        QCOMPARE(panel().btnHorizon->text(), QStringLiteral("Hide Horizon at 95 deg"));
        QCOMPARE(RedPixels(form().imInnerBack->canvas()), 0);
        QCOMPARE(form().imInnerManPosn->pos(), marker);
        QVERIFY(!form().imInnerManPosn->isHidden());
    }

    void markersNeverPlacedStayHidden()
    {
        // Stored past 90, the latitude has no horizon: the markers have never
        // been placed and would stand in the corner of every view.
        stopApp();
        platform = std::make_unique<FakePlatform>();
        platform->todayDate = QDate(2003, 6, 22);
        QVERIFY(SaveSettings(platform->folder, {1, 95}));
        app = std::make_unique<Heliodial>(*platform);
        QCOMPARE(form().Latitude, 95);
        app->show();
        user::Click(panel().btnHorizon);
        QVERIFY(form().HorizonShown);
        for (const Picture *marker : form().personMarkers())
            QVERIFY(marker->isHidden());

        // The first horizon computed places them and shows them.
        TFLatitude &dialog = *app->FLatitude();
        platform->modal = [&](QDialog *shown) -> int {
            shown->show();
            dialog.Edit1->selectAll();
            QTest::keyClicks(dialog.Edit1, QStringLiteral("45"));
            user::Key(dialog.Edit1, Qt::Key_Return);
            return 0;
        };
        form().Latitude1->trigger();
        QCOMPARE(form().Latitude, 45);
        const Point earth = form().iEarth->centre();
        const Point marker = form().imAllPlanetsManPosn->centre();
        QVERIFY(std::abs(marker.x - earth.x) <= 12 && std::abs(marker.y - earth.y) <= 12);
        for (const Picture *each : form().personMarkers())
            QVERIFY(!each->isHidden());
    }

    void hourArrowsRunRoundTheClock()
    {
        const QDate start = statusDate();
        panel().UpDownHours->stepUp();
        QCOMPARE(hour(), QStringLiteral("1am"));
        QCOMPARE(statusDate(), start.addDays(1));
        QCOMPARE(panel().lblAmPm->x(), 98);
        panel().UpDownHours->stepDown();
        QCOMPARE(hour(), QStringLiteral("12mdnt"));
        QCOMPARE(statusDate(), start);
        QCOMPARE(panel().lblAmPm->x(), 95);

        panel().UpDownHours->stepUp();
        for (int i = 0; i < 11; ++i)
            panel().UpDownHours->stepUp();
        QCOMPARE(hour(), QStringLiteral("12noon"));
        QCOMPARE(statusDate(), start.addDays(1));
        panel().UpDownHours->stepUp();
        QCOMPARE(hour(), QStringLiteral("1pm"));
        panel().UpDownHours->stepDown();
        QCOMPARE(hour(), QStringLiteral("12noon"));
        panel().UpDownHours->stepDown();
        QCOMPARE(hour(), QStringLiteral("11am"));
        for (int i = 0; i < 13; ++i)
            panel().UpDownHours->stepUp();
        QCOMPARE(hour(), QStringLiteral("12mdnt"));
        QCOMPARE(statusDate(), start.addDays(1));
        QCOMPARE(panel().PrevHour, 12);
    }

    void midnightAtTheEdgesOfTheCalendar()
    {
        DatePicker &picker = *panel().DateTimePicker1;
        // Back past the first day: 1 am to 12 mdnt keeps the first day.
        picker.setDay(picker.minimumDate());
        panel().UpDownHours->stepUp();
        QCOMPARE(hour(), QStringLiteral("1am"));
        picker.setDay(picker.minimumDate());
        panel().UpDownHours->stepDown();
        QCOMPARE(hour(), QStringLiteral("12mdnt"));
        QCOMPARE(statusDate(), picker.minimumDate());
        // On past the last day: stays there.
        picker.setDay(picker.maximumDate());
        panel().UpDownHours->stepUp();
        QCOMPARE(statusDate(), picker.maximumDate());
        QVERIFY(platform->messages.isEmpty());
    }

    void typedHoursStayInRange()
    {
        panel().meHours->setText(QStringLiteral("13"));
        QCOMPARE(panel().UpDownHours->position(), 1);
        QCOMPARE(panel().meHours->text(), QStringLiteral("1"));
        QCOMPARE(panel().lblAmPm->text(), QStringLiteral("am"));
        panel().meHours->setText(QStringLiteral("99"));
        QVERIFY(panel().UpDownHours->position() >= 1 && panel().UpDownHours->position() <= 12);
        panel().meHours->setText(QStringLiteral(""));
        panel().meHoursExit();
        QCOMPARE(panel().meHours->text(), QString::number(panel().UpDownHours->position()));
    }

    void hourChangesRedrawAShownHorizon()
    {
        form().Showhorizon1->trigger();
        const QImage midnight = form().imOuterBack->canvas().image();
        panel().UpDownHours->stepDown();
        QCOMPARE(hour(), QStringLiteral("11pm"));
        QVERIFY(form().imOuterBack->canvas().image() != midnight);
        QVERIFY(form().HorizonShown);
        // Daylight saving at 12 gives the picture of 11 without it.
        const QImage eleven = form().imOuterBack->canvas().image();
        panel().UpDownHours->stepUp();
        form().Yes1->trigger();
        QCOMPARE(panel().rgDaylightSaving->itemIndex(), 1);
        QCOMPARE(form().imOuterBack->canvas().image(), eleven);
        form().Yes1->trigger(); // checked already: nothing
        QCOMPARE(panel().rgDaylightSaving->itemIndex(), 1);
        panel().rgDaylightSaving->setItemIndex(0);
        QVERIFY(form().No1->isChecked());
        QCOMPARE(form().imOuterBack->canvas().image(), midnight);
    }

    void latitudeDialog()
    {
        TFLatitude &dialog = *app->FLatitude();
        QCOMPARE(dialog.size(), QSize(310, 188));
        QCOMPARE(dialog.pos(), QPoint(211, 193));
        QCOMPARE(dialog.Button1->text(), QStringLiteral("Click when you are ready"));
        QVERIFY(dialog.Label2->text().contains(QStringLiteral("nights.  How much")));

        form().Latitude = 35;
        QStringList seen;
        bool closedByEnter = false;
        platform->modal = [&](QDialog *shown) -> int {
            shown->show();
            seen << dialog.Edit1->text();
            dialog.Edit1->clear();
            seen << dialog.Edit1->text();
            dialog.Edit1->selectAll();
            QTest::keyClicks(dialog.Edit1, QStringLiteral("4a5"));
            seen << dialog.Edit1->text();
            QTest::keyClick(dialog.Edit1, Qt::Key_6);
            seen << dialog.Edit1->text();
            dialog.Edit1->setText(QStringLiteral("-30"));
            seen << dialog.Edit1->text();
            QTest::keyClick(dialog.Edit1, Qt::Key_Return);
            closedByEnter = !shown->isVisible();
            return 0;
        };
        form().Latitude1->trigger();
        QCOMPARE(seen, QStringList({"35", "0", "45", "56", "30"}));
        QVERIFY(closedByEnter);
        QCOMPARE(form().Latitude, 30);
        QCOMPARE(panel().btnHorizon->text(), QStringLiteral("Show Horizon at 30 deg"));
        QVERIFY(!form().HorizonShown);

        // Closing by Esc keeps the switch and renews the caption too.
        form().Showhorizon1->trigger();
        form().Latitude = 50;
        platform->modal = [&](QDialog *shown) -> int {
            shown->show();
            QTest::keyClick(shown, Qt::Key_Escape);
            return 0;
        };
        form().Latitude1->trigger();
        QVERIFY(form().HorizonShown);
        QCOMPARE(panel().btnHorizon->text(), QStringLiteral("Hide Horizon at 50 deg"));
    }
};

QTEST_MAIN(TestHorizonControls)
#include "test_horizoncontrols.moc"

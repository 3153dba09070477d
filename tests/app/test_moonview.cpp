// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "support/apptest.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/moonphase.h"
#include "views/picture.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>

class TestMoonView : public AppTest {
    Q_OBJECT

    QString cell(int row, int column) { return form().StringGrid1->item(row, column)->text(); }

    // Rows 1 to 3 of a column, as "346 298 19:52".
    QString angles(int column)
    {
        return cell(1, column) + " " + cell(2, column) + " " + cell(3, column);
    }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        startApp(QDate(2002, 1, 1));
    }
    void cleanup()
    {
        stopApp();
        QLocale::setDefault(QLocale::system());
    }

    void statsTableAtTheEpochInBothHemispheres()
    {
        for (const bool north : {false, true}) {
            if (north)
                form().North1->trigger();
            form().TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
            QCOMPARE(cell(0, 1), QStringLiteral("Mercury"));
            QCOMPARE(cell(0, 4), QStringLiteral("Moon"));
            QCOMPARE(cell(3, 0), QStringLiteral("Right ascension (hr:min)"));
            QCOMPARE(angles(1), QStringLiteral("346 298 19:52"));
            QCOMPARE(angles(2), QStringLiteral("274 278 18:32"));
            QCOMPARE(angles(5), QStringLiteral("30 352 23:28"));
            QCOMPARE(angles(6), QStringLiteral("101 101 06:44"));
            QCOMPARE(angles(7), QStringLiteral("71 68 04:32"));
            QCOMPARE(angles(8), QStringLiteral("334 325 21:40"));
            QCOMPARE(angles(9), QStringLiteral("314 310 20:40"));
            QCOMPARE(angles(10), QStringLiteral("254 257 17:08"));
            QCOMPARE(cell(5, 1), QStringLiteral("0.387"));
            QCOMPARE(cell(7, 10), QStringLiteral("249.9"));
            form().TabbedNotebook1->setCurrentIndex(TForm1::AllPage);
        }
    }

    void commaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        form().TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
        QCOMPARE(cell(5, 1), QStringLiteral("0,387"));
        QCOMPARE(cell(6, 4), QStringLiteral("27,321661"));
    }

    void calendarRefillsTheTable()
    {
        form().TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
        const QString before = angles(1);
        form().MonthCalendar1->setSelectedDate(QDate(2002, 2, 10));
        form().MonthCalendar1Click();
        QVERIFY(angles(1) != before);
        QCOMPARE(panel().DateTimePicker1->day(), QDate(2002, 2, 10));
    }

    void phasePicture()
    {
        QVERIFY(form().imMoonPhases->isHidden());
        form().Showphase1->trigger();
        QVERIFY(!form().imMoonPhases->isHidden());
        QCOMPARE(form().imMoonPhases->pos(), QPoint(611, 30));
        QCOMPARE(panel().btnMoonPhase->text(), QStringLiteral("Hide Phase"));
        // The epoch in the south: picture 109.
        const QImage shown = form().imMoonPhases->picture().toImage();
        QCOMPARE(shown, QImage(PhasePictureResource(109)).convertToFormat(shown.format()));
        form().North1->trigger();
        const QImage northern = form().imMoonPhases->picture().toImage();
        QCOMPARE(northern, QImage(PhasePictureResource(7)).convertToFormat(northern.format()));
        panel().btnMoonPhase->click();
        QVERIFY(form().imMoonPhases->isHidden());
        QVERIFY(form().Hidephase1->isChecked());
        form().Showphase1->trigger();
        QCOMPARE(form().imMoonPhases->pos(), QPoint(611, 30));
    }

    void terminator()
    {
        const QRgb yellow = qRgb(255, 255, 0), aqua = qRgb(0, 255, 255);
        form().Showterminator1->trigger();
        QVERIFY(form().TerminatorShown);
        QCOMPARE(panel().btnMoonTerminator->text(), QStringLiteral("Hide Terminator"));
        const Canvas &moon = form().imMoonBack->canvas();
        QVERIFY(CountPixels(moon, yellow) >= 25);
        QVERIFY(CountPixels(moon, aqua) >= 25);
        QCOMPARE(moon.pen.colour, QColor(yellow));
        // The lines cross at the Moon's centre, one pixel up and left.
        const Point centre = form().ilargeMoon->centre();
        QVERIFY(moon.isSet(centre.x - 1, centre.y - 1));

        // Off while the horizon is on: the horizon stays, the Moon view clears.
        form().Showhorizon1->trigger();
        form().Hideterminator1->trigger();
        QCOMPARE(CountPixels(moon, yellow) + CountPixels(moon, aqua), 0);
        QVERIFY(CountPixels(form().imAllBack->canvas(), qRgb(255, 0, 0)) > 100);
        QCOMPARE(panel().btnMoonTerminator->text(), QStringLiteral("Show Terminator"));
    }
};

QTEST_MAIN(TestMoonView)
#include "test_moonview.moc"

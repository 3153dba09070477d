// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The true sky on a machine that holds the ephemeris files of 1800-2399
// alone: the library's analytic theory serves to 2999, and from 3000 there
// are no true places, so the true sky is refused there, with the reason,
// whether the user chooses it, steps the date or animates into such a year.
#include "app/animationclock.h"
#include "dialogs/skyeventssearch.h"
#include "dialogs/skyeventswindow.h"
#include "model/ephemerisfiles.h"
#include "support/apptest.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QMap<QString, QString> TrueChosen{
    {QStringLiteral("Positions/source"), QStringLiteral("true")}};

} // namespace

class TestMissingFiles : public AppTest {
    Q_OBJECT

    QTemporaryDir m_folder;

    QString refusal(int year) const
    {
        return QStringLiteral("The ephemeris files for %1 are not in %2: there are no true places "
                              "for that year.")
            .arg(year)
            .arg(m_folder.path());
    }

    void chooseTruePositions()
    {
        QVERIFY(user::Activate(&form()));
        user::Key(&form(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(form().Model1->isVisible());
        QTest::keyClick(form().Model1, Qt::Key_T);
        QTRY_VERIFY(!form().Model1->isVisible());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        for (const char *name : {"sepl_18.se1", "semo_18.se1"})
            QVERIFY(QFile::link(
                QDir(QStringLiteral("/usr/share/libswe/ephe")).filePath(QLatin1String(name)),
                m_folder.filePath(QLatin1String(name))));
        qputenv("HELIODIAL_EPHEMERIS", m_folder.path().toLocal8Bit());
        QCOMPARE(QString::fromStdString(ephemeris::Folder()), m_folder.path());
    }
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { stopApp(); }

    // Chosen from the menu in a year without places, the true sky is
    // refused and the classic model stays; in a year of the analytic theory
    // it is taken.
    void choosingItIsRefused()
    {
        startApp(QDate(3500, 6, 1));
        showProgram();
        chooseTruePositions();
        QVERIFY(!form().TruePositions);
        QVERIFY(form().isMenuItemChecked(form().Classicmodel1));
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages.front().text, refusal(3500));
        QCOMPARE(platform->preferences.value(QStringLiteral("Positions/source")), QString());

        stopApp();
        startApp(QDate(2999, 12, 31));
        showProgram();
        chooseTruePositions();
        QVERIFY(form().TruePositions);
        QVERIFY(platform->messages.isEmpty());
    }

    // Stepping the date into 3000 on the Stats page's calendar: the classic
    // model is shown instead, and the user is told why.
    void steppingIntoSuchAYearShowsTheClassicModel()
    {
        startApp(QDate(2999, 12, 31), TrueChosen);
        showProgram();
        clickTab(TForm1::StatsPage);
        QVERIFY(form().TruePositions);
        user::Click(form().lblStatusDate, {4, 8});
        QTableView *days = form().MonthCalendar1->findChild<QTableView *>();
        QVERIFY(days && days->isVisible());
        user::Key(days, Qt::Key_Right);
        QCOMPARE(panel().DateTimePicker1->day(), QDate(3000, 1, 1));
        QVERIFY(!form().TruePositions);
        QVERIFY(form().isMenuItemChecked(form().Classicmodel1));
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages.front().kind, Platform::MessageKind::Error);
        QCOMPARE(platform->messages.front().text,
                 refusal(3000) + QStringLiteral(" The classic model is shown instead."));
        // The scene is the classic model's for the new date, not a fault.
        QVERIFY2(form().windowTitle().endsWith(QStringLiteral("3000")),
                 qPrintable(form().windowTitle()));
    }

    // The animation stops at the year's start, with one message, rather
    // than ending the program on a place that is not a number.
    void theAnimationStopsThere()
    {
        startApp(QDate(2999, 12, 31), TrueChosen);
        showProgram();
        user::Click(panel().Button1, {8, 8});
        QVERIFY(form().Timer1->enabled());
        form().Timer1Timer();
        QVERIFY(!form().Timer1->enabled());
        QVERIFY(!form().TruePositions);
        QCOMPARE(panel().DateTimePicker1->day(), QDate(3000, 1, 1));
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY(platform->messages.front().text.startsWith(refusal(3000)));
        QCOMPARE(panel().Button1->text(), QStringLiteral("Move by 1 day"));
        form().Timer1Timer();
        QCOMPARE(platform->messages.size(), 1);
    }

    // The sky-events window refuses a search that runs into such a year,
    // saying why.
    void theEventsWindowSaysWhy()
    {
        startApp(QDate(2999, 6, 1));
        showProgram();
        form().Skyevents1->trigger();
        SkyEventsWindow &w = *app->SkyEvents();
        QVERIFY(user::Activate(&w));
        w.ToDate->setFocus();
        w.ToDate->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(w.ToDate, "30010101");
        QTest::keyClick(w.ToDate, Qt::Key_Tab);
        QCOMPARE(w.ToDate->date(), QDate(3001, 1, 1));
        user::Click(w.FindButton);
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages.front().text, refusal(3000));
        QVERIFY(w.FindButton->isEnabled());
        QCOMPARE(w.Events->model()->rowCount(), 0);
    }
};

QTEST_MAIN(TestMissingFiles)
#include "test_missingfiles.moc"

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Stats page as a user works it: every click, double click and key goes
// through the window, as the window system delivers it.
#include "app/animationclock.h"
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/shortdate.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

class TestStatsPage : public AppTest {
    Q_OBJECT

    QCalendarWidget *calendar() { return form().MonthCalendar1; }
    QTableView *calendarDays() { return calendar()->findChild<QTableView *>(); }

    void clickTab(int page)
    {
        QTabBar *tabs = form().TabbedNotebook1->tabBar();
        user::Click(tabs, tabs->tabRect(page).center());
        QCOMPARE(form().TabbedNotebook1->currentIndex(), page);
    }

    void openStatsPage()
    {
        app->show();
        QVERIFY(user::Activate(&form()));
        clickTab(TForm1::StatsPage);
    }

    void openCalendar()
    {
        user::Click(form().lblStatusDate, {4, 8});
        QVERIFY(calendar()->isVisible());
    }

    // A day cell of the calendar in view, by row and column.
    QPoint dayCell(int row, int column)
    {
        QTableView *days = calendarDays();
        return days->visualRect(days->model()->index(row, column)).center();
    }

private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void clickOnTheStatusDateOpensTheCalendar()
    {
        openStatsPage();
        QVERIFY(panel().isHidden());
        QVERIFY(!calendar()->isVisible());
        openCalendar();
        // A click on the grid, on a cell or beside the cells, closes it.
        user::Click(form().StringGrid1->viewport(), {20, 30});
        QVERIFY(!calendar()->isVisible());
        openCalendar();
        user::Click(form().StringGrid1->viewport(), {700, 200});
        QVERIFY(!calendar()->isVisible());
        // So does one on the page below the grid, and one on another tab.
        openCalendar();
        user::Click(form().Panel1, {400, 400});
        QVERIFY(!calendar()->isVisible());
        openCalendar();
        clickTab(TForm1::StatsPage);
        QVERIFY(calendar()->isVisible());
        clickTab(TForm1::AllPage);
        QVERIFY(!calendar()->isVisible());
    }

    void pickingADayMovesTheStatusDate()
    {
        openStatsPage();
        openCalendar();
        const QString heliocentric = form().StringGrid1->item(1, 1)->text();
        // Opened, it takes the keys at once.
        user::Key(calendarDays(), Qt::Key_Right);
        QCOMPARE(panel().DateTimePicker1->day(), platform->todayDate.addDays(1));

        // By the mouse: the day clicked becomes the status date at once.
        user::Click(calendarDays(), dayCell(5, 3));
        const QDate clicked = calendar()->selectedDate();
        QVERIFY(clicked != platform->todayDate);
        QCOMPARE(panel().DateTimePicker1->day(), clicked);
        QCOMPARE(form().lblStatusDate->text(), ShortDateText(clicked));
        QCOMPARE(form().windowTitle(), QStringLiteral("Heliodial ") + ShortDateText(clicked));
        QVERIFY(form().StringGrid1->item(1, 1)->text() != heliocentric);
        QVERIFY(calendar()->isVisible());

        // By the keyboard: a week on with the arrow down, then a day back.
        user::Key(calendarDays(), Qt::Key_Down);
        QCOMPARE(panel().DateTimePicker1->day(), clicked.addDays(7));
        user::Key(calendarDays(), Qt::Key_Left);
        QCOMPARE(panel().DateTimePicker1->day(), clicked.addDays(6));
        QCOMPARE(form().lblStatusDate->text(), ShortDateText(clicked.addDays(6)));
    }

    void theCalendarOffersOnlyDaysThePickerTakes()
    {
        const DatePicker &picker = *panel().DateTimePicker1;
        QCOMPARE(calendar()->minimumDate(), picker.minimumDate());
        QCOMPARE(calendar()->maximumDate(), picker.maximumDate());
        openStatsPage();
        openCalendar();
        // At the first day of the range the keyboard can go no further back,
        // and the status date follows the calendar to the edge.
        calendar()->setCurrentPage(picker.minimumDate().year(), 1);
        user::Click(calendarDays(), dayCell(1, 1));
        for (int step = 0; step < 40; ++step)
            user::Key(calendarDays(), Qt::Key_Left);
        QCOMPARE(calendar()->selectedDate(), picker.minimumDate());
        QCOMPARE(picker.day(), picker.minimumDate());
    }

    void doubleClicksOnTheStatsPageDoNothing()
    {
        openStatsPage();
        const QString button = panel().Button1->text();
        const QList<QPair<QWidget *, QPoint>> places = {
            {form().Panel1, {400, 400}},
            {form().Label3, {5, 5}},
            {form().lblStatusDate, {4, 8}},
            {form().StringGrid1->viewport(), {20, 30}},
            {form().StringGrid1->viewport(), {700, 200}},
            // The strip beside the page's client area.
            {form().Panel1->parentWidget()->parentWidget(), {2, 200}}};
        for (const auto &[widget, at] : places) {
            user::DoubleClick(widget, at);
            QVERIFY2(!form().Timer1->enabled(), qPrintable(widget->objectName()));
        }
        QCOMPARE(panel().Button1->text(), button);
        // Back on a view, nothing starts, and a double click there still does.
        clickTab(TForm1::AllPage);
        QVERIFY(!form().Timer1->enabled());
        user::DoubleClick(form().imAllBack, {100, 100});
        QVERIFY(form().Timer1->enabled());
    }
};

QTEST_MAIN(TestStatsPage)
#include "test_statspage.moc"

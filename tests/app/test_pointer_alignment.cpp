// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "dialogs/alignmentdialog.h"
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/shortdate.h"
#include "views/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace {

// Where a check box takes a click whatever the length of its caption.
const QPoint Tick(6, 8);

int LimePixels(const Canvas &canvas)
{
    return CountPixels(canvas, qRgb(0, 255, 0));
}

} // namespace

class TestPointerAlignment : public AppTest {
    Q_OBJECT

    int page() { return form().TabbedNotebook1->currentIndex(); }

private slots:
    void init() { startApp(QDate(2003, 3, 1)); }
    void cleanup() { stopApp(); }

    void targetChangeWhileOffMovesNoPage()
    {
        QCOMPARE(panel().ComboBox1->currentIndex(), 0);
        QVERIFY(form().ToMercury1->isChecked());
        form().ToUranus1->trigger();
        QCOMPARE(panel().ComboBox1->currentIndex(), 5);
        QCOMPARE(form().PointerBody, form().iFarUranus);
        QCOMPARE(page(), int(TForm1::AllPage));
        QCOMPARE(LimePixels(form().imFarBack->canvas()), 0);
    }

    void switchingOnDrawsAndShowsTheView()
    {
        form().ToJupiter1->trigger();
        panel().btnPointer->click();
        QVERIFY(form().PointerShown);
        QCOMPARE(panel().btnPointer->text(), QStringLiteral("Hide Direction"));
        QVERIFY(form().Showdirection1->isChecked());
        QCOMPARE(page(), int(TForm1::OuterPage));
        QVERIFY(LimePixels(form().imOuterBack->canvas()) > 50);
        // The page rules did not run: the control panel keeps its height.
        QCOMPARE(panel().height(), TOptions::ShortHeight);

        // A new target from the list: its view comes up, the old line goes.
        panel().ComboBox1->setCurrentIndex(5);
        panel().ComboBox1Change();
        QVERIFY(form().ToUranus1->isChecked());
        QCOMPARE(page(), int(TForm1::FarPage));
        QCOMPARE(LimePixels(form().imOuterBack->canvas()), 0);
        QVERIFY(LimePixels(form().imFarBack->canvas()) > 50);

        // It follows the date.
        const QImage before = form().imFarBack->canvas().image();
        form().StepDays = 300;
        form().Timer1Timer();
        QVERIFY(form().imFarBack->canvas().image() != before);

        form().Showdirection1->trigger(); // shown already: nothing
        QVERIFY(form().PointerShown);
        form().Hidedirection1->trigger();
        QVERIFY(!form().PointerShown);
        QCOMPARE(LimePixels(form().imFarBack->canvas()), 0);
        QCOMPARE(page(), int(TForm1::FarPage));
    }

    void pointerKeepsTheHorizonsPen()
    {
        form().Showhorizon1->trigger();
        form().ToVenus1->trigger();
        form().Showdirection1->trigger();
        QCOMPARE(form().imInnerBack->canvas().pen.colour, QColor(255, 0, 0));
        QVERIFY(LimePixels(form().imInnerBack->canvas()) > 50);
        // Off: the pointer goes, the horizon stays.
        form().Hidedirection1->trigger();
        QCOMPARE(LimePixels(form().imInnerBack->canvas()), 0);
        QVERIFY(CountPixels(form().imInnerBack->canvas(), qRgb(255, 0, 0)) > 100);
    }

    void finderNeedsTwoPlanets()
    {
        TFAlignment &finder = *app->FAlignment();
        form().Nextalignmemt1->trigger();
        QVERIFY(finder.isVisible());
        QCOMPARE(finder.meDegrees->text(), QStringLiteral("5 "));
        finder.CheckBoxes[3]->setChecked(true);
        platform->answers = {Platform::Button::No};
        finder.BitBtn1->click();
        QCOMPARE(
            platform->messages.last().text,
            QStringLiteral("You must choose at least two planets\r\rDo you want to quit now?"));
        QVERIFY(finder.isVisible());
        QVERIFY(finder.CheckBoxes[3]->isChecked());
        platform->answers = {Platform::Button::Yes};
        finder.BitBtn1->click();
        QVERIFY(!finder.isVisible());
    }

    void finderMovesTheSceneAndSearchesOn()
    {
        TFAlignment &finder = *app->FAlignment();
        form().Nextalignmemt1->trigger();
        finder.CheckBoxes[2]->setChecked(true); // Mars
        finder.CheckBoxes[3]->setChecked(true); // Jupiter
        const QDate start = panel().DateTimePicker1->day();
        platform->answers = {Platform::Button::Yes};
        finder.BitBtn1->click();
        QCOMPARE(platform->hourglassDepth, 0);
        const QString asked = platform->messages.last().text;
        QVERIFY(asked.startsWith(QStringLiteral("The next alignment is on ")));
        QVERIFY(
            asked.endsWith(QStringLiteral("\r\rDo you want to re-set the Calendar to that date?")));
        const QDate first = panel().DateTimePicker1->day();
        QVERIFY(first > start);
        QVERIFY(asked.contains(ShortDateText(first)));
        QCOMPARE(finder.LastAlignmentDate, std::optional<QDate>(first));
        QVERIFY(form().windowTitle().endsWith(ShortDateText(first)));
        QVERIFY(finder.isVisible());

        // Again: a later alignment, at least 30 days on.
        platform->answers = {Platform::Button::No};
        finder.BitBtn1->click();
        QVERIFY(!finder.isVisible());
        QCOMPARE(panel().DateTimePicker1->day(), first);
        // Shown again, the accepted date is forgotten.
        form().Nextalignmemt1->trigger();
        QVERIFY(!finder.LastAlignmentDate);
    }

    void thirtyDaysBeforeTheAcceptedDateIsFarEnough()
    {
        // The best day carries the picker's time of day, the accepted one is
        // a calendar day: 30 days before it must count as 30, not 29.27.
        TFAlignment &finder = *app->FAlignment();
        form().Nextalignmemt1->trigger();
        user::Click(finder.CheckBoxes[3], Tick); // Jupiter
        user::Click(finder.CheckBoxes[4], Tick); // Saturn
        const QDate start = panel().DateTimePicker1->day();
        platform->answers = {Platform::Button::Yes};
        user::Click(finder.BitBtn1);
        const QDate best = panel().DateTimePicker1->day();
        QVERIFY(best > start);
        QCOMPARE(finder.LastAlignmentDate, std::optional<QDate>(best));

        for (const int apart : {-31, -30, -29, 29, 30, 31}) {
            // As though the date accepted had been `apart` days the other way.
            finder.LastAlignmentDate = best.addDays(-apart);
            panel().DateTimePicker1->setDay(start);
            platform->answers = {Platform::Button::Yes};
            user::Click(finder.BitBtn1);
            const bool reported = panel().DateTimePicker1->day() == best;
            QVERIFY2(reported == (std::abs(apart) >= 30), qPrintable(QString::number(apart)));
        }
    }

    void leavingTheStatsPageForThePointerGivesEverythingBack()
    {
        // The finder does not block: a search from the Stats page with the
        // pointer shown brings the pointer's view to the front.
        app->show();
        user::Click(panel().btnPointer);
        user::Click(panel().Button1);
        QVERIFY(form().Timer1->enabled());
        QTabBar *tabs = form().TabbedNotebook1->tabBar();
        user::Click(tabs, tabs->tabRect(TForm1::StatsPage).center());
        QVERIFY(!form().Timer1->enabled());
        QVERIFY(panel().isHidden());
        QVERIFY(!form().Movement1->menuAction()->isEnabled());

        TFAlignment &finder = *app->FAlignment();
        finder.show();
        user::Click(finder.CheckBoxes[2], Tick); // Mars
        user::Click(finder.CheckBoxes[3], Tick); // Jupiter
        platform->answers = {Platform::Button::Yes};
        user::Click(finder.BitBtn1);
        QCOMPARE(page(), int(TForm1::InnerPage));
        QVERIFY(form().Movement1->menuAction()->isEnabled());
        QVERIFY(form().Zo1->menuAction()->isEnabled());
        QVERIFY(panel().isVisible());
        QVERIFY(form().Timer1->enabled());
        QCOMPARE(panel().Button1->text(), QStringLiteral("Stop"));
        // From that view to another, nothing restarts a second time.
        user::Click(tabs, tabs->tabRect(TForm1::AllPage).center());
        QVERIFY(form().Timer1->enabled());
    }

    void emptyDegreesFieldIsReported()
    {
        TFAlignment &finder = *app->FAlignment();
        form().Nextalignmemt1->trigger();
        finder.CheckBoxes[0]->setChecked(true);
        finder.CheckBoxes[1]->setChecked(true);
        finder.meDegrees->setText(QStringLiteral("  "));
        finder.BitBtn1->click();
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages[0].kind, Platform::MessageKind::Information);
        QCOMPARE(platform->hourglassDepth, 0);
    }

    void nothingFoundAfterTheEndDate()
    {
        TFAlignment &finder = *app->FAlignment();
        form().Nextalignmemt1->trigger();
        finder.CheckBoxes[0]->setChecked(true);
        finder.CheckBoxes[7]->setChecked(true);
        panel().DateTimePicker1->setDay(QDate(2600, 1, 1));
        finder.BitBtn1->click();
        QCOMPARE(
            platform->messages.last().text,
            QStringLiteral("No alignment of the selected planets has been found by 31/12/2500"));
        QCOMPARE(platform->messages.last().kind, Platform::MessageKind::Information);
    }
};

QTEST_MAIN(TestPointerAlignment)
#include "test_pointer_alignment.moc"

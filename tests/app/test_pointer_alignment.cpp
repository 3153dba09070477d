#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "dialogs/alignmentdialog.h"
#include "support/apptest.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/shortdate.h"
#include "views/updown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

namespace {

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

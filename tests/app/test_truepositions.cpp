// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animationclock.h"
#include "dialogs/alignmentdialog.h"
#include "model/catalogue.h"
#include "model/truesky.h"
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/moonphase.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/statstable.h"
#include "views/viewpanel.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

const QString SourceKey = QStringLiteral("Positions/source");
const QMap<QString, QString> TrueChosen{{SourceKey, QStringLiteral("true")}};

// The bodies of the classic model for the status date, to compare with.
std::unique_ptr<TPlanet> Classic(Body body, std::int32_t sign, double offset)
{
    auto made = MakeBody(Catalogue[static_cast<std::size_t>(body)]);
    made->UpdatePosition(sign, offset);
    return made;
}

} // namespace

class TestTruePositions : public AppTest {
    Q_OBJECT

    // Chooses an item of the "Mode&l" menu from the keyboard.
    void chooseFromModelMenu(Qt::Key item)
    {
        QVERIFY(user::Activate(&form()));
        user::Key(&form(), Qt::Key_L, Qt::AltModifier);
        QTRY_VERIFY(form().Model1->isVisible());
        QTest::keyClick(form().Model1, item);
        QTRY_VERIFY(!form().Model1->isVisible());
    }

    int phasePictureShown()
    {
        const QImage shown = form().imMoonPhases->picture().toImage();
        for (const int picture : {0, 8, 108}) {
            if (shown == QPixmap(PhasePictureResource(picture)).toImage())
                return picture;
        }
        return -1;
    }

    void openStatsPage()
    {
        app->show();
        QVERIFY(user::Activate(&form()));
        QTabBar *tabs = form().TabbedNotebook1->tabBar();
        user::Click(tabs, tabs->tabRect(TForm1::StatsPage).center());
        QCOMPARE(form().TabbedNotebook1->currentIndex(), int(TForm1::StatsPage));
    }

    // A body's cell in the Stats page's table, by row.
    QString cell(int row, Body body)
    {
        const int column = 1 + std::array{0, 1, 2, 4, 5, 6, 7, 8, 9, 3}[std::size_t(body)];
        return form().StringGrid1->item(row, column)->text();
    }

    QString sourceNote() { return form().findChild<QLabel *>(QStringLiteral("lblSource"))->text(); }

    QString viewDescription()
    {
        QAccessibleInterface *const face = QAccessible::queryAccessibleInterface(form().AllPanel);
        return face ? face->text(QAccessible::Description) : QString();
    }

    TFAlignment &finder()
    {
        form().Nextalignmemt1->trigger();
        return *app->FAlignment();
    }

    void tick(TFAlignment &dialog, std::initializer_list<int> boxes, const char *degrees)
    {
        for (const int box : boxes)
            user::Click(dialog.CheckBoxes[static_cast<std::size_t>(box)], QPoint(6, 8));
        dialog.meDegrees->selectAll();
        QTest::keyClicks(dialog.meDegrees, QString::fromLatin1(degrees));
    }

private slots:
    void init() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { stopApp(); }

    // The menu's two faces: the scene moves to the true sky and back to the
    // classic model exactly; the checked item does nothing.
    void theMenuSwitchesTheSource()
    {
        startApp(QDate(2020, 12, 21));
        QVERIFY(form().isMenuItemChecked(form().Classicmodel1));
        QVERIFY(!form().TruePositions);
        const double offset = panel().DateTimePicker1->dayOffset();

        chooseFromModelMenu(Qt::Key_T);
        QVERIFY(form().TruePositions);
        QVERIFY(form().isMenuItemChecked(form().Truepositions1));
        QCOMPARE(platform->preferences.value(SourceKey), QStringLiteral("true"));
        const double instant = panel().DateTimePicker1->julianDay();
        for (const Body planet : {Body::Mercury, Body::Earth, Body::Jupiter, Body::Pluto}) {
            const double expected =
                std::round(truesky::HeliocentricLongitude(planet, instant) * 10) / 10;
            QVERIFY(std::fabs(form().body(planet).Longitude - expected) < 0.051);
        }
        QVERIFY(std::fabs(form().body(Body::Moon).GeoAngle -
                          truesky::GeocentricLongitude(Body::Moon, instant)) < 0.051);
        // Mercury's true place is far from its circle's.
        QVERIFY(std::fabs(form().body(Body::Mercury).Longitude -
                          Classic(Body::Mercury, 1, offset)->Longitude) > 5);

        // Choosing the checked item again changes nothing, not even the stars.
        const std::uint32_t seed = platform->seed;
        chooseFromModelMenu(Qt::Key_T);
        QCOMPARE(platform->seed, seed);

        chooseFromModelMenu(Qt::Key_C);
        QVERIFY(!form().TruePositions);
        QCOMPARE(platform->preferences.value(SourceKey), QStringLiteral("classic"));
        for (std::size_t i = 0; i < Catalogue.size(); ++i) {
            const auto which = static_cast<Body>(i);
            const auto classic = Classic(which, 1, offset);
            QCOMPARE(form().body(which).Longitude, classic->Longitude);
            QCOMPARE(form().body(which).OuterX, classic->OuterX);
            QCOMPARE(form().body(which).FarY, classic->FarY);
        }
        QCOMPARE(form().iOuterJupiter->centre().x, form().body(Body::Jupiter).OuterX);
        QCOMPARE(form().iOuterJupiter->centre().y, form().body(Body::Jupiter).OuterY);
    }

    void theChoiceIsRememberedAndAFaultyOneReadsAsClassic_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("truePositions");
        QTest::newRow("true") << "true" << true;
        QTest::newRow("classic") << "classic" << false;
        QTest::newRow("never chosen") << "" << false;
        QTest::newRow("garbled") << "tr\xC3\xBC" << false;
        QTest::newRow("other case") << "TRUE" << false;
    }
    void theChoiceIsRememberedAndAFaultyOneReadsAsClassic()
    {
        QFETCH(QString, stored);
        QFETCH(bool, truePositions);
        startApp(QDate(2026, 12, 7), {{SourceKey, stored}});
        QCOMPARE(form().TruePositions, truePositions);
        QCOMPARE(app->truePositions(), truePositions);
        QCOMPARE(form().isMenuItemChecked(form().Truepositions1), truePositions);
        QCOMPARE(form().isMenuItemChecked(form().Classicmodel1), !truePositions);
        // Reading a choice does not write one.
        QCOMPARE(platform->preferences.value(SourceKey), stored);
    }

    // The desktop's configuration keeps the choice between runs; an entry that
    // is no text reads as nothing.
    void theDesktopConfigurationKeepsTheChoice()
    {
        {
            QtPlatform first;
            first.setPreference(SourceKey, QStringLiteral("true"));
        }
        QCOMPARE(QtPlatform().preference(SourceKey), QStringLiteral("true"));
        QSettings(QStringLiteral("heliodial"), QStringLiteral("heliodial"))
            .setValue(SourceKey, QStringList{QStringLiteral("true"), QStringLiteral("x")});
        QCOMPARE(QtPlatform().preference(SourceKey), QString());
        QSettings(QStringLiteral("heliodial"), QStringLiteral("heliodial")).remove(SourceKey);
    }

    // The great conjunction on the Stats page: the same geocentric angle and
    // right ascension for Jupiter and Saturn, in either hemisphere, and the
    // page names its source.
    void theStatsPageShowsTheTrueSky_data()
    {
        QTest::addColumn<int>("hemisphere");
        QTest::newRow("south") << 1;
        QTest::newRow("north") << 0;
    }
    void theStatsPageShowsTheTrueSky()
    {
        QFETCH(int, hemisphere);
        startApp(QDate(2020, 12, 21), TrueChosen);
        panel().RadioGroup1->setItemIndex(hemisphere);
        form().TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
        QTableWidget *grid = form().StringGrid1;
        const auto cell = [&](int row, Body body) {
            const int column = 1 + std::array{0, 1, 2, 4, 5, 6, 7, 8, 9, 3}[std::size_t(body)];
            return grid->item(row, column)->text();
        };
        QCOMPARE(cell(2, Body::Jupiter), QStringLiteral("300"));
        QCOMPARE(cell(2, Body::Saturn), QStringLiteral("300"));
        QCOMPARE(cell(3, Body::Jupiter), cell(3, Body::Saturn));
        QVERIFY(cell(3, Body::Jupiter).startsWith(QStringLiteral("20")));
        // Mass, distance and periods are the catalogue's.
        QCOMPARE(cell(5, Body::Mercury), QLocale().toString(0.387));
        const double instant = panel().DateTimePicker1->julianDay();
        QCOMPARE(cell(1, Body::Mars),
                 QLocale().toString(
                     std::round(truesky::HeliocentricLongitude(Body::Mars, instant) * 10) / 10));

        QLabel *source = form().findChild<QLabel *>(QStringLiteral("lblSource"));
        QVERIFY(source && !source->isHidden());
        QVERIFY(source->text().contains(QStringLiteral("true positions")));
        QVERIFY(grid->toolTip() == source->text());
    }

    void theClassicStatsPageNamesItsSourceInATip()
    {
        startApp();
        form().TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
        QLabel *source = form().findChild<QLabel *>(QStringLiteral("lblSource"));
        QVERIFY(source && source->isHidden());
        QVERIFY(form().StringGrid1->toolTip().contains(QStringLiteral("classic model")));
    }

    // The page shows apparent places of the date, as an almanac prints them.
    // On 7 December 2026 at 17:34 UT the geocentric right ascensions of
    // the date are 16h01m for Mercury and 15h52m for the Moon, as an
    // ephemeris independent of this program and of its ephemeris gave them when
    // the frame fault was found; places on the ecliptic of J2000 read 15:59
    // and 15:50.
    void theStatsPageShowsApparentPlacesOfTheDate()
    {
        startApp(QDate(2026, 12, 7), TrueChosen);
        // The status time is 17:34 on the local clock, UT in this test.
        QVERIFY(std::fabs(panel().DateTimePicker1->julianDay() - 2461382.2320907) < 1e-6);
        openStatsPage();
        QCOMPARE(cell(3, Body::Mercury), QStringLiteral("16:01"));
        QCOMPARE(cell(3, Body::Moon), QStringLiteral("15:52"));
        QVERIFY(sourceNote().contains(QStringLiteral("apparent places of the date")));
        QVERIFY(sourceNote().contains(QStringLiteral("every body from JPL's DE431 ephemeris")));
        // All ten bodies are trusted in 2026.
        QVERIFY(!sourceNote().contains(QStringLiteral("not good")));
        QVERIFY(!viewDescription().contains(QStringLiteral("not good")));
    }

    // The Moon is trusted to 2373, as far as ΔT allows: stepping into 2374
    // on the Stats page's calendar, the page and the views say so.
    void thePageNamesTheBodiesItCannotTrust()
    {
        startApp(QDate(2373, 12, 30), TrueChosen);
        openStatsPage();
        QVERIFY(!sourceNote().contains(QStringLiteral("not good")));
        user::Click(form().lblStatusDate, {4, 8});
        QTableView *days = form().MonthCalendar1->findChild<QTableView *>();
        QVERIFY(days && days->isVisible());
        user::Key(days, Qt::Key_Right);
        user::Key(days, Qt::Key_Right);
        QCOMPARE(panel().DateTimePicker1->day(), QDate(2374, 1, 1));
        const QString caution = QStringLiteral(
            "In 2374 the true places of the Moon are not good to a tenth of a degree.");
        QVERIFY2(sourceNote().endsWith(caution), qPrintable(sourceNote()));
        QCOMPARE(form().StringGrid1->toolTip(), sourceNote());
        QVERIFY2(viewDescription().contains(caution), qPrintable(viewDescription()));

        // The classic model names no such thing.
        form().Classicmodel1->trigger();
        QVERIFY(!viewDescription().contains(QStringLiteral("not good")));
    }

    // The eclipses of 2026: the phase picture follows the true elongation.
    void thePhasePictureFollowsTheTrueMoon_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("hemisphere");
        QTest::addColumn<int>("picture");
        QTest::newRow("new Moon") << QDate(2026, 8, 12) << 1 << 0;
        QTest::newRow("new Moon, north") << QDate(2026, 8, 12) << 0 << 0;
        QTest::newRow("full Moon, north") << QDate(2026, 3, 3) << 0 << 8;
        QTest::newRow("full Moon, south") << QDate(2026, 3, 3) << 1 << 108;
    }
    void thePhasePictureFollowsTheTrueMoon()
    {
        QFETCH(QDate, day);
        QFETCH(int, hemisphere);
        QFETCH(int, picture);
        startApp(day, TrueChosen);
        panel().RadioGroup1->setItemIndex(hemisphere);
        QCOMPARE(phasePictureShown(), picture);
    }

    // The clock on the true sky works out the next date's sky while the
    // window paints: every date shown, by the clock or by the user moving it
    // meanwhile, has its own sky.
    void everyDateShowsItsOwnSkyWhileTheClockRuns()
    {
        startApp(QDate(2020, 12, 21), TrueChosen);
        showProgram();
        const DatePicker &picker = *panel().DateTimePicker1;
        const auto showsItsOwnSky = [&] {
            const double instant = picker.julianDay();
            for (const Body planet : {Body::Mercury, Body::Venus, Body::Earth, Body::Mars}) {
                const double expected =
                    std::round(truesky::HeliocentricLongitude(planet, instant) * 10) / 10;
                if (std::fabs(form().body(planet).Longitude - expected) > 0.051)
                    return false;
            }
            return std::fabs(form().body(Body::Moon).GeoAngle -
                             truesky::GeocentricLongitude(Body::Moon, instant)) < 0.051;
        };
        const auto runFor = [&](int days) {
            const QDate from = picker.day();
            user::Click(panel().Button1);
            QTRY_VERIFY(picker.day() >= from.addDays(days));
            user::Click(panel().Button1);
            QVERIFY(!form().Timer1->enabled());
        };

        runFor(4);
        QVERIFY(showsItsOwnSky());
        // A week back on the calendar, with the next day's sky worked out
        // ahead.
        clickTab(TForm1::StatsPage);
        user::Click(form().lblStatusDate);
        QTRY_VERIFY(form().MonthCalendar1->isVisible());
        const QDate before = form().MonthCalendar1->selectedDate();
        user::Key(form().MonthCalendar1, Qt::Key_Up);
        user::Key(form().MonthCalendar1, Qt::Key_Return);
        QCOMPARE(picker.day(), before.addDays(-7));
        QVERIFY(showsItsOwnSky());
        clickTab(TForm1::AllPage);
        runFor(2);
        QVERIFY(showsItsOwnSky());
    }

    // The finder on the true sky, driven as a user drives it.
    void theFinderFindsTheGreatConjunction()
    {
        startApp(QDate(2020, 1, 1), TrueChosen);
        TFAlignment &dialog = finder();
        tick(dialog, {3, 4}, "2"); // Jupiter, Saturn
        platform->answers = {Platform::Button::Yes};
        user::Click(dialog.BitBtn1);
        QCOMPARE(platform->messages.size(), 1);
        QVERIFY(platform->messages.last().text.startsWith(QStringLiteral("The next alignment")));
        // The day they were closest: 21 December 2020, about 18:20 UT
        // (published), where the finder's own rule on whole-degree bearings
        // names the 26th.
        QCOMPARE(platform->messages.last().text,
                 QStringLiteral("The next alignment is on 21 Dec 2020\r\rDo you want to re-set "
                                "the Calendar to that date?"));
        QCOMPARE(panel().DateTimePicker1->day(), QDate(2020, 12, 21));
        QVERIFY(dialog.isVisible());
    }

    // A long search shows its progress and leaves the windows painting; the
    // answer comes as from any search.
    void aLongSearchShowsItsProgress()
    {
        startApp(QDate(1700, 1, 1), TrueChosen);
        TFAlignment &dialog = finder();
        // On DE431's places the search takes a fraction of a second: the
        // dialog is asked to show at once, as it does after its delay.
        dialog.progressDelay = 0;
        tick(dialog, {5, 6}, "0"); // Uranus, Neptune: never within 0 degrees
        QElapsedTimer searching;
        searching.start();
        bool progressShown = false;
        int ticks = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            ++ticks;
            const auto *progress = dialog.findChild<QProgressDialog *>();
            progressShown = progressShown || (progress && progress->isVisible());
        });
        watch.start(5);
        user::Click(dialog.BitBtn1);
        QVERIFY(progressShown);
        // The windows went on painting: the loop ran all along.
        QVERIFY2(
            ticks >= searching.elapsed() / 5 / 4,
            qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(searching.elapsed())));
        QCOMPARE(platform->messages.size(), 1);
        QCOMPARE(platform->messages.last().text,
                 QStringLiteral("No alignment of the selected planets has been found by "
                                "31/12/2500"));
    }

    // Cancel ends the search with no answer: the date stays, the finder
    // stays open for the next question.
    void cancelEndsTheSearchQuietly()
    {
        startApp(QDate(1700, 1, 1), TrueChosen);
        TFAlignment &dialog = finder();
        dialog.progressDelay = 0;
        tick(dialog, {5, 6}, "0");
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *progress = dialog.findChild<QProgressDialog *>();
            if (!progress || !progress->isVisible())
                return;
            watch.stop();
            user::Click(progress->findChild<QPushButton *>());
        });
        watch.start(1);
        user::Click(dialog.BitBtn1);
        QVERIFY(!watch.isActive());
        QVERIFY(platform->messages.isEmpty());
        QCOMPARE(panel().DateTimePicker1->day(), QDate(1700, 1, 1));
        QVERIFY(dialog.isVisible());
    }
};

QTEST_MAIN(TestTruePositions)
#include "test_truepositions.moc"

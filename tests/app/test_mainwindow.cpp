// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "dialogs/aboutbox.h"
#include "dialogs/alignmentdialog.h"
#include "dialogs/intervaldialog.h"
#include "dialogs/latitudedialog.h"
#include "dialogs/photowindow.h"
#include "model/catalogue.h"
#include "support/apptest.h"
#include "support/userinput.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/picture.h"
#include "views/viewpanel.h"

#include <QActionGroup>
#include <QApplication>
#include <QCalendarWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QWindow>
#include <memory>

namespace {

struct MenuRow {
    const char *name;
    const char *caption;
    const char *parent;
    bool checked;
};

// The whole menu tree as a user sees it, with the start checks.
const MenuRow MenuTree[] = {
    {"Savepicture1", "&Save picture...", "File1", false},
    {"Copypicture1", "&Copy picture", "File1", false},
    {"Print1", "&Print...", "File1", false},
    {"Exit1", "E&xit", "File1", false},
    {"Hidecontrolpanel2", "&Hide control panel", "Panel2", false},
    {"Showcontrolpanel1", "&Show control panel", "Panel2", true},
    {"North1", "&North", "Hemisphere1", false},
    {"South1", "&South", "Hemisphere1", true},
    {"Stopplanets1", "&Stop planets", "Movement1", true},
    {"Moveplanets1", "&Move planets", "Movement1", false},
    {"Interval1", "&Interval ...", "Movement1", false},
    {"Hideorbits1", "&Hide orbits", "Orbits1", true},
    {"Showorbits1", "&Show orbits", "Orbits1", false},
    {"No1", "Daylight saving - of&f", "Daylightsvaing1", true},
    {"Yes1", "Daylight saving - o&n", "Daylightsvaing1", false},
    {"Latitude1", "Latitude ...", "Horizon1", false},
    {"Hidehorizon1", "&Hide horizon", "Horizon1", true},
    {"Showhorizon1", "&Show horizon", "Horizon1", false},
    {"ToMercury1", "To &Mercury", "Direction1", true},
    {"ToVenus1", "To &Venus", "Direction1", false},
    {"Tomars1", "To M&ars", "Direction1", false},
    {"ToJupiter1", "To &Jupiter", "Direction1", false},
    {"ToSaturn1", "To &Saturn", "Direction1", false},
    {"ToUranus1", "To &Uranus", "Direction1", false},
    {"ToNeptune1", "To &Neptune", "Direction1", false},
    {"ToPluto1", "To &Pluto", "Direction1", false},
    {"ToMoon2", "To M&oon", "Direction1", false},
    {"Hidedirection1", "&Hide direction", "Display1", true},
    {"Showdirection1", "&Show direction", "Display1", false},
    {"Hideterminator1", "&Hide terminator", "Terminator1", true},
    {"Showterminator1", "&Show terminator", "Terminator1", false},
    {"Hidephase1", "&Hide phase", "Phase1", true},
    {"Showphase1", "&Show phase", "Phase1", false},
    {"onomy1", "Astro&nomy", "Zo1", true},
    {"ology1", "Astro&logy", "Zo1", false},
    {"Classicmodel1", "&Classic model (circular orbits)", "Model1", true},
    {"Truepositions1", "&True positions", "Model1", false},
    {"Nextalignmemt1", "Next alignmemt ...", "When1", false},
    {"Contents1", "&Contents", "Help1", false},
    {"About1", "&About Heliodial...", "Help1", false},
};

const char *const RadioPairs[][2] = {
    {"Hidecontrolpanel2", "Showcontrolpanel1"},
    {"North1", "South1"},
    {"Stopplanets1", "Moveplanets1"},
    {"Hideorbits1", "Showorbits1"},
    {"No1", "Yes1"},
    {"Hidehorizon1", "Showhorizon1"},
    {"Hidedirection1", "Showdirection1"},
    {"Hideterminator1", "Showterminator1"},
    {"Hidephase1", "Showphase1"},
    {"onomy1", "ology1"},
    {"Classicmodel1", "Truepositions1"},
};

} // namespace

class TestMainWindow : public AppTest {
    Q_OBJECT

    QAction *action(const char *name)
    {
        return form().findChild<QAction *>(QString::fromLatin1(name));
    }

private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void windowsExistInTheirOrderWithTheirCaptions()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Heliodial"));
        QCOMPARE(platform->helpFile, QStringLiteral("HELIODIAL.HLP"));
        const QList<QWidget *> windows = {app->Options(),    app->Form1(), app->AboutBox(),
                                          app->FAlignment(), app->Form3(), app->FLatitude(),
                                          app->HiddenForm()};
        const QStringList captions = {QStringLiteral(" Control Panel"),
                                      QStringLiteral("Heliodial 12/7/26"),
                                      QStringLiteral("About"),
                                      QStringLiteral("  Planet Alignment"),
                                      QStringLiteral("Planet Movement interval"),
                                      QStringLiteral("Your latitude"),
                                      QStringLiteral("Heliodial")};
        for (int i = 0; i < windows.size(); ++i) {
            QVERIFY(windows[i]);
            if (i != 1)
                QCOMPARE(windows[i]->windowTitle(), captions[i]);
        }
        // The caption carries today's date in the user's short format.
        QCOMPARE(form().windowTitle(),
                 QStringLiteral("Heliodial ") +
                     QLocale().toString(platform->todayDate, QLocale::ShortFormat));
    }

    void mainWindowLayout()
    {
        QCOMPARE(form().centralWidget()->size(), QSize(749, 512));
        QCOMPARE(form().TabbedNotebook1->count(), 6);
        const QStringList pages = {
            QStringLiteral("Stats"),           QStringLiteral("All Planets"),
            QStringLiteral("Inner Planets"),   QStringLiteral("Earth to Saturn"),
            QStringLiteral("The Outer Realm"), QStringLiteral("The Moon")};
        for (int i = 0; i < pages.size(); ++i)
            QCOMPARE(form().TabbedNotebook1->tabText(i), pages[i]);
        QCOMPARE(form().TabbedNotebook1->currentIndex(), int(TForm1::AllPage));
        for (ViewPanel *panel : {form().AllPanel, form().InnerPanel, form().OuterPanel,
                                 form().FarPanel, form().MoonPanel})
            QCOMPARE(panel->geometry(), QRect(0, 0, 741, 484));
        QVERIFY(!form().MonthCalendar1->isVisible());
        QCOMPARE(form().MonthCalendar1->geometry(), QRect(91, 8, 198, 153));
        QCOMPARE(form().StringGrid1->geometry(), QRect(0, 40, 729, 233));
        QVERIFY(!form().Timer1->enabled());
        QCOMPARE(form().Timer1->interval(), 100);
        // The pages' client areas stand in the middle of the notebook.
        for (QWidget *page : {form().Panel1->parentWidget(), form().AllPanel->parentWidget()}) {
            QCOMPARE(page->size(), QSize(741, 484));
            QCOMPARE(page->mapTo(form().TabbedNotebook1, QPoint(0, 0)).x(), 4);
        }
        // The frame is centred on the screen, and the control panel stands
        // beside the window.
        app->show();
        const QRect frame = form().frameGeometry();
        QCOMPARE(frame.x(), 1280 / 2 - frame.width() / 2);
        QCOMPARE(frame.y(), 1024 / 2 - frame.height() / 2);
        QCOMPARE(panel().x(), form().x() + 32);
    }

    void controlPanelAppearsWithTheFinishedMainWindow()
    {
        // Shown during creation, the panel would stand alone on the screen
        // with its button still reading "Move".
        struct PanelShowings : QObject {
            QStringList captions;
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (auto *shown = qobject_cast<TOptions *>(watched);
                    shown && event->type() == QEvent::Show)
                    captions << shown->Button1->text();
                return false;
            }
        } showings;
        stopApp();
        qApp->installEventFilter(&showings);
        startApp();
        QCOMPARE(showings.captions, QStringList());
        QVERIFY(panel().isHidden());
        QCOMPARE(form().PreviousPage, QString());
        app->show();
        qApp->removeEventFilter(&showings);
        QCOMPARE(showings.captions, QStringList({"Move by 1 day"}));
        QVERIFY(form().isVisible());
    }

    void startState()
    {
        QCOMPARE(form().HemisphereSign, 1);
        QCOMPARE(form().Latitude, 0);
        QCOMPARE(form().StepDays, 1);
        QVERIFY(form().StartupDone);
        QVERIFY(!form().ClosingDown);
        QVERIFY(form().ControlPanelShown);
        QCOMPARE(panel().Button1->text(), QStringLiteral("Move by 1 day"));
        QCOMPARE(panel().btnHorizon->text(), QStringLiteral("Show Horizon at 0 deg"));
        QCOMPARE(panel().btnPointer->text(), QStringLiteral("Show Direction"));
        QCOMPARE(panel().btnMoonTerminator->text(), QStringLiteral("Show Terminator"));
        QCOMPARE(panel().btnMoonPhase->text(), QStringLiteral("Show Phase"));
        QCOMPARE(panel().DateTimePicker1->day(), platform->todayDate);
    }

    void menuTree()
    {
        QMenuBar *bar = form().menuBar();
        QStringList tops;
        for (QAction *a : bar->actions())
            tops << a->text();
        QCOMPARE(tops,
                 QStringList({"&File", "&Panel", "H&emisphere", "Mo&vement", "Or&bits", "H&orizon",
                              "&Direction", "&Moon", "Zodiac", "Mode&l", "When?", "&Help"}));
        for (const MenuRow &row : MenuTree) {
            QAction *item = action(row.name);
            QVERIFY2(item, row.name);
            QCOMPARE(item->text(), QString::fromLatin1(row.caption));
            QCOMPARE(item->isChecked(), row.checked);
            auto *parent = form().findChild<QMenu *>(QString::fromLatin1(row.parent));
            QVERIFY2(parent && parent->actions().contains(item), row.name);
        }
        for (const auto &pair : RadioPairs) {
            QVERIFY(action(pair[0])->actionGroup());
            QCOMPARE(action(pair[0])->actionGroup(), action(pair[1])->actionGroup());
        }
        QCOMPARE(action("ToMercury1")->actionGroup()->actions().size(), 9);
        QVERIFY(action("N1")->isSeparator());
        QVERIFY(action("N2")->isSeparator());
        QVERIFY(action("N3")->isSeparator());
        QVERIFY(action("N4")->isSeparator());
        QCOMPARE(form().File1->actions().indexOf(action("N4")) + 1,
                 form().File1->actions().indexOf(action("Exit1")));
        QCOMPARE(form().PopupMenu1->actions(),
                 QList<QAction *>({action("Hidecontrolpanel1"), action("Copypicture2")}));
    }

    void menuChecksAreProgramState()
    {
        // Qt checks an item the moment it is triggered; the program puts the
        // check back unless a handler moved it.
        for (const auto &pair : RadioPairs) {
            for (const char *name : pair) {
                action(name)->trigger();
                for (const char *each : pair)
                    QCOMPARE(action(each)->isChecked(), form().isMenuItemChecked(action(each)));
            }
        }
    }

    void statsPageStopsAndRestartsTheClock()
    {
        QTabWidget *tabs = form().TabbedNotebook1;
        panel().Button1Click();
        QVERIFY(form().Timer1->enabled());
        QVERIFY(form().isMenuItemChecked(form().Moveplanets1));

        tabs->setCurrentIndex(TForm1::StatsPage);
        QVERIFY(!form().Timer1->enabled());
        QVERIFY(form().WasMoving);
        QCOMPARE(form().PreviousPage, QStringLiteral("All Planets"));
        QVERIFY(panel().isHidden());
        for (QMenu *menu :
             {form().Panel2, form().Hemisphere1, form().Movement1, form().Orbits1, form().Horizon1,
              form().Display1, form().Moon1, form().Zo1, form().Model1, form().When1})
            QVERIFY(!menu->menuAction()->isEnabled());
        QVERIFY(form().File1->menuAction()->isEnabled());
        QVERIFY(form().Help1->menuAction()->isEnabled());

        tabs->setCurrentIndex(TForm1::MoonPage);
        QVERIFY(form().Timer1->enabled());
        QVERIFY(!panel().isHidden());
        QCOMPARE(panel().height(), TOptions::TallHeight);
        QVERIFY(form().Zo1->menuAction()->isEnabled());

        // From one view to another: nothing restarts a second time.
        panel().Button1Click();
        QVERIFY(!form().Timer1->enabled());
        tabs->setCurrentIndex(TForm1::InnerPage);
        QVERIFY(!form().Timer1->enabled());
        QCOMPARE(panel().height(), TOptions::ShortHeight);

        // Standing still on the Stats page leaves them standing afterwards.
        tabs->setCurrentIndex(TForm1::StatsPage);
        QVERIFY(!form().WasMoving);
        tabs->setCurrentIndex(TForm1::AllPage);
        QVERIFY(!form().Timer1->enabled());
    }

    void hiddenControlPanelStaysHiddenAfterTheStatsPage()
    {
        form().ControlPanelShown = false;
        panel().hide();
        form().TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
        form().TabbedNotebook1->setCurrentIndex(TForm1::AllPage);
        QVERIFY(panel().isHidden());
    }

    void quietPageSwitchSkipsTheRules()
    {
        form().showPageQuietly(TForm1::MoonPage);
        QCOMPARE(form().PreviousPage, QStringLiteral("All Planets"));
        QCOMPARE(panel().height(), TOptions::ShortHeight);
    }

    void statusDateCalendar()
    {
        form().TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
        form().show();
        form().lblStatusDateClick();
        QVERIFY(form().MonthCalendar1->isVisible());
        form().MonthCalendar1->setSelectedDate(QDate(2002, 1, 1));
        form().MonthCalendar1Click();
        QCOMPARE(panel().DateTimePicker1->day(), QDate(2002, 1, 1));
        QVERIFY(form().windowTitle().startsWith(QStringLiteral("Heliodial ")));
        QCOMPARE(form().lblStatusDate->text(),
                 QLocale().toString(QDate(2002, 1, 1), QLocale::ShortFormat));
        QVERIFY(form().MonthCalendar1->isVisible());
        form().Panel1Click();
        QVERIFY(!form().MonthCalendar1->isVisible());
    }

    void picturesStandAtTheComputedPlaces()
    {
        panel().DateTimePicker1->setDay(QDate(2002, 1, 1));
        panel().DateTimePicker1Change();
        QCOMPARE(form().iEarth->centre(), (Point{446, 257}));
        QCOMPARE(form().iSun->centre(), (Point{370, 242}));
        QCOMPARE(form().iLargeEarth->box(), (Box{350, 222, 40, 40}));
        const TPlanet &moon = form().body(Body::Moon);
        QCOMPARE(form().ilargeMoon->centre(), (Point{moon.AllX, moon.AllY}));
        QCOMPARE(form().iInnerMoon->centre(), (Point{moon.InnerX, moon.InnerY}));
        // Bodies' pictures show their names as hints.
        QCOMPARE(form().iSaturn->toolTip(), QStringLiteral("Saturn"));
        QCOMPARE(form().iSaturn->size(), QSize(30, 20));
        QVERIFY(!form().iEarth->picture().isNull());
    }

    void picturesAreNamedForAssistiveTechnology()
    {
        int named = 0;
        for (const Picture *picture : form().findChildren<Picture *>()) {
            if (picture->toolTip().isEmpty())
                continue;
            QCOMPARE(picture->accessibleName(), picture->toolTip());
            ++named;
        }
        QVERIFY(named >= 33); // the bodies, the markers and the phase picture
    }

    void dayOffsetIgnoresTheDateFormat()
    {
        for (const char *name : {"en_US", "de_DE", "ja_JP", "en_GB"}) {
            QLocale::setDefault(QLocale(QString::fromLatin1(name)));
            FakePlatform other;
            other.todayDate = QDate(2002, 1, 1);
            Heliodial fresh(other);
            QCOMPARE(fresh.Form1()->body(Body::Earth).Longitude, 101.0);
        }
        QLocale::setDefault(QLocale::system());
    }

    void exitEndsOnceWithoutClosingTwice()
    {
        form().Exit1->trigger();
        QVERIFY(form().ClosingDown);
        QCOMPARE(platform->endRequests, QList<int>({0}));
        // Closing afterwards (the window going away) must not recompute.
        const QString caption = form().windowTitle();
        panel().DateTimePicker1->setDay(QDate(2030, 1, 1));
        form().RecomputeForDate();
        QCOMPARE(form().windowTitle(), caption);
    }

    void exitThenDestructionRunsNothingOfTheWindow()
    {
        // The focus inside the main window: taking the window down moves it,
        // and nothing of the half-destroyed window may answer (the sanitizer
        // build checks every member access).
        app->show();
        QVERIFY(user::Activate(&form()));
        form().TabbedNotebook1->setCurrentIndex(TForm1::StatsPage);
        user::Click(form().lblStatusDate, {4, 8});
        form().MonthCalendar1->setFocus();
        QVERIFY(form().MonthCalendar1->isAncestorOf(QApplication::focusWidget()));
        form().Exit1->trigger();
        QCOMPARE(platform->endRequests, QList<int>({0}));
        stopApp();
    }

    void datesShowTheirYearInFull()
    {
        // Any year from 1601 to 9999: "08.12.26" could be 1926 or 2026.
        struct SystemLocaleAfter {
            ~SystemLocaleAfter() { QLocale::setDefault(QLocale::system()); }
        } restore;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        stopApp();
        startApp(QDate(1926, 12, 8));
        QCOMPARE(form().windowTitle(), QStringLiteral("Heliodial 08.12.1926"));
        QCOMPARE(form().lblStatusDate->text(), QStringLiteral("08.12.1926"));
        QCOMPARE(panel().DateTimePicker1->text(), QStringLiteral("08.12.1926"));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        stopApp();
        startApp(QDate(2026, 12, 8));
        QCOMPARE(form().windowTitle(), QStringLiteral("Heliodial 12/8/2026"));
        QCOMPARE(panel().DateTimePicker1->text(), QStringLiteral("12/8/2026"));
    }

    void controlPanelHangsOnTheMainWindow()
    {
        app->show();
        QCOMPARE(panel().windowHandle()->transientParent(), form().windowHandle());
        QVERIFY(panel().windowFlags() & Qt::Tool);
        QVERIFY(!(panel().windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(panel().windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(panel().windowFlags() & Qt::WindowCloseButtonHint));

        // Minimised by itself, it comes back from the Panel menu, whose item
        // is still checked, and from the views' pop-up item.
        panel().showMinimized();
        QVERIFY(panel().isMinimized());
        form().Showcontrolpanel1->trigger();
        QVERIFY(!panel().isMinimized());
        QVERIFY(panel().isVisible());
        panel().showMinimized();
        form().Hidecontrolpanel1->trigger();
        QVERIFY(!panel().isMinimized());
        QVERIFY(panel().isVisible());
        QVERIFY(form().ControlPanelShown);
        QCOMPARE(form().Hidecontrolpanel1->text(), QStringLiteral("Hide control panel"));
        // "Hide" hides a minimised panel for good; shown again, it is in reach.
        panel().showMinimized();
        form().Hidecontrolpanel2->trigger();
        QVERIFY(panel().isHidden());
        QVERIFY(!form().ControlPanelShown);
        form().Showcontrolpanel1->trigger();
        QVERIFY(panel().isVisible());
        QVERIFY(!panel().isMinimized());
    }

    void menuKeysWorkFromTheControlPanel()
    {
        app->show();
        QVERIFY(user::Activate(&panel()));
        user::Click(panel().btnOrbits);
        QVERIFY(panel().btnOrbits->hasFocus());
        user::Key(panel().btnOrbits, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(form().Orbits1->isVisible());
        QCOMPARE(form().menuBar()->activeAction(), form().Orbits1->menuAction());
        form().Orbits1->hide();
        // A key no menu has does nothing; nor does a menu the Stats page
        // disabled.
        user::Key(panel().btnOrbits, Qt::Key_Q, Qt::AltModifier);
        QVERIFY(!form().menuBar()->activeAction());
        form().Zo1->menuAction()->setEnabled(false);
        form().Orbits1->menuAction()->setEnabled(false);
        QVERIFY(user::Activate(&panel()));
        user::Key(panel().btnOrbits, Qt::Key_B, Qt::AltModifier);
        QVERIFY(!form().Orbits1->isVisible());
    }

    void closeBoxEndsTheProgram()
    {
        form().show();
        form().close();
        QCOMPARE(platform->endRequests, QList<int>({0}));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"

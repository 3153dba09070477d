// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every menu item and every control of the control panel runs the handler
// named after it. The connections are made with member-function pointers, so
// a missing handler fails to build; these tables catch one wired to the
// wrong item.
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "support/apptest.h"

#include <QAction>
#include <QMenu>
#include <QTest>

namespace {

const struct {
    const char *item;
    void (TForm1::*handler)();
} MenuTable[] = {
    {"Savepicture1", &TForm1::Savepicture1Click},
    {"Copypicture1", &TForm1::Copypicture1Click},
    {"Print1", &TForm1::Print1Click},
    {"Fullscreen1", &TForm1::Fullscreen1Click},
    {"Exit1", &TForm1::Exit1Click},
    {"Hidecontrolpanel2", &TForm1::Hidecontrolpanel2Click},
    {"Showcontrolpanel1", &TForm1::Showcontrolpanel1Click},
    {"North1", &TForm1::North1Click},
    {"South1", &TForm1::South1Click},
    {"Stopplanets1", &TForm1::Stopplanets1Click},
    {"Moveplanets1", &TForm1::Moveplanets1Click},
    {"Interval1", &TForm1::Interval1Click},
    {"Hideorbits1", &TForm1::Hideorbits1Click},
    {"Showorbits1", &TForm1::Showorbits1Click},
    {"No1", &TForm1::No1Click},
    {"Yes1", &TForm1::Yes1Click},
    {"Latitude1", &TForm1::Latitude1Click},
    {"Hidehorizon1", &TForm1::Hidehorizon1Click},
    {"Showhorizon1", &TForm1::Showhorizon1Click},
    {"ToMercury1", &TForm1::ToMercury1Click},
    {"ToVenus1", &TForm1::ToVenus1Click},
    {"Tomars1", &TForm1::Tomars1Click},
    {"ToJupiter1", &TForm1::ToJupiter1Click},
    {"ToSaturn1", &TForm1::ToSaturn1Click},
    {"ToUranus1", &TForm1::ToUranus1Click},
    {"ToNeptune1", &TForm1::ToNeptune1Click},
    {"ToPluto1", &TForm1::ToPluto1Click},
    {"ToMoon2", &TForm1::ToMoon2Click},
    {"Hidedirection1", &TForm1::Hidedirection1Click},
    {"Showdirection1", &TForm1::Showdirection1Click},
    {"Hideterminator1", &TForm1::Hideterminator1Click},
    {"Showterminator1", &TForm1::Showterminator1Click},
    {"Hidephase1", &TForm1::Hidephase1Click},
    {"Showphase1", &TForm1::Showphase1Click},
    {"onomy1", &TForm1::onomy1Click},
    {"ology1", &TForm1::ology1Click},
    {"Classicmodel1", &TForm1::Classicmodel1Click},
    {"Truepositions1", &TForm1::Truepositions1Click},
    {"Nextalignmemt1", &TForm1::Nextalignmemt1Click},
    {"Skyevents1", &TForm1::Skyevents1Click},
    {"Contents1", &TForm1::Contents1Click},
    {"About1", &TForm1::About1Click},
    {"Hidecontrolpanel1", &TForm1::Hidecontrolpanel1Click},
    {"Copypicture2", &TForm1::Copypicture2Click},
};

const struct {
    const char *control;
    void (TOptions::*handler)();
} ControlTable[] = {
    {"RadioGroup1", &TOptions::RadioGroup1Click},
    {"DateTimePicker1", &TOptions::DateTimePicker1Change},
    {"Button1", &TOptions::Button1Click},
    {"TrackBar1", &TOptions::TrackBar1Change},
    {"btnOrbits", &TOptions::btnOrbitsClick},
    {"meHours", &TOptions::meHoursChange},
    {"meHours", &TOptions::meHoursExit},
    {"UpDownHours", &TOptions::UpDownHoursClick},
    {"rgDaylightSaving", &TOptions::rgDaylightSavingClick},
    {"btnHorizon", &TOptions::btnHorizonClick},
    {"ComboBox1", &TOptions::ComboBox1Change},
    {"btnPointer", &TOptions::btnPointerClick},
    {"btnMoonTerminator", &TOptions::btnMoonTerminatorClick},
    {"btnMoonPhase", &TOptions::btnMoonPhaseClick},
};

} // namespace

class TestWiring : public AppTest {
    Q_OBJECT
private slots:
    void init() { startApp(); }
    void cleanup() { stopApp(); }

    void everyMenuItemRunsItsOwnHandler()
    {
        const std::vector<TForm1::MenuHandler> wired = form().menuHandlers();
        QCOMPARE(wired.size(), std::size(MenuTable));
        for (const auto &row : MenuTable) {
            const auto *item = form().findChild<QAction *>(QString::fromLatin1(row.item));
            QVERIFY2(item, row.item);
            const auto found = std::find_if(wired.begin(), wired.end(),
                                            [item](const auto &w) { return w.item == item; });
            QVERIFY2(found != wired.end(), row.item);
            QVERIFY2(found->handler == row.handler, row.item);
        }
        // No item of the menus is left without a handler.
        for (const QAction *item : form().findChildren<QAction *>()) {
            if (item->isSeparator() || item->menu() || item->objectName().isEmpty())
                continue;
            QVERIFY2(std::any_of(wired.begin(), wired.end(),
                                 [item](const auto &w) { return w.item == item; }),
                     qPrintable(item->objectName()));
        }
    }

    void everyControlRunsItsOwnHandler()
    {
        const std::vector<TOptions::ControlHandler> &wired = panel().controlHandlers();
        QCOMPARE(wired.size(), std::size(ControlTable));
        for (const auto &row : ControlTable) {
            const QObject *control = panel().findChild<QObject *>(QString::fromLatin1(row.control));
            QVERIFY2(control, row.control);
            QVERIFY2(std::any_of(wired.begin(), wired.end(),
                                 [&](const auto &w) {
                                     return w.control == control && w.handler == row.handler;
                                 }),
                     row.control);
        }
    }
};

QTEST_MAIN(TestWiring)
#include "test_wiring.moc"

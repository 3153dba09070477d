// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the control panel does to the main window: the status date, the speed
// of the clock, the scene switches (Move/Stop, the hemisphere, the orbits,
// the direction pointer, the phase picture and the terminator, which the
// main window's menu items reach too) and the menus' Alt keys.
#include "app/controlpanel.h"

#include "app/animationclock.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "views/datepicker.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/viewpanel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QSlider>

void TOptions::keyPressEvent(QKeyEvent *event)
{
    // The menus' Alt keys work from here too: the menu bar is the main
    // window's, whichever of the two windows has the focus.
    if (event->modifiers() == Qt::AltModifier && form1().openMenuByMnemonic(event->key())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

TForm1 &TOptions::form1()
{
    return *m_app.Form1();
}

void TOptions::DateTimePicker1Change()
{
    form1().RecomputeForDate();
    form1().RefreshOverlays(false);
}

void TOptions::TrackBar1Change()
{
    form1().Timer1->setInterval(TrackBar1->maximum() - TrackBar1->value());
}

void TOptions::Button1Click()
{
    TForm1 &form = form1();
    AnimationClock *clock = form.Timer1;
    clock->setEnabled(!clock->enabled());
    if (clock->enabled()) {
        Button1->setText(QStringLiteral("Stop"));
        form.checkMenuItem(form.Moveplanets1);
    } else {
        showMoveCaption();
        form.checkMenuItem(form.Stopplanets1);
    }
}

void TOptions::RadioGroup1Click()
{
    TForm1 &form = form1();
    if (RadioGroup1->itemIndex() == 0) {
        form.HemisphereSign = -1;
        form.checkMenuItem(form.North1);
    } else if (RadioGroup1->itemIndex() == 1) {
        form.HemisphereSign = 1;
        form.checkMenuItem(form.South1);
    }
    form.RebuildScene(true);
}

void TOptions::btnOrbitsClick()
{
    TForm1 &form = form1();
    form.OrbitsShown = !form.OrbitsShown;
    if (form.OrbitsShown) {
        form.checkMenuItem(form.Showorbits1);
        btnOrbits->setText(QStringLiteral("Hide Orbits"));
    } else {
        form.checkMenuItem(form.Hideorbits1);
        btnOrbits->setText(QStringLiteral("Show Orbits"));
    }
    // Rings, frames, new stars and the ring; the bodies and overlays stay.
    form.RebuildScene(false);
}

void TOptions::showMoveCaption()
{
    const std::int32_t step = form1().StepDays;
    Button1->setText(step == 1 ? QStringLiteral("Move by 1 day")
                               : QStringLiteral("Move by %1 days").arg(step));
}

void TOptions::ComboBox1Change()
{
    static constexpr void (TForm1::*handlers[])() = {
        &TForm1::ToMercury1Click, &TForm1::ToVenus1Click,  &TForm1::Tomars1Click,
        &TForm1::ToJupiter1Click, &TForm1::ToSaturn1Click, &TForm1::ToUranus1Click,
        &TForm1::ToNeptune1Click, &TForm1::ToPluto1Click,  &TForm1::ToMoon2Click};
    const int index = ComboBox1->currentIndex();
    if (index < 0 || index >= static_cast<int>(std::size(handlers)))
        return;
    (form1().*handlers[index])();
}

void TOptions::btnPointerClick()
{
    TForm1 &form = form1();
    form.PointerShown = !form.PointerShown;
    if (form.PointerShown) {
        btnPointer->setText(QStringLiteral("Hide Direction"));
        form.checkMenuItem(form.Showdirection1);
        form.DrawPointer(form.PointerEarth, form.PointerBody, form.PointerOverlay,
                         form.PointerPanel);
        for (const TForm1::PointerTarget &row : form.pointerTargets()) {
            if (form.isMenuItemChecked(row.item))
                form.showPageQuietly(row.page);
        }
    } else {
        btnPointer->setText(QStringLiteral("Show Direction"));
        form.checkMenuItem(form.Hidedirection1);
        form.RefreshOverlays(true);
    }
}

void TOptions::btnMoonPhaseClick()
{
    TForm1 &form = form1();
    if (btnMoonPhase->text() == QLatin1String("Show Phase")) {
        form.imMoonPhases->placeAt(
            {form.AllPanel->panelSize().width - (form.imMoonPhases->box().width + 30),
             form.AllPanel->y() + 30});
        form.imMoonPhases->show();
        btnMoonPhase->setText(QStringLiteral("Hide Phase"));
        form.checkMenuItem(form.Showphase1);
    } else {
        form.imMoonPhases->hide();
        btnMoonPhase->setText(QStringLiteral("Show Phase"));
        form.checkMenuItem(form.Hidephase1);
    }
    form.SelectPhasePicture();
}

void TOptions::btnMoonTerminatorClick()
{
    TForm1 &form = form1();
    form.TerminatorShown = !form.TerminatorShown;
    if (form.TerminatorShown) {
        btnMoonTerminator->setText(QStringLiteral("Hide Terminator"));
        form.checkMenuItem(form.Showterminator1);
        form.DrawTerminator();
    } else {
        btnMoonTerminator->setText(QStringLiteral("Show Terminator"));
        form.checkMenuItem(form.Hideterminator1);
        form.RefreshOverlays(true);
    }
}

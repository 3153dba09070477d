// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The direction pointer: its target, held by the "Which planet?" items, and
// its drawing on the target's view.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "dialogs/alignmentdialog.h"
#include "dialogs/skyeventswindow.h"
#include "model/catalogue.h"
#include "views/directionoverlay.h"

#include <QComboBox>

std::vector<TForm1::PointerTarget> TForm1::pointerTargets() const
{
    // The items in the order of the control panel's list of bodies.
    QAction *const items[] = {ToMercury1, ToVenus1,   Tomars1,  ToJupiter1, ToSaturn1,
                              ToUranus1,  ToNeptune1, ToPluto1, ToMoon2};
    std::vector<PointerTarget> targets;
    for (std::size_t i = 0; i < std::size(items); ++i) {
        // The first of Inner Planets, Earth to Saturn and The Outer Realm that
        // shows the body.
        for (const View view : {View::Inner, View::Outer, View::Far}) {
            const ViewPage &shown = page(view);
            if (Picture *target = shown.picture(PointerTargets[i])) {
                targets.push_back({items[i], AllPage + static_cast<int>(view),
                                   shown.picture(Body::Earth), target, shown.overlay, shown.panel});
                break;
            }
        }
    }
    return targets;
}

void TForm1::DrawPointer(Picture *earth, Picture *target, DrawingLayer *overlay, ViewPanel *panel)
{
    m_direction->draw(earth, target, overlay, panel);
}

void TForm1::SelectPointerTarget()
{
    for (const PointerTarget &row : pointerTargets()) {
        if (!isMenuItemChecked(row.item))
            continue;
        PointerEarth = row.earth;
        PointerBody = row.body;
        PointerOverlay = row.overlay;
        PointerPanel = row.panel;
        if (PointerShown)
            showPageQuietly(row.page);
    }
    RefreshOverlays(false);
}

void TForm1::choosePointerTarget(QAction *item)
{
    if (isMenuItemChecked(item))
        return;
    checkMenuItem(item);
    const std::vector<PointerTarget> targets = pointerTargets();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (targets[i].item == item) {
            // Set from here, the list raises no change of its own.
            const QSignalBlocker quiet(options().ComboBox1);
            options().ComboBox1->setCurrentIndex(static_cast<int>(i));
        }
    }
    SelectPointerTarget();
}

void TForm1::ToMercury1Click()
{
    choosePointerTarget(ToMercury1);
}
void TForm1::ToVenus1Click()
{
    choosePointerTarget(ToVenus1);
}
void TForm1::Tomars1Click()
{
    choosePointerTarget(Tomars1);
}
void TForm1::ToJupiter1Click()
{
    choosePointerTarget(ToJupiter1);
}
void TForm1::ToSaturn1Click()
{
    choosePointerTarget(ToSaturn1);
}
void TForm1::ToUranus1Click()
{
    choosePointerTarget(ToUranus1);
}
void TForm1::ToNeptune1Click()
{
    choosePointerTarget(ToNeptune1);
}
void TForm1::ToPluto1Click()
{
    choosePointerTarget(ToPluto1);
}
void TForm1::ToMoon2Click()
{
    choosePointerTarget(ToMoon2);
}

void TForm1::Nextalignmemt1Click()
{
    m_app.FAlignment()->show();
}

void TForm1::Skyevents1Click()
{
    SkyEventsWindow *window = m_app.SkyEvents();
    window->show();
    window->raise();
    window->activateWindow();
}

void TForm1::pointAt(Body body)
{
    const std::vector<PointerTarget> targets = pointerTargets();
    for (std::size_t i = 0; i < PointerTargets.size() && i < targets.size(); ++i) {
        if (PointerTargets[i] != body)
            continue;
        choosePointerTarget(targets[i].item);
        // Brought to the front as a click on its tab would.
        TabbedNotebook1->setCurrentIndex(targets[i].page);
        if (!PointerShown)
            m_app.btnPointerClick();
        return;
    }
}

void TForm1::Hidedirection1Click()
{
    mirrorToggle(Hidedirection1, &TOptions::btnPointerClick);
}

void TForm1::Showdirection1Click()
{
    mirrorToggle(Showdirection1, &TOptions::btnPointerClick);
}

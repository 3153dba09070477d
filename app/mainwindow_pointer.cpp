// The direction pointer: its target, held by the "Which planet?" items, and
// its drawing on the target's view.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "dialogs/alignmentdialog.h"
#include "model/arithmetic.h"
#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/pointer.h"
#include "views/viewpanel.h"

#include <QComboBox>
#include <QPushButton>

std::vector<TForm1::PointerTarget> TForm1::pointerTargets() const
{
    return {{ToMercury1, InnerPage, iInnerearth, iInnerMercury, imInnerBack, InnerPanel},
            {ToVenus1, InnerPage, iInnerearth, iInnerVenus, imInnerBack, InnerPanel},
            {Tomars1, OuterPage, iOuterEarth, iOuterMars, imOuterBack, OuterPanel},
            {ToJupiter1, OuterPage, iOuterEarth, iOuterJupiter, imOuterBack, OuterPanel},
            {ToSaturn1, OuterPage, iOuterEarth, iOuterSaturn, imOuterBack, OuterPanel},
            {ToUranus1, FarPage, iFarEarth, iFarUranus, imFarBack, FarPanel},
            {ToNeptune1, FarPage, iFarEarth, iFarNeptune, imFarBack, FarPanel},
            {ToPluto1, FarPage, iFarEarth, iFarPluto, imFarBack, FarPanel},
            {ToMoon2, InnerPage, iInnerearth, iInnerMoon, imInnerBack, InnerPanel}};
}

void TForm1::DrawPointer(Picture *earth, Picture *target, DrawingLayer *overlay, ViewPanel *panel)
{
    const bool sunParallel =
        target == iInnerMercury || target == iInnerVenus || target == iInnerMoon;
    try {
        DrawPointerLines(
            overlay->canvas(),
            PointerLines(sunParallel ? PointerStyle::SunParallel : PointerStyle::EarthRay,
                         earth->centre(), target->centre(), iInnerSun->centre(), panel->width()));
    } catch (const ArithmeticFault &) {
        // A slope beyond any integer: no pointer this time.
    }
    overlay->refresh();
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

void TForm1::Hidedirection1Click()
{
    mirrorToggle(Hidedirection1, &TOptions::btnPointerClick);
}

void TForm1::Showdirection1Click()
{
    mirrorToggle(Showdirection1, &TOptions::btnPointerClick);
}

// --- The control panel's face ---

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

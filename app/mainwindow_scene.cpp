// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scene: the bodies' places for the status date, the static layers of the
// views, the scene rebuild and the overlay refresh.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/platform.h"
#include "model/arithmetic.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/moonphase.h"
#include "views/orbits.h"
#include "views/picture.h"
#include "views/shortdate.h"
#include "views/viewdecor.h"
#include "views/viewpanel.h"

#include <QLabel>

namespace {

// A body's picture centre on one of the four orbit views.
Point CentreOn(const TPlanet &body, View view)
{
    switch (view) {
    case View::All:
        return {body.AllX, body.AllY};
    case View::Inner:
        return {body.InnerX, body.InnerY};
    case View::Outer:
        return {body.OuterX, body.OuterY};
    case View::Far:
        return {body.FarX, body.FarY};
    case View::Moon:
        break;
    }
    return {};
}

} // namespace

// --- The date path ---

void TForm1::RecomputeForDate()
{
    if (ClosingDown)
        return;
    const QDate day = options().DateTimePicker1->day();
    if (TruePositions &&
        trueSkyMissing(day.year(), QStringLiteral("The classic model is shown instead.")))
        return;
    const QString shown = ShortDateText(day);
    setWindowTitle(QStringLiteral("Heliodial ") + shown);
    lblStatusDate->setText(shown);

    for (int i = 0; i <= static_cast<int>(Body::Pluto); ++i)
        UpdateBody(static_cast<Body>(i));

    // The Moon's inner position hangs on this picture's place.
    const TPlanet &earth = body(Body::Earth);
    iInnerearth->placeCentre({earth.InnerX, earth.InnerY});

    try {
        UpdateBody(Body::Moon);
        ComputeSunMark();
        SelectPhasePicture();
        PlacePictures();
    } catch (const ArithmeticFault &) {
        // The scene keeps what was updated before the fault.
    }
}

bool TForm1::ComputeSunMark()
{
    return ::ComputeSunMark(body(Body::Earth), MoonPanel->panelSize());
}

void TForm1::PlacePictures()
{
    for (const View view : OrbitViews) {
        const ViewPage &shown = page(view);
        for (const ViewPage::BodyPicture &each : shown.bodyPictures()) {
            if (each.body)
                each.picture->placeCentre(CentreOn(body(*each.body), view));
            else
                each.picture->centreInView();
        }
    }
    // The Moon view circles the large Earth, with the Sun's mark on the way.
    iLargeEarth->centreInView();
    const TPlanet &moon = body(Body::Moon);
    ilargeMoon->placeCentre({moon.AllX, moon.AllY});
    const TPlanet &earth = body(Body::Earth);
    iMoonSun->placeCentre({earth.SunMarkX, earth.SunMarkY});
}

// --- The static layers ---

void TForm1::ClearUnderPictures()
{
    for (const ViewPage &view : m_pages) {
        view.under->canvas().clear();
        view.under->refresh();
    }
}

void TForm1::DrawUnderPictures()
{
    if (OrbitsShown) {
        for (std::size_t i = 0; i < std::size(OrbitViews); ++i)
            DrawOrbits(m_pages[i].under->canvas(), OrbitViews[i], AllPanel->panelSize());
    }
    for (const ViewPage &view : m_pages)
        DrawFrame(view.under->canvas());
    if (!StarsDrawn)
        DrawStarField();
    for (const ViewPage &view : m_pages)
        view.under->refresh();
}

void TForm1::DrawStarField()
{
    const Size panel = AllPanel->panelSize();
    const MoonViewBoxes dark = MoonViewDarkBoxes(
        panel, AllPanel->y(), {imMoonPhases->box().width, imMoonPhases->box().height},
        {iLargeEarth->box().width, iLargeEarth->box().height});
    const QColor remembered = imAllUnder->canvas().pen.colour;
    for (const ViewPage &view : m_pages)
        view.under->canvas().pen.colour = Yellow;
    for (const Point star : StarPositions(m_platform.starSeed(), panel)) {
        for (const ViewPage &view : m_pages) {
            // The Moon view keeps dark where the phase picture and the Earth stand.
            if (view.view != View::Moon || !dark.contains(star))
                view.under->canvas().line(star.x, star.y, star.x + 1, star.y + 1);
        }
    }
    for (const ViewPage &view : m_pages)
        view.under->canvas().pen.colour = remembered;
    StarsDrawn = true;
}

void TForm1::PlaceDegreeLabels()
{
    for (const ViewPage &view : m_pages)
        view.placeDegreeLabels(HemisphereSign);
}

void TForm1::RebuildScene(bool recompute)
{
    ClearUnderPictures();
    StarsDrawn = false;
    DrawUnderPictures();
    DrawZodiacRing();
    if (recompute) {
        RecomputeForDate();
        RefreshOverlays(true);
    }
}

// --- The zodiac ring ---

Arrangement TForm1::arrangement() const
{
    return AstrologyArrangement ? Arrangement::Astrological : Arrangement::Astronomical;
}

void TForm1::DrawZodiacRing()
{
    BoundaryPoints = ComputeBoundaryPoints(arrangement(), HemisphereSign, AllPanel->panelSize());
    for (const ViewPage &view : m_pages) {
        DrawZodiacTicks(view.under->canvas(), BoundaryPoints, AllPanel->panelSize());
        view.under->refresh();
    }
    PlaceDegreeLabels();
    SetNameVisibility();
    PlaceConstellationNames();
}

void TForm1::SetNameVisibility()
{
    for (const ViewPage &view : m_pages) {
        for (const auto &[name, picture] : view.namePictures())
            picture->setVisible(NameVisible(name, arrangement(), HemisphereSign));
    }
}

void TForm1::PlaceConstellationNames()
{
    for (const NamePlace &place : ::PlaceConstellationNames(
             arrangement(), HemisphereSign, BoundaryPoints, AllPanel->panelSize())) {
        // Every picture of the family, on every view, goes to the same place.
        for (const QString &suffix : {QString(), QStringLiteral("2"), QStringLiteral("3")}) {
            for (const ViewPage &view : m_pages) {
                const auto picture = view.namePictures().find(place.family + suffix);
                if (picture != view.namePictures().end())
                    picture->second->placeAt(place.topLeft);
            }
        }
    }
}

void TForm1::onomy1Click()
{
    checkMenuItem(onomy1);
    AstrologyArrangement = false;
    RebuildScene(true);
}

void TForm1::ology1Click()
{
    checkMenuItem(ology1);
    AstrologyArrangement = true;
    RebuildScene(true);
}

void TForm1::ClearOverlays()
{
    for (const ViewPage &view : m_pages) {
        view.overlay->canvas().clear();
        view.overlay->refresh();
    }
}

void TForm1::RefreshOverlays(bool force)
{
    if (!HorizonShown && !PointerShown && !TerminatorShown && !force)
        return;
    ClearOverlays();
    if (HorizonShown)
        DrawHorizon();
    if (PointerShown)
        DrawPointer(PointerEarth, PointerBody, PointerOverlay, PointerPanel);
    if (TerminatorShown)
        DrawTerminator();
}

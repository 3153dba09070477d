// The static layers of the views, the scene rebuild and the overlay refresh.
#include "app/mainwindow.h"

#include "app/heliodial.h"
#include "app/platform.h"
#include "views/drawinglayer.h"
#include "views/orbits.h"
#include "views/picture.h"
#include "views/stacking.h"
#include "views/viewdecor.h"
#include "views/viewpanel.h"
#include "views/zodiac.h"

#include <QLabel>

void TForm1::ClearUnderPictures()
{
    for (const ViewWidgets &view : m_views) {
        view.under->canvas().clear();
        view.under->refresh();
    }
}

void TForm1::DrawUnderPictures()
{
    if (OrbitsShown) {
        for (std::size_t i = 0; i < std::size(OrbitViews); ++i)
            DrawOrbits(m_views[i].under->canvas(), OrbitViews[i], AllPanel->panelSize());
    }
    for (const ViewWidgets &view : m_views)
        DrawFrame(view.under->canvas());
    if (!StarsDrawn)
        DrawStarField();
    for (const ViewWidgets &view : m_views)
        view.under->refresh();
}

void TForm1::DrawStarField()
{
    const Size panel = AllPanel->panelSize();
    const MoonViewBoxes dark =
        MoonViewDarkBoxes(panel, AllPanel->y(), {imMoonPhases->width(), imMoonPhases->height()},
                          {iLargeEarth->width(), iLargeEarth->height()});
    const QColor remembered = imAllUnder->canvas().pen.colour;
    for (const ViewWidgets &view : m_views)
        view.under->canvas().pen.colour = Yellow;
    for (const Point star : StarPositions(m_platform.starSeed(), panel)) {
        for (DrawingLayer *under : {imAllUnder, imInnerUnder, imOuterUnder, imFarUnder})
            under->canvas().line(star.x, star.y, star.x + 1, star.y + 1);
        if (!dark.contains(star))
            imMoonUnder->canvas().line(star.x, star.y, star.x + 1, star.y + 1);
    }
    for (const ViewWidgets &view : m_views)
        view.under->canvas().pen.colour = remembered;
    StarsDrawn = true;
}

void TForm1::PlaceDegreeLabels()
{
    for (const ViewWidgets &view : m_views) {
        const auto size = [](const QLabel *label) -> Size {
            return {label->width(), label->height()};
        };
        const DegreeLabelPlaces places = ::PlaceDegreeLabels(
            HemisphereSign, view.panel->panelSize(),
            {size(view.label0), size(view.label90), size(view.label180), size(view.label270)});
        view.label0->move(places.zero.x, places.zero.y);
        view.label90->move(places.ninety.x, places.ninety.y);
        view.label180->move(places.oneEighty.x, places.oneEighty.y);
        view.label270->move(places.twoSeventy.x, places.twoSeventy.y);
    }
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
    for (const ViewWidgets &view : m_views) {
        DrawZodiacTicks(view.under->canvas(), BoundaryPoints, AllPanel->panelSize());
        view.under->refresh();
    }
    PlaceDegreeLabels();
    SetNameVisibility();
    PlaceConstellationNames();
}

void TForm1::SetNameVisibility()
{
    for (const auto &[name, family] : m_namePictures) {
        const bool visible = NameVisible(name, arrangement(), HemisphereSign);
        for (Picture *picture : family)
            picture->setVisible(visible);
    }
}

void TForm1::PlaceConstellationNames()
{
    for (const NamePlace &place : ::PlaceConstellationNames(
             arrangement(), HemisphereSign, BoundaryPoints, AllPanel->panelSize())) {
        // Every picture of the family, on every view, goes to the same place.
        for (const QString &suffix : {QString(), QStringLiteral("2"), QStringLiteral("3")}) {
            const auto family = m_namePictures.find(place.family + suffix);
            if (family == m_namePictures.end())
                continue;
            for (Picture *picture : family->second)
                picture->move(place.topLeft.x, place.topLeft.y);
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
    for (const ViewWidgets &view : m_views) {
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

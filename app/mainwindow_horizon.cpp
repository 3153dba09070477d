// The horizon line on the four orbit views and its menu faces.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/platform.h"
#include "dialogs/latitudedialog.h"
#include "model/arithmetic.h"
#include "model/catalogue.h"
#include "views/datepicker.h"
#include "views/drawinglayer.h"
#include "views/horizon.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/updown.h"

#include <QLabel>

std::array<Picture *, 4> TForm1::personMarkers() const
{
    return {imAllPlanetsManPosn, imInnerManPosn, imOuterManPosn, imFarManPosn};
}

void TForm1::DrawHorizon()
{
    const TOptions &panel = options();
    const HorizonInputs inputs{body(Body::Earth).Longitude,
                               HemisphereSign,
                               panel.DateTimePicker1->calendarDay(),
                               panel.DateTimePicker1->timeOfDay(),
                               Latitude,
                               panel.UpDownHours->position(),
                               panel.lblAmPm->text(),
                               panel.rgDaylightSaving->itemIndex()};
    // A latitude past 90 has no horizon: nothing drawn, the markers stay.
    const std::optional<HorizonAngles> angles = ComputeHorizon(inputs);
    if (!angles)
        return;

    const struct {
        DrawingLayer *overlay;
        Picture *earth;
        Picture *marker;
    } views[] = {{imAllBack, iEarth, imAllPlanetsManPosn},
                 {imInnerBack, iInnerearth, imInnerManPosn},
                 {imOuterBack, iOuterEarth, imOuterManPosn},
                 {imFarBack, iFarEarth, imFarManPosn}};
    try {
        FarPoint ends[4][2];
        for (std::size_t i = 0; i < std::size(views); ++i) {
            const Size picture{views[i].overlay->width(), views[i].overlay->height()};
            ends[i][0] = HorizonRayEnd(angles->ray1, views[i].earth->centre(), picture);
            ends[i][1] = HorizonRayEnd(angles->ray2, views[i].earth->centre(), picture);
        }
        for (std::size_t i = 0; i < std::size(views); ++i) {
            Canvas &canvas = views[i].overlay->canvas();
            const Point earth = views[i].earth->centre();
            canvas.line(earth.x, earth.y, ends[i][0].x, ends[i][0].y);
            canvas.line(earth.x, earth.y, ends[i][1].x, ends[i][1].y);
            views[i].overlay->refresh();
        }
        for (const auto &view : views)
            view.marker->placeCentre(PersonMarkerCentre(angles->zenith, view.earth->centre()));
        if (!PersonMarkersPlaced) {
            // The first horizon computed: markers hidden so far may show now.
            PersonMarkersPlaced = true;
            for (const auto &view : views)
                view.marker->setVisible(HorizonShown);
        }
    } catch (const ArithmeticFault &) {
        // The drawing ends here; what was drawn stays.
    }
}

void TForm1::Hidehorizon1Click()
{
    mirrorToggle(Hidehorizon1, &TOptions::btnHorizonClick);
}

void TForm1::Showhorizon1Click()
{
    mirrorToggle(Showhorizon1, &TOptions::btnHorizonClick);
}

void TForm1::No1Click()
{
    mirrorRadio(No1, options().rgDaylightSaving, 0, &TOptions::rgDaylightSavingClick);
}

void TForm1::Yes1Click()
{
    mirrorRadio(Yes1, options().rgDaylightSaving, 1, &TOptions::rgDaylightSavingClick);
}

void TForm1::Latitude1Click()
{
    m_platform.runModal(m_app.FLatitude());
}

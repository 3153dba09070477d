// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The horizon line on the four orbit views and its menu faces.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/platform.h"
#include "dialogs/latitudedialog.h"
#include "model/catalogue.h"
#include "views/datepicker.h"
#include "views/horizonoverlay.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/updown.h"

#include <QLabel>

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

    if (!m_horizon->draw(*angles) || PersonMarkersPlaced)
        return;
    // The first horizon computed: markers hidden so far may show now.
    PersonMarkersPlaced = true;
    for (Picture *marker : personMarkers())
        marker->setVisible(HorizonShown);
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

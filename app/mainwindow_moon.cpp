// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon view's phase picture and terminator.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "model/catalogue.h"
#include "views/moonphase.h"
#include "views/picture.h"
#include "views/terminatoroverlay.h"

void TForm1::SelectPhasePicture()
{
    const double d =
        Elongation(body(Body::Earth).Longitude, body(Body::Moon).GeoAngle, HemisphereSign);
    const int number = PhasePictureNumber(d, HemisphereSign);
    // The picture changes every few days; leave it be in between.
    if (number != m_phaseShown) {
        imMoonPhases->setPicture(PhasePictureResource(number));
        m_phaseShown = number;
    }
}

void TForm1::DrawTerminator()
{
    m_terminator->draw(body(Body::Earth).Longitude, body(Body::Moon).GeoAngle, HemisphereSign);
}

void TForm1::Hidephase1Click()
{
    mirrorToggle(Hidephase1, &TOptions::btnMoonPhaseClick);
}

void TForm1::Showphase1Click()
{
    mirrorToggle(Showphase1, &TOptions::btnMoonPhaseClick);
}

void TForm1::Hideterminator1Click()
{
    mirrorToggle(Hideterminator1, &TOptions::btnMoonTerminatorClick);
}

void TForm1::Showterminator1Click()
{
    mirrorToggle(Showterminator1, &TOptions::btnMoonTerminatorClick);
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/directionoverlay.h"

#include "model/arithmetic.h"
#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/pointer.h"
#include "views/viewpage.h"
#include "views/viewpanel.h"

void DirectionOverlay::draw(const Picture *earth, const Picture *target, DrawingLayer *overlay,
                            const ViewPanel *panel) const
{
    const bool sunParallel = target == m_inner.picture(Body::Mercury) ||
                             target == m_inner.picture(Body::Venus) ||
                             target == m_inner.picture(Body::Moon);
    try {
        DrawPointerLines(
            overlay->canvas(),
            PointerLines(sunParallel ? PointerStyle::SunParallel : PointerStyle::EarthRay,
                         earth->centre(), target->centre(), m_inner.sun()->centre(),
                         panel->panelSize().width));
    } catch (const ArithmeticFault &) {
        // A slope beyond any integer: no pointer this time.
    }
    overlay->refresh();
}

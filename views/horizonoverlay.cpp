// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/horizonoverlay.h"

#include "model/arithmetic.h"
#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/viewpage.h"

bool HorizonOverlay::draw(const HorizonAngles &angles) const
{
    try {
        // Every end is worked out before anything is drawn.
        FarPoint ends[4][2];
        for (std::size_t i = 0; i < m_views.size(); ++i) {
            const DrawingLayer &overlay = *m_views[i]->overlay;
            const Size picture{overlay.canvas().width(), overlay.canvas().height()};
            const Point earth = m_views[i]->picture(Body::Earth)->centre();
            ends[i][0] = HorizonRayEnd(angles.ray1, earth, picture);
            ends[i][1] = HorizonRayEnd(angles.ray2, earth, picture);
        }
        for (std::size_t i = 0; i < m_views.size(); ++i) {
            Canvas &canvas = m_views[i]->overlay->canvas();
            const Point earth = m_views[i]->picture(Body::Earth)->centre();
            canvas.line(earth.x, earth.y, ends[i][0].x, ends[i][0].y);
            canvas.line(earth.x, earth.y, ends[i][1].x, ends[i][1].y);
            m_views[i]->overlay->refresh();
        }
        for (const ViewPage *view : m_views) {
            view->personMarker()->placeCentre(
                PersonMarkerCentre(angles.zenith, view->picture(Body::Earth)->centre()));
        }
    } catch (const ArithmeticFault &) {
        return false;
    }
    return true;
}

std::array<Picture *, 4> HorizonOverlay::personMarkers() const
{
    return {m_views[0]->personMarker(), m_views[1]->personMarker(), m_views[2]->personMarker(),
            m_views[3]->personMarker()};
}

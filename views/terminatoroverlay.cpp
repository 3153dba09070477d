// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/terminatoroverlay.h"

#include "views/drawinglayer.h"
#include "views/moonphase.h"
#include "views/picture.h"
#include "views/viewpage.h"

void TerminatorOverlay::draw(double earthLongitude, double moonAngle,
                             std::int32_t hemisphereSign) const
{
    const Picture &moon = *m_moon.picture(Body::Moon);
    DrawTerminatorLines(m_moon.overlay->canvas(), earthLongitude, moonAngle, hemisphereSign,
                        moon.centre(), moon.box().width);
    m_moon.overlay->refresh();
}

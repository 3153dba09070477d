// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "views/horizon.h"

#include <array>

class Picture;
class ViewPage;

// The horizon on the four orbit views: two rays from each view's Earth across
// its overlay picture, and the person marker at the zenith.
class HorizonOverlay {
public:
    // The All Planets, Inner Planets, Earth to Saturn and Outer Realm views.
    explicit HorizonOverlay(std::array<const ViewPage *, 4> views) : m_views(views) {}

    // Draws the rays on every view, then moves the markers. False when a ray
    // cannot be worked out: nothing more is drawn and what was drawn stays.
    bool draw(const HorizonAngles &angles) const;

    std::array<Picture *, 4> personMarkers() const;

private:
    std::array<const ViewPage *, 4> m_views;
};

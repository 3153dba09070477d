// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class ViewPage;

// The Moon's terminator on The Moon view's overlay, across the large Moon.
class TerminatorOverlay {
public:
    explicit TerminatorOverlay(const ViewPage &moon) : m_moon(moon) {}

    // Draws onto the overlay without clearing it first.
    void draw(double earthLongitude, double moonAngle, std::int32_t hemisphereSign) const;

private:
    const ViewPage &m_moon;
};

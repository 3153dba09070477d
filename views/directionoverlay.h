// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DrawingLayer;
class Picture;
class ViewPage;
class ViewPanel;

// The direction pointer: the lines from an Earth picture to a body's on the
// overlay of the view that shows both.
class DirectionOverlay {
public:
    // The Inner Planets view: its Sun fixes the parallels, and its Mercury,
    // Venus and Moon are pointed at along them.
    explicit DirectionOverlay(const ViewPage &inner) : m_inner(inner) {}

    // Draws onto the overlay without clearing it first.
    void draw(const Picture *earth, const Picture *target, DrawingLayer *overlay,
              const ViewPanel *panel) const;

private:
    const ViewPage &m_inner;
};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>

class QPainter;
class QWidget;

// A view's backdrop is its lowest drawing layer, the stars, rings and frame.
// Where nothing but the panel's black lies beneath it, it is copied onto the
// screen as it is, its clear pixels showing black, instead of the panel
// filling black and the layer being blended over it: a third of the work of
// a full-screen repaint.

// Whether a copy of a clear pixel shows black where this painter paints: a
// picture without transparency, as a window's backing store is.
bool ShowsClearAsBlack(QPainter &painter);

// The part of the backdrop that nothing but the panel lies beneath, in its
// parent's coordinates: its rectangle less those of the shown siblings below
// it (degree labels, and names on some views).
QRegion BackdropArea(const QWidget *backdrop);

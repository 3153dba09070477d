// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QtMath>

// How many device pixels a logical pixel spans where this painter paints: the
// screen's ratio when a widget paints itself, the target's when it is
// rendered into a picture of another density.
inline qreal DeviceRatio(const QPainter &painter)
{
    const QTransform transform = painter.deviceTransform();
    return qSqrt(transform.m11() * transform.m11() + transform.m12() * transform.m12());
}

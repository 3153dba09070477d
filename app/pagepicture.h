// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <functional>

class QPainter;
class QWidget;
class ViewPage;

// Pictures of what a page shows, for saving, copying and printing: one way of
// making them, so that all three give the same picture.

// A picture of `size` logical pixels at `ratio` device pixels to one (whole
// device pixels, rounded up), opaque, drawn by `draw` in logical pixels.
QImage PagePicture(QSize size, qreal ratio, const std::function<void(QPainter &)> &draw);

// A view exactly as the screen shows it, overlays included.
QImage ViewPicture(const ViewPage &view, qreal ratio);

// A widget and its children as the screen shows them.
QImage WidgetPicture(QWidget &widget, qreal ratio);

// Where a picture of `picture`'s shape stands in `area`: as large as fits,
// centred.
QRect FittedRect(QSize picture, const QRect &area);

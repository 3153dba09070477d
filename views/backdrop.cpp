// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/backdrop.h"

#include <QFrame>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

bool ShowsClearAsBlack(QPainter &painter)
{
    // Only the raster engine's own pictures are known here; a printer, a
    // pixmap or a picture with transparency is painted the usual way.
    QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return false;
    const QPaintDevice *device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return false;
    return !static_cast<const QImage *>(device)->hasAlphaChannel();
}

QRegion BackdropArea(const QWidget *backdrop)
{
    const QWidget *parent = backdrop->parentWidget();
    if (!parent)
        return {};
    QRegion area(backdrop->geometry());
    if (const auto *frame = qobject_cast<const QFrame *>(parent)) {
        // A strip along the bevel stays out: at some densities its line
        // reaches a device pixel inside.
        area &= frame->contentsRect().adjusted(1, 1, -1, -1);
    }
    // The children are listed from the bottom of the stack up.
    for (const QObject *child : parent->children()) {
        if (child == backdrop)
            break;
        const auto *sibling = qobject_cast<const QWidget *>(child);
        if (sibling && !sibling->isHidden())
            area -= sibling->geometry();
    }
    return area;
}

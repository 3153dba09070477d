// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/drawinglayer.h"

#include "views/deviceratio.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

DrawingLayer::DrawingLayer(QWidget *panel, const QString &objectName, QRect geometry)
    : QWidget(panel), m_canvas(geometry.size(), devicePixelRatioF())
{
    setObjectName(objectName);
    setGeometry(geometry);
    // No background of its own: only the drawn pixels cover what lies beneath.
    setAttribute(Qt::WA_NoSystemBackground);
}

void DrawingLayer::refresh()
{
    // Only the part drawn or cleared since the last refresh is repainted. At
    // the smallest size one box round it costs less than its pieces; on a
    // larger view a slanting line's box is most of the view.
    if (m_scale == 1) {
        const QRect changed = m_canvas.takeChangedRect();
        if (!changed.isEmpty())
            update(changed);
        return;
    }
    const QRegion changed = m_canvas.takeChangedRegion();
    if (changed.isEmpty())
        return;
    QRegion shown;
    for (const QRect &units : changed) {
        // A unit's square, and the rounding of both of its edges.
        const QRectF area(units.x() * m_scale, units.y() * m_scale, units.width() * m_scale,
                          units.height() * m_scale);
        shown += area.toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    update(shown);
}

void DrawingLayer::setScale(qreal scale)
{
    if (scale <= 0 || scale == m_scale)
        return;
    m_scale = scale;
    update();
}

void DrawingLayer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const qreal ratio = DeviceRatio(painter);
    // Device pixels to one unit of the view.
    const qreal unitRatio = ratio * m_scale;
    if (ratio == devicePixelRatioF()) {
        // The screen's own density: a window moved to a screen of another
        // density, or a view shown larger, gets its pictures drawn again.
        m_canvas.setRatio(unitRatio);
    }
    // Outside what was drawn the picture is clear: nothing to copy there.
    const QRect units = m_canvas.dirtyRect();
    const QRect drawn = QRectF(units.x() * m_scale, units.y() * m_scale,
                               (units.width() + 1) * m_scale, (units.height() + 1) * m_scale)
                            .toAlignedRect()
                            .adjusted(-1, -1, 1, 1);
    const QImage image = m_canvas.imageAt(unitRatio);
    // Copied piece by piece, as a slanting line's pieces hold a sliver of
    // their bounding box; each under a clip of its own, since under the
    // whole region's clip the copy goes pixel row by pixel row, several times
    // slower.
    for (const QRect &changed : event->region()) {
        const QRect piece = changed & drawn;
        if (piece.isEmpty())
            continue;
        painter.setClipRect(piece);
        if (ratio == 1) {
            // One of the picture's pixels on each pixel.
            painter.drawImage(piece, image, piece);
        } else {
            // One of the picture's pixels on each device pixel.
            painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size()) / ratio), image,
                              QRectF(image.rect()));
        }
    }
}

void DrawingLayer::hideEvent(QHideEvent *event)
{
    // A large view's pictures are large: a page out of sight keeps only what
    // it drew, and draws it again when it is shown.
    if (m_canvas.ratio() != devicePixelRatioF())
        m_canvas.setRatio(devicePixelRatioF());
    QWidget::hideEvent(event);
}

void DrawingLayer::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Taken here: passed on, it would reach the main window and count twice.
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

void DrawingLayer::contextMenuEvent(QContextMenuEvent *event)
{
    emit contextMenuRequested(event->globalPos());
    event->accept();
}

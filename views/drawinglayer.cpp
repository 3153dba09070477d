// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/drawinglayer.h"

#include "views/backdrop.h"
#include "views/deviceratio.h"
#include "views/viewpanel.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The tallest band of the backdrop copied at once.
constexpr int CopiedRows = 64;

} // namespace

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
    // Outside what was drawn the picture is clear: nothing to blend there.
    const QRect units = m_canvas.dirtyRect();
    const QRect drawn = QRectF(units.x() * m_scale, units.y() * m_scale,
                               (units.width() + 1) * m_scale, (units.height() + 1) * m_scale)
                            .toAlignedRect()
                            .adjusted(-1, -1, 1, 1);
    // As the view's backdrop, where the panel left its black to this layer,
    // the picture is copied whole, its clear pixels showing black.
    const auto *panel = qobject_cast<const ViewPanel *>(parentWidget());
    const bool copied = panel && panel->backdrop() == this && ShowsClearAsBlack(painter);
    const QRegion own = copied ? BackdropArea(this).translated(-pos()) : QRegion();
    const QImage image = m_canvas.imageAt(unitRatio);
    const auto copy = [&](const QRect &piece) {
        // Each piece under a clip of its own: under the whole region's clip
        // the copy goes pixel row by pixel row, several times slower.
        painter.setClipRect(piece);
        if (ratio == 1) {
            // One of the picture's pixels on each pixel.
            painter.drawImage(piece, image, piece);
        } else {
            // One of the picture's pixels on each device pixel.
            painter.drawImage(QRectF(QPointF(0, 0), QSizeF(image.size()) / ratio), image,
                              QRectF(image.rect()));
        }
    };
    // Piece by piece, as a slanting line's pieces hold a sliver of their
    // bounding box.
    for (const QRect &changed : event->region()) {
        if (copied) {
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            for (const QRect &piece : own.intersected(changed)) {
                // In bands: Qt hands a taller copy to its thread pool, which
                // gained nothing on two cores and kept the sky's worker
                // thread waiting.
                for (int top = piece.top(); top <= piece.bottom(); top += CopiedRows)
                    copy(QRect(piece.left(), top, piece.width(),
                               std::min(CopiedRows, piece.bottom() + 1 - top)));
            }
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        for (const QRect &piece : QRegion(changed & drawn) - own)
            copy(piece);
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

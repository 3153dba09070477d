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
    // Only the part drawn or cleared since the last refresh is repainted.
    const QRect changed = m_canvas.takeChangedRect();
    if (!changed.isEmpty())
        update(changed);
}

void DrawingLayer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const qreal ratio = DeviceRatio(painter);
    if (ratio == devicePixelRatioF()) {
        // The screen's own density: a window moved to a screen of another
        // density gets its pictures drawn again at that one.
        m_canvas.setRatio(ratio);
        if (ratio == 1) {
            painter.drawImage(event->rect(), m_canvas.image(), event->rect());
            return;
        }
    }
    painter.setClipRect(event->rect());
    painter.drawImage(QPoint(0, 0), m_canvas.imageAt(ratio));
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

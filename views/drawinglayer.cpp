#include "views/drawinglayer.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

DrawingLayer::DrawingLayer(QWidget *panel, const QString &objectName, QRect geometry)
    : QWidget(panel), m_canvas(geometry.size())
{
    setObjectName(objectName);
    setGeometry(geometry);
    setAttribute(Qt::WA_TranslucentBackground);
}

void DrawingLayer::refresh()
{
    if (m_painted != m_canvas.generation())
        update();
}

void DrawingLayer::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_canvas.image(), event->rect());
    m_painted = m_canvas.generation();
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

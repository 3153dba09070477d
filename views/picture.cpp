#include "views/picture.h"

#include <QMouseEvent>

#include "views/deviceratio.h"

#include <QPainter>

Picture::Picture(QWidget *panel, const QString &objectName, QSize size, const QString &resource,
                 const QString &hint)
    : QWidget(panel)
{
    setObjectName(objectName);
    setFixedSize(size);
    if (!resource.isEmpty())
        setPicture(resource);
    if (!hint.isEmpty()) {
        setToolTip(hint);
        setAccessibleName(hint);
    }
}

void Picture::setPicture(const QString &resource)
{
    m_resource = resource;
    m_icon = QIcon();
    m_pixmap = QPixmap(resource);
    update();
}

void Picture::setPicture(const QPixmap &pixmap)
{
    m_resource.clear();
    m_icon = QIcon();
    m_pixmap = pixmap;
    update();
}

Box Picture::box() const
{
    return {x(), y(), width(), height()};
}

void Picture::placeCentre(Point centre)
{
    move(centre.x - width() / 2, centre.y - height() / 2);
}

void Picture::centreIn(const QWidget *panel)
{
    move(panel->width() / 2 - width() / 2, panel->height() / 2 - height() / 2);
}

void Picture::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal ratio = DeviceRatio(painter);
    if (ratio == 1 || m_resource.isEmpty()) {
        painter.drawPixmap(rect(), m_pixmap);
        return;
    }
    // Made on the first paint on a denser screen only: the icon reads the
    // picture's @2x version by itself, and makes the picture for any density
    // from the nearest one.
    if (m_icon.isNull())
        m_icon = QIcon(m_resource);
    painter.drawPixmap(rect(), m_icon.pixmap(size(), ratio));
}

void Picture::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Pictures and panels have no double-click of their own; the main window
    // must not take theirs for its own.
    event->accept();
}

#include "views/picture.h"

#include <QMouseEvent>

#include <QGuiApplication>
#include <QPainter>

namespace {

// The @2x version of a picture on a high-density screen, the plain one
// otherwise.
QPixmap LoadPicture(const QString &resource)
{
    if (qApp && qApp->devicePixelRatio() > 1) {
        QString sharp = resource;
        sharp.insert(sharp.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        QPixmap pixmap(sharp);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2);
            return pixmap;
        }
    }
    return QPixmap(resource);
}

} // namespace

Picture::Picture(QWidget *panel, const QString &objectName, QSize size, const QString &resource,
                 const QString &hint)
    : QWidget(panel)
{
    setObjectName(objectName);
    setFixedSize(size);
    if (!resource.isEmpty())
        m_pixmap = LoadPicture(resource);
    if (!hint.isEmpty()) {
        setToolTip(hint);
        setAccessibleName(hint);
    }
}

void Picture::setPicture(const QPixmap &pixmap)
{
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
    painter.drawPixmap(rect(), m_pixmap);
}

void Picture::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Pictures and panels have no double-click of their own; the main window
    // must not take theirs for its own.
    event->accept();
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/picture.h"

#include "views/deviceratio.h"
#include "views/viewpanel.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The rendition of a resource picture made for `times` device pixels to one
// of its own; the picture itself where the artwork has no such rendition.
QPixmap Rendition(const QString &resource, int times)
{
    if (times > 1) {
        const QPixmap larger(Picture::RenditionName(resource, times));
        if (!larger.isNull())
            return larger;
    }
    return QPixmap(resource);
}

} // namespace

int Picture::RenditionFor(qreal ratio)
{
    // A hair over a whole ratio is rounding, not a need for the next one.
    return std::clamp(int(std::ceil(ratio - 1e-9)), 1, LargestRendition);
}

QString Picture::RenditionName(const QString &resource, int times)
{
    if (times <= 1)
        return resource;
    const QFileInfo file(resource);
    return QStringLiteral("%1/%2@%3x.%4")
        .arg(file.path(), file.completeBaseName())
        .arg(times)
        .arg(file.suffix());
}

Picture::Picture(QWidget *panel, const QString &objectName, QSize size, const QString &resource,
                 const QString &hint)
    : QWidget(panel), m_size(size)
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
    m_rendition = QPixmap();
    m_fitted = QPixmap();
    m_renditionTimes = 0;
    m_pixmap = QPixmap(resource);
    update();
}

void Picture::setPicture(const QPixmap &pixmap)
{
    m_resource.clear();
    m_rendition = QPixmap();
    m_fitted = QPixmap();
    m_renditionTimes = 0;
    m_pixmap = pixmap;
    update();
}

qreal Picture::viewScale() const
{
    const auto *view = qobject_cast<const ViewPanel *>(parentWidget());
    return view ? view->scale() : 1;
}

Box Picture::box() const
{
    const auto *view = qobject_cast<const ViewPanel *>(parentWidget());
    const QRect place = view ? view->placeOf(this) : geometry();
    return {place.x(), place.y(), place.width(), place.height()};
}

void Picture::placeAt(Point topLeft)
{
    const QPoint to(int(topLeft.x), int(topLeft.y));
    if (auto *view = qobject_cast<ViewPanel *>(parentWidget()))
        view->placeChild(this, to);
    else
        move(to);
}

void Picture::placeCentre(Point centre)
{
    placeAt({centre.x - m_size.width() / 2, centre.y - m_size.height() / 2});
}

void Picture::centreInView()
{
    const auto *view = qobject_cast<const ViewPanel *>(parentWidget());
    const QSize area = view ? ViewPanel::LayoutSize : parentWidget()->size();
    placeAt({area.width() / 2 - m_size.width() / 2, area.height() / 2 - m_size.height() / 2});
}

void Picture::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Device pixels to one of the view's units.
    const qreal ratio = DeviceRatio(painter) * viewScale();
    if (ratio == 1 || m_resource.isEmpty()) {
        painter.drawPixmap(rect(), m_pixmap);
        return;
    }
    // The nearest rendition at least as fine as the screen needs, read on
    // the first paint that needs it.
    const int times = RenditionFor(ratio);
    if (m_renditionTimes != times) {
        m_rendition = Rendition(m_resource, times);
        m_renditionTimes = times;
        m_fitted = QPixmap();
    }
    const qreal deviceRatio = DeviceRatio(painter);
    const QSize device = (QSizeF(size()) * deviceRatio).toSize();
    if (m_rendition.size() == device) {
        painter.drawPixmap(rect(), m_rendition);
        return;
    }
    // Brought to the size shown once, not at every paint of a moving body.
    if (m_fitted.size() != device) {
        m_fitted = m_rendition.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        m_fitted.setDevicePixelRatio(deviceRatio);
    }
    painter.drawPixmap(rect(), m_fitted);
}

void Picture::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Pictures and panels have no double-click of their own; the main window
    // must not take theirs for its own.
    event->accept();
}

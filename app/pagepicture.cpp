// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/pagepicture.h"

#include "views/viewpage.h"
#include "views/viewpanel.h"

#include <QPainter>
#include <QWidget>
#include <QtMath>

QImage PagePicture(QSize size, qreal ratio, const std::function<void(QPainter &)> &draw)
{
    if (!(ratio > 0))
        ratio = 1;
    QImage picture(qCeil(size.width() * ratio), qCeil(size.height() * ratio), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    // Whatever the drawing leaves out is black, as a view's empty sky.
    picture.fill(Qt::black);
    QPainter painter(&picture);
    draw(painter);
    return picture;
}

QImage ViewPicture(const ViewPage &view, qreal ratio)
{
    return PagePicture(view.panel->size(), ratio,
                       [&view](QPainter &painter) { view.render(painter); });
}

QImage WidgetPicture(QWidget &widget, qreal ratio)
{
    return PagePicture(widget.size(), ratio,
                       [&widget](QPainter &painter) { widget.render(&painter); });
}

QRect FittedRect(QSize picture, const QRect &area)
{
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const QSize fitted = picture.scaled(area.size(), Qt::KeepAspectRatio);
    return {area.x() + (area.width() - fitted.width()) / 2,
            area.y() + (area.height() - fitted.height()) / 2, fitted.width(), fitted.height()};
}

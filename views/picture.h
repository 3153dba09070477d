// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/geometry.h"

#include <QPixmap>
#include <QWidget>

// A picture control: shows its picture stretched over its own rectangle,
// with a hover hint. Opaque pictures paint every pixel of the picture;
// transparent ones let what lies beneath show through their clear pixels.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(QWidget *panel, const QString &objectName, QSize size, const QString &resource = {},
            const QString &hint = {});

    // Shows a picture from the resources, at the density of the screen it
    // is on.
    void setPicture(const QString &resource);
    // Shows a picture made by the program.
    void setPicture(const QPixmap &pixmap);
    // The picture at its own size.
    const QPixmap &picture() const { return m_pixmap; }
    // Where it came from in the resources; empty for a picture made by the
    // program.
    const QString &resource() const { return m_resource; }

    // The largest rendition the artwork has: "name@4x.png".
    static constexpr int LargestRendition = 4;
    // Which rendition is shown at `ratio` device pixels to one of the
    // picture's own: the nearest at least as fine, or the largest there is.
    static int RenditionFor(qreal ratio);
    // "name@2x.png" and so on for a resource "name.png"; the resource itself
    // for 1.
    static QString RenditionName(const QString &resource, int times);

    // Its place on the view in the view's own units, whatever the scale it
    // is shown at; moving its top left corner or its centre to a point in
    // those units; centring it on its view.
    Box box() const;
    Point centre() const { return box().centre(); }
    void placeAt(Point topLeft);
    void placeCentre(Point centre);
    void centreInView();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The scale of the view it stands on; 1 off a view.
    qreal viewScale() const;

    QSize m_size;             // in the view's units
    QString m_resource;       // where m_pixmap came from, if from the resources
    QPixmap m_rendition;      // the rendition painted last, for a denser screen or larger view
    int m_renditionTimes = 0; // which one it is: 2 for "@2x"
    QPixmap m_fitted;         // the rendition at the size shown, where they differ
    QPixmap m_pixmap;
};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "views/canvas.h"

#include <QWidget>

// A transparent drawing layer of a view: a child of the view's panel that
// paints its canvas. Only what has been drawn covers what lies beneath.
//
// The canvas is drawn in the view's own units. On a view shown at a scale,
// the layer draws it again at the scale times the screen's density, so that
// lines stay one even width and stars stay sharp at every size.
class DrawingLayer : public QWidget {
    Q_OBJECT
public:
    DrawingLayer(QWidget *panel, const QString &objectName, QRect geometry);

    Canvas &canvas() { return m_canvas; }
    const Canvas &canvas() const { return m_canvas; }
    // Repaints if anything was drawn since the last paint.
    void refresh();
    // The scale of its view; the panel places the layer itself.
    void setScale(qreal scale);

signals:
    void doubleClicked();
    void contextMenuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    Canvas m_canvas;
    qreal m_scale = 1;
};

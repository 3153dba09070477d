#pragma once

#include "views/canvas.h"

#include <QWidget>

// A transparent drawing layer of a view: a child of the view's panel that
// paints its canvas. Only what has been drawn covers what lies beneath.
class DrawingLayer : public QWidget {
    Q_OBJECT
public:
    DrawingLayer(QWidget *panel, const QString &objectName, QRect geometry);

    Canvas &canvas() { return m_canvas; }
    const Canvas &canvas() const { return m_canvas; }
    // Repaints if anything was drawn since the last paint.
    void refresh();

signals:
    void doubleClicked();
    void contextMenuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    Canvas m_canvas;
};

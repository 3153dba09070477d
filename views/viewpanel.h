// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/geometry.h"

#include <QFrame>
#include <QHash>
#include <functional>

// The black panel of one view, with a 1-pixel raised bevel. Pictures, labels
// and drawing layers are its children.
//
// Everything on a view is placed in the view's own 741 x 484 units. The
// panel is shown at a scale: at 1 it and its children stand exactly where
// their units say; at any other scale the panel keeps its children's places
// in its own units and lays them out scaled, so that what computes a place
// never sees the scale.
class ViewPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr QSize LayoutSize{741, 484};

    ViewPanel(QWidget *page, const QString &objectName);

    // The panel's size in its own units, at every scale.
    Size panelSize() const { return {LayoutSize.width(), LayoutSize.height()}; }

    qreal scale() const { return m_scale; }
    // Resizes the panel to its units times `scale` and lays its children out
    // at that scale.
    void setScale(qreal scale);

    // A child's rectangle in the panel's units.
    QRect placeOf(const QWidget *child) const;
    // Moves a child's top left corner to a point in the panel's units.
    void placeChild(QWidget *child, QPoint topLeft);
    // A rectangle in the panel's units, on the screen at the current scale:
    // each edge rounded to the nearest pixel, so that neighbours stay
    // neighbours.
    QRect scaled(const QRect &units) const;

    // What the view shows, for assistive technology; asked for each time a
    // screen reader asks, so that it is never out of date.
    void setDescriber(std::function<QString()> describer) { m_describer = std::move(describer); }
    QString description() const { return m_describer ? m_describer() : QString(); }

    // The lowest drawing layer, which paints the black beneath itself.
    void setBackdrop(const QWidget *layer) { m_backdrop = layer; }
    const QWidget *backdrop() const { return m_backdrop; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void childEvent(QChildEvent *event) override;

private:
    void applyPlace(QWidget *child, const QRect &units);

    std::function<QString()> m_describer;
    const QWidget *m_backdrop = nullptr;
    qreal m_scale = 1;
    // The children's places while the scale is not 1; at 1, each child's
    // own geometry is its place.
    QHash<const QObject *, QRect> m_places;
};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/catalogue.h"
#include "model/geometry.h"

#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class DrawingLayer;
class Picture;
class QLabel;
class QPainter;
class QWidget;
class ViewPanel;

// One view of the solar system on its notebook page: the black panel with its
// under-picture and overlay picture, the four degree labels, the pictures of
// the bodies it shows, the person marker of the horizon, the constellation
// names, all stacked in the view's order. The widgets belong to the panel.
class ViewPage {
public:
    // A body picture and the body it shows; no body for the Sun.
    struct BodyPicture {
        std::optional<Body> body;
        Picture *picture;
    };

    ViewPage(QWidget *page, View view);

    View view;
    ViewPanel *panel;
    DrawingLayer *under;
    DrawingLayer *overlay;
    QLabel *label0, *label90, *label180, *label270;

    // Every body picture of the view, bottom to top as they were made.
    const std::vector<BodyPicture> &bodyPictures() const { return m_bodies; }
    Picture *sun() const;
    // The picture of a body on this view; nullptr when the view does not show it.
    Picture *picture(Body body) const;
    // Where the person of the horizon stands; none on The Moon.
    Picture *personMarker() const { return m_personMarker; }
    // The phase picture; on The Moon only.
    Picture *phasePicture() const { return m_phasePicture; }
    // The name picture of a constellation ("Aries", "Taurus2", ...).
    Picture *namePicture(const QString &name) const { return m_names.at(name); }
    const std::map<QString, Picture *> &namePictures() const { return m_names; }

    // Moves the four degree labels to their places for the hemisphere.
    void placeDegreeLabels(std::int32_t hemisphereSign) const;

    // Shows the view at a scale: the panel and everything on it, the degree
    // labels' text included, grow with it; every place stays in the view's
    // own units.
    void setScale(qreal scale) const;

    // Draws the view exactly as the screen shows it: the panel, its layers,
    // its overlays and every picture in its stacking order.
    void render(QPainter &painter) const;

private:
    void buildLayers();
    void buildBodyPictures();
    void buildNamePictures();

    std::vector<BodyPicture> m_bodies;
    Picture *m_personMarker = nullptr;
    Picture *m_phasePicture = nullptr;
    std::map<QString, Picture *> m_names;
};

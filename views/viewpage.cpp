// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/viewpage.h"

#include "views/drawinglayer.h"
#include "views/picture.h"
#include "views/stacking.h"
#include "views/viewdecor.h"
#include "views/viewpanel.h"
#include "views/zodiac.h"

#include <QLabel>
#include <QPainter>
#include <cmath>

namespace {

constexpr QSize SunSize{25, 25};
constexpr QSize SmallSize{15, 15};
constexpr QSize EarthSize{20, 20};
constexpr QSize SaturnSize{30, 20};

// The body pictures of every view, in the order they are made; no body for
// the Sun.
const struct BodyPictureRow {
    View view;
    std::optional<Body> body;
    const char *name;
    QSize size;
    const char *file;
    const char *hint;
} BodyPictureRows[] = {
    {View::All, Body::Mercury, "iMercury", SmallSize, "mercury", "Mercury"},
    {View::All, Body::Venus, "iVenus", SmallSize, "venus", "Venus"},
    {View::All, Body::Earth, "iEarth", EarthSize, "earth", "Earth"},
    {View::All, Body::Mars, "iMars", SmallSize, "mars", "Mars"},
    {View::All, Body::Jupiter, "iJupiter", EarthSize, "jupiter", "Jupiter"},
    {View::All, Body::Saturn, "iSaturn", SaturnSize, "saturn", "Saturn"},
    {View::All, Body::Uranus, "iUranus", SmallSize, "uranus", "Uranus"},
    {View::All, Body::Neptune, "iNeptune", SmallSize, "neptune", "Neptune"},
    {View::All, Body::Pluto, "iPluto", SmallSize, "pluto", "Pluto"},
    {View::All, std::nullopt, "iSun", SunSize, "sun", "Sun"},

    {View::Inner, Body::Mercury, "iInnerMercury", SmallSize, "mercury", "Mercury"},
    {View::Inner, Body::Venus, "iInnerVenus", SmallSize, "venus", "Venus"},
    {View::Inner, Body::Earth, "iInnerearth", EarthSize, "earth", "Earth"},
    {View::Inner, Body::Moon, "iInnerMoon", {5, 5}, "moon_small", "Moon"},
    {View::Inner, std::nullopt, "iInnerSun", SunSize, "sun", "Sun"},

    {View::Outer, Body::Earth, "iOuterEarth", EarthSize, "earth", "Earth"},
    {View::Outer, Body::Mars, "iOuterMars", SmallSize, "mars", "Mars"},
    {View::Outer, Body::Jupiter, "iOuterJupiter", EarthSize, "jupiter", "Jupiter"},
    {View::Outer, Body::Saturn, "iOuterSaturn", SaturnSize, "saturn", "Saturn"},
    {View::Outer, std::nullopt, "iOuterSun", SunSize, "sun", "Sun"},

    {View::Far, std::nullopt, "iFarSun", SunSize, "sun", "Sun"},
    {View::Far, Body::Earth, "iFarEarth", EarthSize, "earth", "Earth"},
    {View::Far, Body::Uranus, "iFarUranus", SmallSize, "uranus", "Uranus"},
    {View::Far, Body::Neptune, "iFarNeptune", SmallSize, "neptune", "Neptune"},
    {View::Far, Body::Pluto, "iFarPluto", SmallSize, "pluto", "Pluto"},

    {View::Moon, Body::Earth, "iLargeEarth", {40, 40}, "earth_large", "Earth"},
    {View::Moon, Body::Moon, "ilargeMoon", {20, 20}, "moon_large", "Moon"},
    {View::Moon, std::nullopt, "iMoonSun", SunSize, "sun", "Sun"},
};

// The person markers of the four orbit views.
const char *PersonMarkerName(View view)
{
    switch (view) {
    case View::All:
        return "imAllPlanetsManPosn";
    case View::Inner:
        return "imInnerManPosn";
    case View::Outer:
        return "imOuterManPosn";
    case View::Far:
        return "imFarManPosn";
    case View::Moon:
        break;
    }
    return nullptr;
}

constexpr int DegreeLabelPixels = 13;

// A degree label: yellow bold text on opaque black, of a fixed size.
QLabel *DegreeLabel(QWidget *panel, View view, int degrees, int width)
{
    auto *label = new QLabel(QString::number(degrees), panel);
    label->setObjectName(DegreeLabelName(view, degrees));
    label->setFixedSize(width, 16);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(DegreeLabelPixels);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, QColor(255, 255, 0));
    label->setPalette(colours);
    return label;
}

} // namespace

ViewPage::ViewPage(QWidget *page, View view)
    : view(view), panel(new ViewPanel(page, ViewPrefix(view) + QStringLiteral("Panel")))
{
    buildBodyPictures();
    buildLayers();
    buildNamePictures();
    ApplyStacking(panel, StackingOrder(view));
}

void ViewPage::buildBodyPictures()
{
    for (const BodyPictureRow &row : BodyPictureRows) {
        if (row.view != view)
            continue;
        auto *picture = new Picture(panel, QString::fromLatin1(row.name), row.size,
                                    QStringLiteral(":/bodies/%1.png").arg(QLatin1String(row.file)),
                                    QString::fromLatin1(row.hint));
        m_bodies.push_back({row.body, picture});
    }
}

void ViewPage::buildLayers()
{
    // Both layers fill the panel inside its bevel.
    const QRect inside(1, 1, 739, 482);
    under = new DrawingLayer(panel, UnderPictureName(view), inside);
    under->setAttribute(Qt::WA_TransparentForMouseEvents);
    panel->setBackdrop(under);
    overlay = new DrawingLayer(panel, OverlayPictureName(view), inside);
    label0 = DegreeLabel(panel, view, 0, 9);
    label90 = DegreeLabel(panel, view, 90, 17);
    label180 = DegreeLabel(panel, view, 180, 25);
    label270 = DegreeLabel(panel, view, 270, 25);

    if (const char *marker = PersonMarkerName(view)) {
        m_personMarker = new Picture(
            panel, QString::fromLatin1(marker), {5, 5}, QStringLiteral(":/bodies/person.png"),
            QStringLiteral("Location of the person for whom the horizon line is shown"));
        m_personMarker->hide();
    }
    if (view == View::Moon) {
        m_phasePicture = new Picture(panel, QStringLiteral("imMoonPhases"), {100, 100}, QString(),
                                     QStringLiteral("Moon's phase"));
        m_phasePicture->hide();
    }
}

void ViewPage::buildNamePictures()
{
    for (const QString &name : Constellations + AlternateNames) {
        const Size size = NamePictureSize(name);
        auto *picture = new Picture(panel, NamePictureName(view, name), {size.width, size.height},
                                    QStringLiteral(":/names/%1.png").arg(name.toLower()));
        // "Taurus2" is a second picture of "Taurus", for another arrangement.
        QString shown = name;
        while (shown.back().isDigit())
            shown.chop(1);
        picture->setAccessibleName(shown);
        m_names[name] = picture;
    }
}

Picture *ViewPage::sun() const
{
    for (const BodyPicture &shown : m_bodies) {
        if (!shown.body)
            return shown.picture;
    }
    return nullptr;
}

Picture *ViewPage::picture(Body body) const
{
    for (const BodyPicture &shown : m_bodies) {
        if (shown.body == body)
            return shown.picture;
    }
    return nullptr;
}

void ViewPage::placeDegreeLabels(std::int32_t hemisphereSign) const
{
    const auto size = [this](const QLabel *label) -> Size {
        const QRect place = panel->placeOf(label);
        return {place.width(), place.height()};
    };
    const DegreeLabelPlaces places =
        PlaceDegreeLabels(hemisphereSign, panel->panelSize(),
                          {size(label0), size(label90), size(label180), size(label270)});
    panel->placeChild(label0, {places.zero.x, places.zero.y});
    panel->placeChild(label90, {places.ninety.x, places.ninety.y});
    panel->placeChild(label180, {places.oneEighty.x, places.oneEighty.y});
    panel->placeChild(label270, {places.twoSeventy.x, places.twoSeventy.y});
}

void ViewPage::setScale(qreal scale) const
{
    panel->setScale(scale);
    under->setScale(scale);
    overlay->setScale(scale);
    for (QLabel *label : {label0, label90, label180, label270}) {
        QFont font = label->font();
        font.setPixelSize(std::max(1, int(std::lround(DegreeLabelPixels * scale))));
        label->setFont(font);
    }
}

void ViewPage::render(QPainter &painter) const
{
    panel->render(&painter);
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/geometry.h"

#include <QStringList>

class QWidget;

// The constellations round the zodiac ring, and the name pictures that stand
// in for some of them on the other edge or in the other arrangement.
inline const QStringList Constellations = {
    QStringLiteral("Aries"),       QStringLiteral("Taurus"),      QStringLiteral("Gemini"),
    QStringLiteral("Cancer"),      QStringLiteral("Leo"),         QStringLiteral("Virgo"),
    QStringLiteral("Libra"),       QStringLiteral("Scorpius"),    QStringLiteral("Ophiuchus"),
    QStringLiteral("Sagittarius"), QStringLiteral("Capricornus"), QStringLiteral("Aquarius"),
    QStringLiteral("Pisces")};
inline const QStringList AlternateNames = {
    QStringLiteral("Taurus2"),      QStringLiteral("Taurus3"),     QStringLiteral("Gemini2"),
    QStringLiteral("Cancer2"),      QStringLiteral("Cancer3"),     QStringLiteral("Scorpius2"),
    QStringLiteral("Scorpius3"),    QStringLiteral("Ophiuchus2"),  QStringLiteral("Sagittarius2"),
    QStringLiteral("Capricornus2"), QStringLiteral("Capricornus3")};

// "All", "Inner", "Outer", "Far" or "Moon": the part of a view's names that
// tells the view.
QString ViewPrefix(View view);
// "lblAll90Degrees" and so on; the Inner Planets' zero is "lblinner0Degrees".
QString DegreeLabelName(View view, int degrees);
// "imAllUnder" and "imAllBack" and so on.
QString UnderPictureName(View view);
QString OverlayPictureName(View view);

// "imAll" + "Aries" and so on; the Moon view's Gemini is "ImMoonGemini".
QString NamePictureName(View view, const QString &name);

// The object names of a view's pictures, labels and layers from bottom to top.
QStringList StackingOrder(View view);

// Raises the panel's children in the order given, so that each lies above
// the ones before it.
void ApplyStacking(QWidget *panel, const QStringList &bottomToTop);

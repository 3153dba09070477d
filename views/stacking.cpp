// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/stacking.h"

#include <QWidget>

namespace {

QStringList Names(View view, const QStringList &names)
{
    QStringList result;
    for (const QString &name : names)
        result << NamePictureName(view, name);
    return result;
}

// The alternates that lie beneath the bodies on the last three views.
const QStringList LowAlternates = {QStringLiteral("Sagittarius2"), QStringLiteral("Ophiuchus2"),
                                   QStringLiteral("Scorpius2"), QStringLiteral("Taurus2"),
                                   QStringLiteral("Gemini2")};

QStringList HighAlternates()
{
    QStringList rest = AlternateNames;
    for (const QString &low : LowAlternates)
        rest.removeAll(low);
    return rest;
}

} // namespace

QString ViewPrefix(View view)
{
    switch (view) {
    case View::All:
        return QStringLiteral("All");
    case View::Inner:
        return QStringLiteral("Inner");
    case View::Outer:
        return QStringLiteral("Outer");
    case View::Far:
        return QStringLiteral("Far");
    case View::Moon:
        return QStringLiteral("Moon");
    }
    return {};
}

QString DegreeLabelName(View view, int degrees)
{
    const QString prefix =
        view == View::Inner && degrees == 0 ? QStringLiteral("inner") : ViewPrefix(view);
    return QStringLiteral("lbl%1%2Degrees").arg(prefix).arg(degrees);
}

QString UnderPictureName(View view)
{
    return QStringLiteral("im") + ViewPrefix(view) + QStringLiteral("Under");
}

QString OverlayPictureName(View view)
{
    return QStringLiteral("im") + ViewPrefix(view) + QStringLiteral("Back");
}

QString NamePictureName(View view, const QString &name)
{
    if (view == View::Moon && name == QLatin1String("Gemini"))
        return QStringLiteral("ImMoonGemini");
    return QStringLiteral("im") + ViewPrefix(view) + name;
}

QStringList StackingOrder(View view)
{
    const auto label = [view](int degrees) { return DegreeLabelName(view, degrees); };
    const QStringList fourLabels = {label(0), label(90), label(180), label(270)};
    const QString under = UnderPictureName(view);
    const QString back = OverlayPictureName(view);

    switch (view) {
    case View::All:
        return QStringList{label(270), label(180), label(0), under, label(90), back} +
               Names(view,
                     {QStringLiteral("Aquarius"), QStringLiteral("Pisces"), QStringLiteral("Aries"),
                      QStringLiteral("Taurus"), QStringLiteral("Gemini"), QStringLiteral("Cancer"),
                      QStringLiteral("Virgo"), QStringLiteral("Leo"), QStringLiteral("Libra"),
                      QStringLiteral("Scorpius"), QStringLiteral("Ophiuchus"),
                      QStringLiteral("Sagittarius")}) +
               QStringList{QStringLiteral("iMercury"), QStringLiteral("iVenus"),
                           QStringLiteral("iEarth"),   QStringLiteral("iMars"),
                           QStringLiteral("iJupiter"), QStringLiteral("iSaturn"),
                           QStringLiteral("iUranus"),  QStringLiteral("iNeptune"),
                           QStringLiteral("iPluto"),   QStringLiteral("iSun")} +
               Names(view, {QStringLiteral("Capricornus")}) + Names(view, AlternateNames) +
               QStringList{QStringLiteral("imAllPlanetsManPosn")};
    case View::Inner:
        return QStringList{label(270), label(90), label(0), label(180), under, back} +
               Names(view, Constellations) +
               QStringList{QStringLiteral("iInnerMercury"), QStringLiteral("iInnerVenus"),
                           QStringLiteral("iInnerearth"), QStringLiteral("iInnerMoon"),
                           QStringLiteral("iInnerSun")} +
               Names(view, AlternateNames) + QStringList{QStringLiteral("imInnerManPosn")};
    case View::Outer:
        return fourLabels + Names(view, Constellations) + QStringList{under, back} +
               Names(view, LowAlternates) +
               QStringList{QStringLiteral("iOuterEarth"), QStringLiteral("iOuterMars"),
                           QStringLiteral("iOuterJupiter"), QStringLiteral("iOuterSaturn"),
                           QStringLiteral("iOuterSun")} +
               Names(view, HighAlternates()) + QStringList{QStringLiteral("imOuterManPosn")};
    case View::Far:
        return fourLabels + Names(view, Constellations) + QStringList{under, back} +
               Names(view, LowAlternates) +
               QStringList{QStringLiteral("iFarSun"), QStringLiteral("iFarEarth"),
                           QStringLiteral("iFarUranus"), QStringLiteral("iFarNeptune"),
                           QStringLiteral("iFarPluto")} +
               Names(view, HighAlternates()) + QStringList{QStringLiteral("imFarManPosn")};
    case View::Moon:
        return fourLabels + Names(view, Constellations) + Names(view, LowAlternates) +
               QStringList{under, back, QStringLiteral("imMoonPhases")} +
               Names(view, HighAlternates()) +
               QStringList{QStringLiteral("iLargeEarth"), QStringLiteral("ilargeMoon"),
                           QStringLiteral("iMoonSun")};
    }
    return {};
}

void ApplyStacking(QWidget *panel, const QStringList &bottomToTop)
{
    for (const QString &name : bottomToTop) {
        if (auto *child = panel->findChild<QWidget *>(name, Qt::FindDirectChildrenOnly))
            child->raise();
    }
}

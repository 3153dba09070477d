// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/viewdescription.h"

#include "model/ephemerisfiles.h"
#include "model/reliableyears.h"

#include <QStringList>

QString TrustCaution(int year)
{
    const QString source = QString::fromStdString(ephemeris::Caution(year, year));
    const std::vector<Body> beyond = truesky::BodiesBeyondTheirYears(year);
    if (beyond.empty())
        return source;
    QStringList names;
    for (const Body body : beyond) {
        const QString name = QString::fromLatin1(BodyName(body).data(),
                                                 static_cast<qsizetype>(BodyName(body).size()));
        names << (body == Body::Earth || body == Body::Moon ? QStringLiteral("the ") + name : name);
    }
    const QString last = names.takeLast();
    const QString listed =
        names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
    const QString caution =
        QStringLiteral("In %1 the true places of %2 are not good to a tenth of a degree.")
            .arg(year)
            .arg(listed);
    return source.isEmpty() ? caution : source + QLatin1Char(' ') + caution;
}

QString DescribeView(const QString &caption, const ViewSwitches &switches)
{
    QString text =
        QStringLiteral("%1 on %2, seen from the %3 hemisphere, %4, %5 zodiac.")
            .arg(caption, switches.date,
                 switches.north ? QStringLiteral("northern") : QStringLiteral("southern"),
                 switches.truePositions ? QStringLiteral("true positions")
                                        : QStringLiteral("classic model"),
                 switches.astrology ? QStringLiteral("astrological")
                                    : QStringLiteral("astronomical"));
    if (switches.truePositions) {
        const QString caution = TrustCaution(switches.year);
        if (!caution.isEmpty())
            text += QLatin1Char(' ') + caution;
    }
    QStringList shown;
    if (switches.orbits)
        shown << QStringLiteral("orbits");
    if (switches.horizon)
        shown << QStringLiteral("horizon at latitude %1").arg(switches.latitude);
    if (switches.direction)
        shown << QStringLiteral("direction to %1").arg(switches.directionTarget);
    if (switches.phase)
        shown << QStringLiteral("the Moon's phase");
    if (switches.terminator)
        shown << QStringLiteral("the Moon's terminator");
    if (shown.isEmpty())
        return text + QStringLiteral(" No switches on.");
    return text + QStringLiteral(" Shown: ") + shown.join(QStringLiteral(", ")) + QLatin1Char('.');
}

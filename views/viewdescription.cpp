#include "views/viewdescription.h"

#include <QStringList>

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

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/skyeventsmodel.h"

#include "cli/eventsformat.h"

#include <QTimeZone>
#include <cmath>
#include <limits>

namespace {

// The Julian day of 1 January 1970, 0 h UT.
constexpr double UnixEpochJulianDay = 2440587.5;
constexpr double MillisecondsPerDay = 86400000.0;

const char *const Headers[SkyEventsModel::ColumnCount] = {
    "Local time", "UT", "Event", "Bodies", "Separation", "From the Sun", "Visibility",
};

QString Fixed(double value, int decimals)
{
    // The C locale's decimal point, as every other figure of the program.
    return QString::number(value, 'f', decimals);
}

} // namespace

SkyEventsModel::SkyEventsModel(QObject *parent) : QAbstractTableModel(parent) {}

int SkyEventsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_events.size());
}

int SkyEventsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SkyEventsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const skyevents::Event &e = eventAt(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return text(e, index.column());
    case SortRole:
        return sortKey(e, index.column());
    case Qt::ToolTipRole:
        return facts(index.row());
    case Qt::TextAlignmentRole:
        if (index.column() == SeparationColumn || index.column() == FromSunColumn)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant SkyEventsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(Headers[section]);
}

void SkyEventsModel::append(const std::vector<skyevents::Event> &events)
{
    if (events.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(events.size()) - 1);
    m_events.insert(m_events.end(), events.begin(), events.end());
    endInsertRows();
}

void SkyEventsModel::clear()
{
    beginResetModel();
    m_events.clear();
    endResetModel();
}

QDateTime SkyEventsModel::Instant(const skyevents::Event &event)
{
    const auto milliseconds = static_cast<qint64>(
        std::llround((event.julianDay - UnixEpochJulianDay) * MillisecondsPerDay));
    return QDateTime::fromMSecsSinceEpoch(milliseconds, QTimeZone::utc());
}

QString SkyEventsModel::DegreesAndMinutes(double degrees)
{
    if (!std::isfinite(degrees))
        return {};
    const long minutes = std::lround(degrees * 60);
    return QStringLiteral("%1°%2′").arg(minutes / 60).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

double SkyEventsModel::LeastFromSun(const skyevents::Event &event)
{
    double least = std::numeric_limits<double>::infinity();
    for (double angle : event.fromSun) {
        if (std::isfinite(angle))
            least = std::min(least, angle);
    }
    return std::isfinite(least) ? least : skyevents::NoAngle;
}

QString SkyEventsModel::Visibility(const skyevents::Event &event)
{
    QString visibility = event.tooNearTheSun ? QStringLiteral("too near the Sun to see")
                                             : QStringLiteral("clear of the Sun");
    if (event.approximate)
        visibility += QStringLiteral("; approximate");
    return visibility;
}

QString SkyEventsModel::text(const skyevents::Event &event, int column) const
{
    switch (column) {
    case LocalTimeColumn:
        return Instant(event).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case UniversalTimeColumn:
        return Instant(event).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    case EventColumn:
        return QString::fromStdString(eventscli::Title(event));
    case BodiesColumn:
        return QString::fromStdString(eventscli::BodiesText(event.bodies, ", "));
    case SeparationColumn:
        return DegreesAndMinutes(event.separation);
    case FromSunColumn: {
        const double angle = LeastFromSun(event);
        return std::isfinite(angle) ? Fixed(angle, 1) + QStringLiteral("°") : QString();
    }
    case VisibilityColumn:
        return Visibility(event);
    default:
        return {};
    }
}

QVariant SkyEventsModel::sortKey(const skyevents::Event &event, int column) const
{
    // Angles that an event has not come after every angle.
    const auto angle = [](double degrees) {
        return std::isfinite(degrees) ? degrees : std::numeric_limits<double>::max();
    };
    switch (column) {
    case LocalTimeColumn:
    case UniversalTimeColumn:
        return event.julianDay;
    case SeparationColumn:
        return angle(event.separation);
    case FromSunColumn:
        return angle(LeastFromSun(event));
    default:
        return text(event, column);
    }
}

QString SkyEventsModel::facts(int row) const
{
    const skyevents::Event &e = eventAt(row);
    QString facts = QString::fromStdString(eventscli::Summary(e)) + QStringLiteral(", ") +
                    text(e, UniversalTimeColumn) + QStringLiteral(" UT");
    const QString fromSun = text(e, FromSunColumn);
    if (!fromSun.isEmpty())
        facts += QStringLiteral("; ") + fromSun + QStringLiteral(" from the Sun");
    return facts + QStringLiteral("; ") + Visibility(e) +
           QStringLiteral("; the time uncertain by \u00b1%1 s")
               .arg(QString::fromStdString(eventscli::UncertaintyText(e.uncertainty)));
}

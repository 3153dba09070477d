// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The events of a sky-events search as a table: one row an event, in the
// order they were added; a QSortFilterProxyModel sorts them by SortRole.

#include "model/skyevents.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QString>
#include <vector>

class SkyEventsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        LocalTimeColumn,
        UniversalTimeColumn,
        EventColumn,
        BodiesColumn,
        SeparationColumn,
        FromSunColumn,
        VisibilityColumn,
        ColumnCount
    };
    // What a column sorts by: instants and angles as numbers, words as
    // words.
    static constexpr int SortRole = Qt::UserRole;

    explicit SkyEventsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // New rows after the last.
    void append(const std::vector<skyevents::Event> &events);
    void clear();

    const skyevents::Event &eventAt(int row) const { return m_events.at(std::size_t(row)); }
    const std::vector<skyevents::Event> &events() const { return m_events; }

    // The event's instant in UTC.
    static QDateTime Instant(const skyevents::Event &event);
    // "0°06′": an angle in whole degrees and minutes, rounded to the minute;
    // empty for NoAngle.
    static QString DegreesAndMinutes(double degrees);
    // The least angle from the Sun of the event's bodies, degrees.
    static double LeastFromSun(const skyevents::Event &event);
    // "too near the Sun to see" or "clear of the Sun", and "; approximate"
    // where the bodies' true places are not trusted to a tenth of a degree.
    static QString Visibility(const skyevents::Event &event);
    // The row in words, for a tooltip or the clipboard's reader.
    QString facts(int row) const;

private:
    QString text(const skyevents::Event &event, int column) const;
    QVariant sortKey(const skyevents::Event &event, int column) const;

    std::vector<skyevents::Event> m_events;
};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateEdit>
#include <chrono>

// The status date's picker: shows and edits calendar days in the user's short
// date format, while the value it holds also carries a fixed time of day that
// no setting of the date changes. userChanged() is emitted for the user's
// edits and when the drop-down calendar closes, never for setDay().
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    DatePicker(QWidget *parent, const QString &objectName, double timeOfDay);

    QDate day() const { return date(); }
    // Replaces the calendar day, keeping the time of day; false when the day
    // lies outside the picker's range (the value is then left unchanged).
    bool setDay(QDate day);
    // The value as a day count with its time of day as the fraction.
    double dayCount() const;
    double timeOfDay() const { return m_timeOfDay; }
    std::chrono::year_month_day calendarDay() const;
    // Whole days from the epoch to the calendar day held.
    double dayOffset() const;
    // The instant of the status date: its day at the time of day in the
    // user's time zone, as a Julian day in universal time.
    double julianDay() const;
    // The same for another day, at the same time of day.
    double julianDayOn(QDate day) const;

signals:
    void userChanged();

private:
    double m_timeOfDay;
};

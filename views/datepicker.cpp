// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/datepicker.h"

#include "model/catalogue.h"
#include "views/shortdate.h"

#include <QCalendarWidget>
#include <QDateTime>
#include <QSignalBlocker>

DatePicker::DatePicker(QWidget *parent, const QString &objectName, double timeOfDay)
    : QDateEdit(parent), m_timeOfDay(timeOfDay)
{
    setObjectName(objectName);
    setCalendarPopup(true);
    setDisplayFormat(ShortDateFormat());
    setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::userChanged);
    connect(calendarWidget(), &QCalendarWidget::clicked, this, &DatePicker::userChanged);
}

bool DatePicker::setDay(QDate day)
{
    if (!day.isValid() || day < minimumDate() || day > maximumDate())
        return false;
    const QSignalBlocker quiet(this);
    setDate(day);
    return true;
}

double DatePicker::dayCount() const
{
    return static_cast<double>(date().toJulianDay()) + m_timeOfDay;
}

std::chrono::year_month_day DatePicker::calendarDay() const
{
    const QDate day = date();
    return {std::chrono::year{day.year()}, std::chrono::month{static_cast<unsigned>(day.month())},
            std::chrono::day{static_cast<unsigned>(day.day())}};
}

double DatePicker::dayOffset() const
{
    return DayOffset(calendarDay());
}

double DatePicker::julianDay() const
{
    return julianDayOn(date());
}

double DatePicker::julianDayOn(QDate day) const
{
    constexpr double msPerDay = 86'400'000;
    const QTime time = QTime::fromMSecsSinceStartOfDay(qRound(m_timeOfDay * msPerDay));
    const QDateTime local(day, time);
    // The Unix epoch, 1 January 1970 0 h UT, is the Julian day 2440587.5.
    return 2440587.5 + static_cast<double>(local.toMSecsSinceEpoch()) / msPerDay;
}

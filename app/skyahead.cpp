// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/skyahead.h"

#include <QtConcurrent/QtConcurrentRun>

SkyAhead::~SkyAhead()
{
    // The work holds nothing of this object, but the program must not end
    // with it still running.
    m_ahead.waitForFinished();
}

const truesky::Sky &SkyAhead::skyOf(QDate day, double julianDay)
{
    if (m_kept && m_kept->day == day)
        return m_kept->sky;
    if (m_ahead.isValid() && m_aheadDay == day) {
        // A worker thread's result is read only here, after it has finished.
        m_kept = SkyOfDay{day, m_ahead.result()};
        m_ahead = {};
        return m_kept->sky;
    }
    m_kept = SkyOfDay{day, truesky::SkyAt(julianDay)};
    return m_kept->sky;
}

void SkyAhead::prepare(QDate day, double julianDay)
{
    if ((m_kept && m_kept->day == day) || (m_ahead.isValid() && m_aheadDay == day))
        return;
    // One at a time: a sky on its way for another day (the clock's step was
    // changed meanwhile) is let finish, and the next tick asks again.
    if (m_ahead.isValid() && !m_ahead.isFinished())
        return;
    m_aheadDay = day;
    m_ahead = QtConcurrent::run(truesky::SkyAt, julianDay);
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/animationclock.h"

AnimationClock::AnimationClock(QObject *parent, const QString &objectName, int intervalMs)
    : QObject(parent), m_interval(intervalMs)
{
    setObjectName(objectName);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &AnimationClock::timeout);
}

void AnimationClock::setEnabled(bool on)
{
    m_enabled = on;
    apply();
}

void AnimationClock::setInterval(int ms)
{
    m_interval = ms;
    apply();
}

void AnimationClock::apply()
{
    if (m_enabled && m_interval > 0)
        m_timer.start(m_interval);
    else
        m_timer.stop();
}

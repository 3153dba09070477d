// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

// The animation clock: switched on or off, ticking every interval
// milliseconds while on. An interval of 0 means no ticks at all while the
// clock stays switched on (a bare QTimer would fire continuously).
class AnimationClock : public QObject {
    Q_OBJECT
public:
    AnimationClock(QObject *parent, const QString &objectName, int intervalMs);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    int interval() const { return m_interval; }
    void setInterval(int ms);

signals:
    void timeout();

private:
    void apply();

    QTimer m_timer;
    bool m_enabled = false;
    int m_interval;
};

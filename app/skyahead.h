// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/truesky.h"

#include <QDate>
#include <QFuture>
#include <optional>

// The true sky of the status date, kept for every body and update of the
// same date; and the sky of the date the clock shows next, worked out on a
// worker thread while the window paints the current one, so that a tick
// finds it ready.
class SkyAhead {
public:
    SkyAhead() = default;
    SkyAhead(const SkyAhead &) = delete;
    SkyAhead &operator=(const SkyAhead &) = delete;
    ~SkyAhead();

    // The sky of `day`, whose instant is `julianDay`: the one kept, the one
    // worked out ahead (waiting for it if it is still on its way), or one
    // worked out now.
    const truesky::Sky &skyOf(QDate day, double julianDay);
    // Starts working out the sky of `day` in the background, unless it is
    // kept or already on its way.
    void prepare(QDate day, double julianDay);

private:
    struct SkyOfDay {
        QDate day;
        truesky::Sky sky;
    };
    std::optional<SkyOfDay> m_kept;
    QDate m_aheadDay;
    QFuture<truesky::Sky> m_ahead;
};

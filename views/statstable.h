// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/stats.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

class ClickableLabel;
class Picture;
class QCalendarWidget;
class QFrame;
class QLabel;
class QTableWidget;
class QWidget;
class TPlanet;

// The Stats page's widgets: the status date above the table of every body's figures,
// and the month calendar that opens from the date. The widgets belong to the
// page.
class StatsTable {
public:
    // A body's column: the body, and its picture and the Earth's on the view
    // that shows both, whose places give its geocentric bearing; no pictures
    // for the Earth and the Moon.
    //
    // From the true sky, a body's geocentric angle and right ascension are
    // its own figures instead of the pictures' bearing.
    struct Column {
        TPlanet *body;
        const Picture *earth;
        const Picture *picture;
        std::optional<TrueFigures> sky = {};
    };

    explicit StatsTable(QWidget *page);

    QFrame *panel;
    QLabel *caption;
    ClickableLabel *statusDate;
    QTableWidget *grid;
    QCalendarWidget *calendar;
    // Under the table: which source the figures come from.
    QLabel *source;

    // Grows the table and the note under it with the page: given room,
    // every body's column shows without scrolling.
    void fitTo(QSize page) const;

    // The headings, then one column a body in order; false when a figure
    // could not be worked out (its column is then left short).
    bool fill(const std::vector<Column> &columns, std::int32_t hemisphereSign) const;
    // One column of figures, in the user's number format.
    bool fillColumn(const TPlanet &planet, int column, std::int32_t hemisphereSign,
                    const std::optional<TrueFigures> &sky = {}) const;
    // Names the source of the figures under the table, and with true
    // positions, the caution `untrusted` when some figures cannot be
    // trusted for the date.
    void showSource(bool truePositions, const QString &untrusted = {}) const;
    // The table as the page shows it, one line a row, the cells' texts
    // separated by tabs: the bodies' names first, then a line a figure.
    QString text() const;
};

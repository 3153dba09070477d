#pragma once

#include <cstdint>
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
    struct Column {
        TPlanet *body;
        const Picture *earth;
        const Picture *picture;
    };

    explicit StatsTable(QWidget *page);

    QFrame *panel;
    QLabel *caption;
    ClickableLabel *statusDate;
    QTableWidget *grid;
    QCalendarWidget *calendar;

    // The headings, then one column a body in order; false when a figure
    // could not be worked out (its column is then left short).
    bool fill(const std::vector<Column> &columns, std::int32_t hemisphereSign) const;
    // One column of figures, in the user's number format.
    bool fillColumn(const TPlanet &planet, int column, std::int32_t hemisphereSign) const;
};

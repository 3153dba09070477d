// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Sky events": every conjunction, gathering, opposition, conjunction with
// the Sun, greatest elongation and Moon phase of a span of years on the
// true sky, listed as the search finds them; a row opens its event in the
// orrery, and the list goes to a spreadsheet, a calendar or the clipboard.
// One instance, shown without blocking the other windows.

#include "model/skyevents.h"

#include <QDialog>
#include <array>

class Heliodial;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTimer;
class SkyEventsModel;
class SkyEventsSearch;

class SkyEventsWindow : public QDialog {
    Q_OBJECT
public:
    explicit SkyEventsWindow(Heliodial &app);
    ~SkyEventsWindow() override;

    // The bodies in the order of their boxes: Mercury to Pluto, then the
    // Moon.
    static constexpr std::array<Body, 9> BodyOrder{Body::Mercury, Body::Venus,  Body::Mars,
                                                   Body::Jupiter, Body::Saturn, Body::Uranus,
                                                   Body::Neptune, Body::Pluto,  Body::Moon};

    QDateEdit *FromDate;
    QDateEdit *ToDate;
    std::array<QCheckBox *, 9> BodyBoxes{};
    std::array<QCheckBox *, skyevents::KindCount> KindBoxes{};
    QComboBox *GatheringGroup;
    QDoubleSpinBox *Limit;
    QPushButton *FindButton;
    QPushButton *StopButton;
    QPushButton *EarlierButton;
    QPushButton *LaterButton;
    QPushButton *CsvButton;
    QPushButton *IcsButton;
    QPushButton *CopyButton;
    QProgressBar *Progress;
    QLabel *StatusLabel;
    QTableView *Events;

    SkyEventsModel *model() const { return m_model; }
    SkyEventsSearch *search() const { return m_search; }
    // The search the inputs describe, over the given span.
    skyevents::Search searchOf(double from, double to) const;

public slots:
    void FindClick();
    void StopClick();
    void EarlierClick();
    void LaterClick();
    void CsvClick();
    void IcsClick();
    void CopyClick();
    // Shows the event of a row of the table, as the view sorts it.
    void openRow(int viewRow);
    // Closing the window stops its search.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildInputs();
    void rememberTicks();
    void restoreTicks();
    void setRunning(bool running, const QString &what);
    void searchFinished(skyevents::Status status);
    // Says why a search cannot be made, if it cannot.
    bool refused(const skyevents::Search &search);
    // The events as the table shows them, sorted and filtered.
    std::vector<skyevents::Event> shownEvents() const;
    void exportTo(bool calendar);
    // Export is offered only while the list holds events.
    void offerExport();

    Heliodial &m_app;
    SkyEventsModel *m_model;
    QSortFilterProxyModel *m_sorted;
    SkyEventsSearch *m_search;
    QTimer *m_progressTimer;
};

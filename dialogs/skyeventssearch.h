// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A sky-events search run beside the windows: the engine works on its own
// threads (started through QtConcurrent), hands its events over in batches
// as it finds them, and stops within a few milliseconds of being asked.
// Everything here is called, and every signal is emitted, on the thread
// that owns the object.

#include "model/skyevents.h"

#include <QFutureWatcher>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class SkyEventsSearch : public QObject {
    Q_OBJECT
public:
    explicit SkyEventsSearch(QObject *parent = nullptr);
    // Stops a search still running and waits for its threads.
    ~SkyEventsSearch() override;

    // Every event of the search's range; false, and nothing done, while a
    // search runs.
    bool find(const skyevents::Search &search);
    // The first event of the search's kinds after its start, or the last
    // before its end, however far.
    bool findNext(const skyevents::Search &search);
    bool findPrevious(const skyevents::Search &search);

    void stop();
    bool running() const { return m_running; }
    // How much of the range has been searched, 0 to 1.
    double fraction() const;

signals:
    // Whole events, in time order within a batch.
    void found(const std::vector<skyevents::Event> &events);
    void finished(skyevents::Status status);

private:
    using Sink = skyevents::Sink;
    using Work = std::function<skyevents::Found(skyevents::Progress &, const Sink &)>;
    bool start(Work work);

    // Shared with the worker, which may outlive the search it belongs to.
    std::shared_ptr<skyevents::Progress> m_progress;
    QFutureWatcher<skyevents::Status> m_watcher;
    bool m_running = false;
};

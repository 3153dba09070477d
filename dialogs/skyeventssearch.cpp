// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/skyeventssearch.h"

#include <QtConcurrent/QtConcurrentRun>

SkyEventsSearch::SkyEventsSearch(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<skyevents::Status>::finished, this, [this] {
        m_running = false;
        emit finished(m_watcher.result());
    });
}

SkyEventsSearch::~SkyEventsSearch()
{
    stop();
    m_watcher.waitForFinished();
}

bool SkyEventsSearch::find(const skyevents::Search &search)
{
    return start([search](skyevents::Progress &progress, const Sink &hand) {
        return skyevents::FindEvents(search, &progress, hand);
    });
}

bool SkyEventsSearch::findNext(const skyevents::Search &search)
{
    return start([search](skyevents::Progress &progress, const Sink &hand) {
        skyevents::Found found = skyevents::NextEvent(search, &progress);
        hand(found.events);
        return found;
    });
}

bool SkyEventsSearch::findPrevious(const skyevents::Search &search)
{
    return start([search](skyevents::Progress &progress, const Sink &hand) {
        skyevents::Found found = skyevents::PreviousEvent(search, &progress);
        hand(found.events);
        return found;
    });
}

void SkyEventsSearch::stop()
{
    if (m_progress)
        m_progress->cancel = true;
}

double SkyEventsSearch::fraction() const
{
    return m_progress ? m_progress->fraction.load() : 0.0;
}

// The batches found on the worker's threads go to this object's thread, and
// are dropped there if the search was stopped meanwhile: a stopped search
// adds nothing after the stop.
bool SkyEventsSearch::start(Work work)
{
    if (m_running)
        return false;
    m_running = true;
    m_progress = std::make_shared<skyevents::Progress>();
    const std::shared_ptr<skyevents::Progress> progress = m_progress;
    Sink hand = [this, progress](const std::vector<skyevents::Event> &events) {
        if (events.empty())
            return;
        QMetaObject::invokeMethod(
            this,
            [this, events, progress] {
                if (!progress->cancel.load())
                    emit found(events);
            },
            Qt::QueuedConnection);
    };
    m_watcher.setFuture(
        QtConcurrent::run([work = std::move(work), progress, hand = std::move(hand)] {
            return work(*progress, hand).status;
        }));
    return true;
}

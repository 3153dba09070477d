// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/workerpool.h"

#include <algorithm>

WorkerPool::WorkerPool()
{
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 1; i < cores; ++i)
        m_helpers.emplace_back([this] { help(); });
}

WorkerPool::~WorkerPool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    for (std::thread &helper : m_helpers)
        helper.join();
}

void WorkerPool::forEach(std::size_t count, const std::function<void(std::size_t)> &job)
{
    {
        const std::lock_guard lock(m_mutex);
        m_job = &job;
        m_count = count;
        m_next = 0;
        ++m_round;
    }
    m_wake.notify_all();
    work(job, count);
    std::unique_lock lock(m_mutex);
    m_done.wait(lock, [this] { return m_working == 0; });
    // A helper that wakes after this finds nothing left of the round.
    m_job = nullptr;
}

// Takes the round's jobs one at a time until none is left.
void WorkerPool::work(const std::function<void(std::size_t)> &job, std::size_t count)
{
    for (;;) {
        std::size_t taken = 0;
        {
            const std::lock_guard lock(m_mutex);
            if (m_next >= count)
                return;
            taken = m_next++;
        }
        job(taken);
    }
}

void WorkerPool::help()
{
    std::uint64_t seen = 0;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [&] { return m_stopping || m_round != seen; });
        if (m_stopping)
            return;
        seen = m_round;
        if (!m_job)
            continue;
        const std::function<void(std::size_t)> &job = *m_job;
        const std::size_t count = m_count;
        ++m_working;
        lock.unlock();
        work(job, count);
        lock.lock();
        if (--m_working == 0)
            m_done.notify_all();
    }
}

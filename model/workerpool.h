// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A fixed set of threads that work through rounds of jobs together with the
// thread that hands them out. A search keeps one for its whole length: a
// thread that starts asks the ephemeris library to open its files afresh,
// and a search of a thousand years in yearly stretches would otherwise
// start a thousand threads.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class WorkerPool {
public:
    // As many threads as the machine has cores, the calling one among them.
    WorkerPool();
    ~WorkerPool();
    WorkerPool(const WorkerPool &) = delete;
    WorkerPool &operator=(const WorkerPool &) = delete;

    // Calls job(i) once for every i from 0 to count - 1, on the helpers and
    // the calling thread at once, and returns when every call has returned.
    void forEach(std::size_t count, const std::function<void(std::size_t)> &job);

private:
    void help();
    void work(const std::function<void(std::size_t)> &job, std::size_t count);

    std::mutex m_mutex;
    std::condition_variable m_wake, m_done;
    const std::function<void(std::size_t)> *m_job = nullptr; // the round's, while it runs
    std::size_t m_count = 0;
    std::size_t m_next = 0;    // the next job to take
    std::size_t m_working = 0; // helpers inside the round
    std::uint64_t m_round = 0;
    bool m_stopping = false;
    std::vector<std::thread> m_helpers;
};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The searches' pool of threads, without Qt, so that ThreadSanitizer sees
// every thread: each job of a round runs once and the round is over when
// forEach returns, round after round, whether the jobs are many, fewer than
// the threads, none at all, or over before a helper has woken.
#include "model/workerpool.h"
#include "threads/check.h"

#include <atomic>
#include <chrono>
#include <set>
#include <string>
#include <thread>
#include <vector>

using threadtest::Check;

int main()
{
    WorkerPool pool;

    // Many short rounds in a row: the helpers often wake after the caller
    // has done every job of the round alone.
    bool everyJobOnce = true;
    for (std::size_t round = 0; round < 2000; ++round) {
        const std::size_t count = round % 7;
        std::vector<int> runs(count, 0);
        pool.forEach(count, [&](std::size_t i) { ++runs[i]; });
        for (const int ran : runs)
            everyJobOnce = everyJobOnce && ran == 1;
    }
    Check(everyJobOnce, "each job of 2000 short rounds runs exactly once");

    // Jobs that take long enough for every thread to join in: each one's
    // result is in place when forEach returns, and more than one thread did
    // the work when the machine has more than one core.
    std::vector<double> sums(64, 0);
    std::vector<std::thread::id> by(64);
    pool.forEach(sums.size(), [&](std::size_t i) {
        double sum = 0;
        for (int k = 1; k <= 200000; ++k)
            sum += 1.0 / (k + static_cast<double>(i));
        sums[i] = sum;
        by[i] = std::this_thread::get_id();
    });
    bool filled = true;
    for (const double sum : sums)
        filled = filled && sum > 0;
    Check(filled, "every long job's result is there when the round returns");
    const std::set<std::thread::id> threads(by.begin(), by.end());
    if (std::thread::hardware_concurrency() > 1)
        Check(threads.size() > 1, "the helpers share the long jobs");

    // A pool that is made and dropped without a round, and one that ends
    // right after a round, both let their threads go.
    {
        WorkerPool unused;
    }
    {
        WorkerPool brief;
        std::atomic<int> done{0};
        brief.forEach(3, [&](std::size_t) { ++done; });
        Check(done == 3, "a last round finishes before its pool ends");
    }
    return threadtest::Result();
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The alignment finder on the true sky: the worst case against the
// day-by-day search it must agree with, and the typical question.
#include "model/catalogue.h"
#include "model/truealignment.h"
#include "model/truesky.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>
#include <vector>

namespace {

// From a calendar day at the status date's time of day, universal time.
alignment::Query From(std::chrono::year_month_day day, int separation)
{
    alignment::Query query;
    query.maxSeparation = separation;
    query.startOffset = DayOffset(day) + StatusTimeOfDay;
    query.startJulianDay = truesky::EpochJulianDay + query.startOffset;
    query.endOffset = alignment::EndOffset();
    return query;
}

// All eight planets, separation 2, from 1 January 2002 to the end date.
alignment::Query WorstCase()
{
    using namespace std::chrono;
    alignment::Query query = From(2002y / January / 1, 2);
    query.ticked.fill(true);
    return query;
}

// The quick search, and its reference: every planet on every day (about a
// hundred seconds).
alignment::Result Quick(const alignment::Query &query)
{
    return alignment::FindNextTrueAlignment(query);
}

void TrueSearchWorstCase(benchmark::State &state,
                         alignment::Result (*search)(const alignment::Query &))
{
    const alignment::Query query = WorstCase();
    alignment::Result result;
    for (auto _ : state) {
        result = search(query);
        benchmark::DoNotOptimize(result);
    }
    state.counters["days"] = result.endedOffset - query.startOffset;
    state.counters["found"] = result.found;
}
BENCHMARK_CAPTURE(TrueSearchWorstCase, quick, Quick)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK_CAPTURE(TrueSearchWorstCase, day_by_day, alignment::FindNextTrueAlignmentDayByDay)
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

// Fifty random questions a user might ask today: two planets, separation 5.
// The median and the slowest of them.
void TrueSearchTypical(benchmark::State &state)
{
    using namespace std::chrono;
    const year_month_day today{floor<days>(system_clock::now())};
    std::mt19937 random(20261208);
    std::vector<alignment::Query> queries;
    while (queries.size() < 50) {
        alignment::Query query = From(today, 5);
        const auto a = std::uniform_int_distribution<std::size_t>(0, 7)(random);
        const auto b = std::uniform_int_distribution<std::size_t>(0, 7)(random);
        if (a == b)
            continue;
        query.ticked[a] = query.ticked[b] = true;
        queries.push_back(query);
    }
    std::vector<double> milliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        for (const alignment::Query &query : queries) {
            const auto start = steady_clock::now();
            benchmark::DoNotOptimize(alignment::FindNextTrueAlignment(query));
            milliseconds.push_back(
                duration<double, std::milli>(steady_clock::now() - start).count());
        }
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = (milliseconds[24] + milliseconds[25]) / 2;
    state.counters["slowest_ms"] = milliseconds.back();
}
BENCHMARK(TrueSearchTypical)->Unit(benchmark::kMillisecond)->Iterations(1);

// The sky of one instant: what a tick of the animation asks for.
void SkyOfAnInstant(benchmark::State &state)
{
    double instant = truesky::EpochJulianDay;
    for (auto _ : state)
        benchmark::DoNotOptimize(truesky::SkyAt(instant += 1));
}
BENCHMARK(SkyOfAnInstant)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

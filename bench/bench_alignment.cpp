// The alignment finder's worst case: all eight planets ticked, a separation
// of 2 degrees, from 1 January 2002 to the end date with no alignment found.
#include "model/alignment.h"

#include <benchmark/benchmark.h>

namespace {

alignment::Query WorstCase()
{
    alignment::Query query;
    query.ticked.fill(true);
    query.maxSeparation = 2;
    query.startOffset = 0.7320906713; // 1 January 2002 at the picker's time of day
    query.endOffset = alignment::EndOffset();
    return query;
}

void AlignmentSearchWorstCase(benchmark::State &state)
{
    const alignment::Query query = WorstCase();
    alignment::Result result;
    for (auto _ : state) {
        result = alignment::FindNextAlignment(query);
        benchmark::DoNotOptimize(result);
    }
    state.counters["days"] = result.endedOffset - query.startOffset;
    state.counters["found"] = result.found;
}
BENCHMARK(AlignmentSearchWorstCase)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The alignment finder's worst case: all eight planets ticked, a separation
// of 2 degrees, from 1 January 2002 to the end date with no alignment found.
#include "model/alignment.h"
#include "model/catalogue.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

alignment::Query WorstCase()
{
    alignment::Query query;
    query.ticked.fill(true);
    query.maxSeparation = 2;
    query.startOffset = StatusTimeOfDay; // 1 January 2002 at the picker's time of day
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

// The same days with only the unavoidable arithmetic: every planet's
// longitude, plane point and bearing from the Earth, nothing decided.
void BareLoop(benchmark::State &state)
{
    const alignment::Query query = WorstCase();
    std::vector<std::unique_ptr<TPlanet>> planets;
    for (const Body body : {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn,
                            Body::Uranus, Body::Neptune, Body::Pluto})
        planets.push_back(MakeBody(Catalogue[static_cast<std::size_t>(body)]));
    const auto earth = MakeBody(Catalogue[static_cast<std::size_t>(Body::Earth)]);
    for (auto _ : state) {
        double sum = 0;
        for (double offset = query.startOffset + 1; offset <= query.endOffset + 1; offset += 1) {
            const alignment::PlanePoint e =
                alignment::PlanePosition(earth->LongitudeAt(1, offset), earth->MeanDistance);
            for (const auto &planet : planets) {
                const alignment::PlanePoint p =
                    alignment::PlanePosition(planet->LongitudeAt(1, offset), planet->MeanDistance);
                sum += alignment::BearingFromEarth(e, p);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BareLoop)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rough sky's directions, which a search asks for at every step: all
// ten bodies, the Moon alone and the planets and the Sun alone, at instants
// spread over the calendar; and the true sky's apparent directions beside
// them, for the saving.
#include "model/catalogue.h"
#include "model/roughsky.h"
#include "model/truesky.h"

#include <benchmark/benchmark.h>

namespace {

// From 1 January 1601 on, a little over a month a call, so that the
// instants run through the calendar's centuries.
constexpr double From = 2305813.5;
constexpr double Step = 37.3;
constexpr double End = 5373484.5;

void RoughDirections(benchmark::State &state)
{
    const auto bodies = static_cast<std::uint16_t>(state.range(0));
    std::array<roughsky::Direction, 10> out{};
    double tt = From;
    for (auto _ : state) {
        roughsky::Directions(bodies, tt, out);
        benchmark::DoNotOptimize(out);
        tt = tt + Step < End ? tt + Step : From;
    }
}
BENCHMARK(RoughDirections)
    ->Arg(0x3ff)                // every body
    ->Arg(1 << int(Body::Moon)) // the Moon alone
    ->Arg(0x1ff)                // the planets and the Sun
    ->Unit(benchmark::kMicrosecond);

void TrueDirections(benchmark::State &state)
{
    std::array<Body, 10> bodies{};
    for (std::size_t i = 0; i < bodies.size(); ++i)
        bodies[i] = static_cast<Body>(i);
    std::array<truesky::Direction, 10> out{};
    double tt = From;
    for (auto _ : state) {
        truesky::ApparentDirections(bodies.data(), bodies.size(), truesky::AtTerrestrialTime(tt),
                                    out.data());
        benchmark::DoNotOptimize(out);
        tt = tt + Step < End ? tt + Step : From;
    }
}
BENCHMARK(TrueDirections)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

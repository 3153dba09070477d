// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sky-events search against the plain way of doing the same work: the
// true sky's apparent places every hour.
#include "model/catalogue.h"
#include "model/placetable.h"
#include "model/skyevents.h"
#include "model/truealignment.h"
#include "model/truesky.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <random>
#include <thread>
#include <vector>

namespace {

using namespace skyevents;
using Clock = std::chrono::steady_clock;

double JulianDay(int year)
{
    using namespace std::chrono;
    const sys_days day{year_month_day{std::chrono::year{year}, January, 1d}};
    return static_cast<double>(day.time_since_epoch().count()) + 2440587.5;
}

// Every kind, every pair of the Moon and the eight planets, 5°; the
// gathering of all nine.
Search Everything(int from, int to)
{
    Search search;
    search.from = JulianDay(from);
    search.to = JulianDay(to);
    search.kinds = AllKinds;
    search.bodies = EveryBody;
    search.group = EveryBody;
    search.limit = 5;
    return search;
}

void OneYear(benchmark::State &state)
{
    const Search search = Everything(2026, 2027);
    std::size_t events = 0;
    for (auto _ : state) {
        events = FindEvents(search).events.size();
        benchmark::DoNotOptimize(events);
    }
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(OneYear)->Unit(benchmark::kMillisecond)->Repetitions(5);

// The plain way's least work for the same year: the apparent directions of
// the nine bodies and the Sun every hour, before any event is refined.
void OneYearHourByHour(benchmark::State &state)
{
    const double from = JulianDay(2026), to = JulianDay(2027);
    constexpr std::array<Body, 10> all{Body::Mercury, Body::Venus,  Body::Earth,  Body::Mars,
                                       Body::Jupiter, Body::Saturn, Body::Uranus, Body::Neptune,
                                       Body::Pluto,   Body::Moon};
    std::array<truesky::Direction, 10> sky{};
    for (auto _ : state) {
        for (double jd = from; jd < to; jd += 1.0 / 24) {
            truesky::ApparentDirections(all.data(), all.size(), truesky::AtUniversalTime(jd),
                                        sky.data());
            benchmark::DoNotOptimize(sky);
        }
    }
}
BENCHMARK(OneYearHourByHour)->Unit(benchmark::kSecond)->Iterations(1);

// The exact places of the planets and the Sun at 2,000 instants drawn at
// random from one year, as a search asks for them: from the theories each
// time (table:0), and from a place table filled as it goes, the cost of its
// nodes included (table:1).
void ExactPlacesOneYear(benchmark::State &state)
{
    const bool fromTable = state.range(0) == 1;
    constexpr std::array<Body, 9> planets{Body::Mercury, Body::Venus,   Body::Earth,
                                          Body::Mars,    Body::Jupiter, Body::Saturn,
                                          Body::Uranus,  Body::Neptune, Body::Pluto};
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> instant(JulianDay(2026), JulianDay(2027));
    std::vector<double> instants(2000);
    for (double &jd : instants)
        jd = instant(random);
    std::array<truesky::Direction, 9> sky{};
    for (auto _ : state) {
        const PlaceTable table;
        const truesky::Places &places = fromTable ? table : truesky::EphemerisPlaces();
        for (double jd : instants) {
            truesky::ApparentDirections(planets.data(), planets.size(),
                                        truesky::AtUniversalTime(jd), sky.data(), places);
            benchmark::DoNotOptimize(sky);
        }
    }
}
BENCHMARK(ExactPlacesOneYear)->ArgName("table")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A century, as it streams: the first batch and the whole.
void OneCentury(benchmark::State &state)
{
    const Search search = Everything(2000, 2100);
    double firstBatch = 0;
    std::size_t events = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        firstBatch = 0;
        const Found found = FindEvents(search, nullptr, [&](const std::vector<Event> &) {
            if (firstBatch == 0)
                firstBatch =
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        });
        events = found.events.size();
    }
    state.counters["first_batch_ms"] = firstBatch;
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(OneCentury)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

// How soon a cancel is heard: the whole calendar searched on another thread
// and cancelled at several moments of its first second, the time from the
// cancel to the search's return. The slowest of them is the figure.
void CancelHeard(benchmark::State &state)
{
    const Search search = Everything(1601, 10000);
    double slowest = 0;
    for (auto _ : state) {
        for (const int waitMs : {10, 100, 250, 600, 900}) {
            Progress progress;
            Clock::time_point cancelled;
            std::thread searching([&] { FindEvents(search, &progress); });
            std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
            cancelled = Clock::now();
            progress.cancel = true;
            searching.join();
            const std::chrono::duration<double, std::milli> heard = Clock::now() - cancelled;
            slowest = std::max(slowest, heard.count());
        }
    }
    state.counters["slowest_ms"] = slowest;
}
BENCHMARK(CancelHeard)->Unit(benchmark::kSecond)->Iterations(1);

// Gatherings of Mercury, Venus, Mars, Jupiter and Saturn within 10°, 1601 to
// 2600.
Search FivePlanets(int from, int to)
{
    Search search;
    search.from = JulianDay(from);
    search.to = JulianDay(to);
    search.kinds = KindBit(Kind::Gathering);
    search.bodies = 0;
    search.group = BodyBit(Body::Mercury) | BodyBit(Body::Venus) | BodyBit(Body::Mars) |
                   BodyBit(Body::Jupiter) | BodyBit(Body::Saturn);
    search.limit = 10;
    return search;
}

void FivePlanetGatherings(benchmark::State &state)
{
    const Search search = FivePlanets(1601, 2600);
    std::size_t events = 0;
    for (auto _ : state)
        events = FindEvents(search).events.size();
    state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(FivePlanetGatherings)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

// The plain way's least work for one of those thousand years: the five
// planets and the Sun every hour.
void FivePlanetsHourByHourOneYear(benchmark::State &state)
{
    const double from = JulianDay(2000), to = JulianDay(2001);
    constexpr std::array<Body, 6> five{Body::Mercury, Body::Venus,   Body::Earth,
                                       Body::Mars,    Body::Jupiter, Body::Saturn};
    std::array<truesky::Direction, 6> sky{};
    for (auto _ : state) {
        for (double jd = from; jd < to; jd += 1.0 / 24) {
            truesky::ApparentDirections(five.data(), five.size(), truesky::AtUniversalTime(jd),
                                        sky.data());
            benchmark::DoNotOptimize(sky);
        }
    }
}
BENCHMARK(FivePlanetsHourByHourOneYear)->Unit(benchmark::kSecond)->Iterations(1);

// Fifty questions: the next conjunction within 5° of two random planets
// after a random day from 1700 to 2400, however far ahead. The median and
// the slowest, beside the alignment finder's answer to the same two planets
// (whole-degree bearings, separation 5) from the same days.
struct Question {
    Body a, b;
    double from;
};

std::vector<Question> Questions()
{
    std::mt19937 random(20261208);
    std::vector<Question> questions;
    while (questions.size() < 50) {
        const auto i = std::uniform_int_distribution<std::size_t>(0, 7)(random);
        const auto j = std::uniform_int_distribution<std::size_t>(0, 7)(random);
        if (i == j)
            continue;
        const double from = std::floor(std::uniform_real_distribution<double>(
                                JulianDay(1700), JulianDay(2400))(random)) +
                            0.5;
        questions.push_back({AlignmentPlanets[i], AlignmentPlanets[j], from});
    }
    return questions;
}

void Report(benchmark::State &state, std::vector<double> milliseconds)
{
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["slowest_ms"] = milliseconds.back();
}

void NextConjunction(benchmark::State &state)
{
    const std::vector<Question> questions = Questions();
    std::vector<double> milliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        for (const Question &q : questions) {
            Search search;
            search.from = q.from;
            search.kinds = KindBit(Kind::Conjunction);
            search.bodies = BodyBit(q.a) | BodyBit(q.b);
            search.limit = 5;
            const auto start = Clock::now();
            benchmark::DoNotOptimize(NextEvent(search));
            milliseconds.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
    }
    Report(state, milliseconds);
}
BENCHMARK(NextConjunction)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

void NextAlignmentOfTheFinder(benchmark::State &state)
{
    const std::vector<Question> questions = Questions();
    std::vector<double> milliseconds;
    for (auto _ : state) {
        milliseconds.clear();
        for (const Question &q : questions) {
            alignment::Query query;
            query.maxSeparation = 5;
            query.startJulianDay = q.from;
            query.startOffset = q.from - truesky::EpochJulianDay;
            query.endOffset = alignment::EndOffset();
            for (std::size_t i = 0; i < AlignmentPlanets.size(); ++i)
                query.ticked[i] = AlignmentPlanets[i] == q.a || AlignmentPlanets[i] == q.b;
            const auto start = Clock::now();
            benchmark::DoNotOptimize(alignment::FindNextTrueAlignment(query));
            milliseconds.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
    }
    Report(state, milliseconds);
}
BENCHMARK(NextAlignmentOfTheFinder)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();

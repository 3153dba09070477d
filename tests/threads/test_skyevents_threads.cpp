// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sky-events search from several threads at once, without Qt, so that
// ThreadSanitizer sees every thread it runs: searches side by side must
// find what one alone finds, and a search cancelled from another thread
// must stop with whole events only; and the place table that a search's
// threads share must give each of them the places one thread alone gets.
#include "model/placetable.h"
#include "model/skyevents.h"
#include "threads/check.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

using namespace skyevents;

namespace {

using threadtest::Check;

bool Same(const std::vector<Event> &a, const std::vector<Event> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].julianDay != b[i].julianDay || a[i].kind != b[i].kind ||
            a[i].bodies != b[i].bodies)
            return false;
    }
    return true;
}

Search Years(double from, double years)
{
    Search search;
    search.from = from;
    search.to = from + 365.25 * years;
    search.kinds = AllKinds;
    search.group = BodyBit(Body::Moon) | BodyBit(Body::Venus) | BodyBit(Body::Jupiter);
    search.limit = 4;
    return search;
}

} // namespace

int main()
{
    // 1 January 2024 and 1 January 1850.
    const Search recent = Years(2460310.5, 2), older = Years(2396758.5, 2);
    const std::vector<Event> alone = FindEvents(recent).events;
    const std::vector<Event> olderAlone = FindEvents(older).events;
    Check(alone.size() > 100, "a search finds its events");

    // Two searches side by side, each on its own threads, share the
    // theories' locks.
    std::vector<Event> first, second;
    std::thread a([&] { first = FindEvents(recent).events; });
    std::thread b([&] { second = FindEvents(older).events; });
    a.join();
    b.join();
    Check(Same(first, alone), "a search beside another finds what it finds alone");
    Check(Same(second, olderAlone), "the other search too");

    // Cancelled from another thread at several moments.
    for (int waitMs : {0, 5, 30, 120}) {
        Progress progress;
        std::vector<Event> streamed;
        Found found;
        std::thread worker([&] {
            found = FindEvents(recent, &progress, [&](const std::vector<Event> &batch) {
                streamed.insert(streamed.end(), batch.begin(), batch.end());
            });
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(waitMs));
        progress.cancel = true;
        const double fraction = progress.fraction.load();
        worker.join();
        Check(fraction >= 0 && fraction <= 1, "the progress is a fraction");
        Check(Same(found.events, streamed), "a cancelled search returns what it streamed");
        Check(found.events.size() <= alone.size() &&
                  Same(found.events, std::vector<Event>(alone.begin(),
                                                        alone.begin() + static_cast<std::ptrdiff_t>(
                                                                            found.events.size()))),
              "what a cancelled search returns is the start of the whole list");
    }

    // The next event, asked from two threads at once.
    Search pair = recent;
    pair.kinds = KindBit(Kind::Conjunction);
    pair.bodies = BodyBit(Body::Uranus) | BodyBit(Body::Neptune);
    pair.limit = 2;
    Found next1, next2;
    std::thread c([&] { next1 = NextEvent(pair); });
    std::thread d([&] { next2 = NextEvent(pair); });
    c.join();
    d.join();
    Check(next1.events.size() == 1 && Same(next1.events, next2.events),
          "the next event is the same from two threads");

    // One table asked by four threads at once for the same spans, each
    // from a different end, against a table asked by one thread.
    const PlaceTable shared, single;
    const auto ask = [](const PlaceTable &table, int offset, std::vector<truesky::Position> &out) {
        for (int i = 0; i < 200; ++i) {
            const int k = (i * 7 + offset) % 200;
            out[static_cast<std::size_t>(k)] =
                table.Heliocentric(static_cast<Body>(k % 8), 2460310.5 + k * 1.37);
        }
    };
    std::vector<std::vector<truesky::Position>> seen(4, std::vector<truesky::Position>(200));
    std::vector<std::thread> askers;
    for (int t = 0; t < 4; ++t)
        askers.emplace_back([&, t] { ask(shared, t * 50, seen[static_cast<std::size_t>(t)]); });
    for (std::thread &asker : askers)
        asker.join();
    std::vector<truesky::Position> fromOne(200);
    ask(single, 0, fromOne);
    for (const auto &places : seen)
        Check(places == fromOne, "a shared place table gives every thread the same places");

    return threadtest::Result();
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any ticked set, separation and start date: the search ends, and an answer
// lies between its start and where it stopped.
#include "model/alignment.h"
#include "model/catalogue.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 6)
        return 0;
    alignment::Query query;
    for (int i = 0; i < 8; ++i)
        query.ticked[static_cast<std::size_t>(i)] = (data[0] >> i) & 1;
    query.maxSeparation = data[1] % 100;
    query.hemisphereSign = (data[2] & 1) ? 1 : -1;
    std::int32_t start = 0;
    std::memcpy(&start, data + 2, sizeof start);
    // Any day the date picker can hold (1601 to 9999), at its time of day.
    query.startOffset = static_cast<double>(start % 3'000'000 - 146'000) + StatusTimeOfDay;
    query.endOffset = alignment::EndOffset();
    const alignment::Result result = alignment::FindNextAlignment(query);
    int ticked = 0;
    for (const bool t : query.ticked)
        ticked += t;
    if (ticked < 2) {
        if (result.found)
            std::abort();
        return 0;
    }
    if (result.endedOffset < query.startOffset + 1)
        std::abort();
    if (result.found &&
        (result.bestOffset <= query.startOffset || result.bestOffset >= result.endedOffset ||
         result.bestSeparation > query.maxSeparation))
        std::abort();
    return 0;
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks of the tests that run without QtTest, so that
// ThreadSanitizer sees only the threads under test.

#include <cstdio>

namespace threadtest {

inline int failures = 0;

inline void Check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

// The process's exit status, after saying how it went.
inline int Result()
{
    if (failures == 0)
        std::printf("all passed\n");
    return failures == 0 ? 0 : 1;
}

} // namespace threadtest

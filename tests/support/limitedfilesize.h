// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csignal>
#include <sys/resource.h>

// Files may not grow beyond `bytes` while it lives, as on a disk that fills
// up: a write past it fails (its signal ignored) rather than ending the
// process. Root is held to it too.
class LimitedFileSize {
public:
    explicit LimitedFileSize(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~LimitedFileSize()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    LimitedFileSize(const LimitedFileSize &) = delete;
    LimitedFileSize &operator=(const LimitedFileSize &) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

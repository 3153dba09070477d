// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a settings file: the first 8 give the two values, anything
// shorter gives the defaults; nothing else can happen.
#include "app/settings.h"

#include <QtEndian>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const Settings settings = ParseSettings(bytes);
    if (size < 8) {
        if (!(settings == Settings{}))
            std::abort();
    } else {
        if (settings.hemisphereSign != qFromLittleEndian<qint32>(data) ||
            settings.latitude != qFromLittleEndian<qint32>(data + 4))
            std::abort();
        if (SerialiseSettings(settings) != bytes.left(8))
            std::abort();
    }
    return 0;
}

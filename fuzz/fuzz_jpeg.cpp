// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the photograph: a picture or a message, never an exit.
#include "dialogs/jpegdecoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const DecodedJpeg decoded =
        DecodeJpeg(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    if (decoded.image.isNull() == decoded.error.isEmpty())
        std::abort();
    return 0;
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any typed or pasted text in the digit fields: the latitude and interval
// fields always end as 1 to 2 or 1 to 3 digits, the hour field gives a
// position within 0 to 13, the degrees field a number or "no digits".
#include "views/digitfield.h"

#include <cstdlib>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

bool OnlyDigits(const QString &text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const auto &[digits, empty] : {std::pair{2, "0"}, std::pair{3, "1"}}) {
        const QString clean = CleanDigits(text, digits, QString::fromLatin1(empty));
        Check(!clean.isEmpty() && clean.size() <= digits && OnlyDigits(clean));
        // Clean text stays as it is: the change handler settles at once.
        Check(CleanDigits(clean, digits, QString::fromLatin1(empty)) == clean);
    }
    for (const int current : {0, 7, 13}) {
        const int position = HourPositionFromText(text, current);
        Check(position >= 0 && position <= 13);
    }
    if (const std::optional<int> degrees = DegreesFromText(text))
        Check(*degrees >= 0 || text.contains(QLatin1Char('-')));
    return 0;
}

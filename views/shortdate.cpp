// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/shortdate.h"

QString ShortDateFormat(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString result;
    result.reserve(format.size() + 2);
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            result += c;
        } else if (!quoted && c == QLatin1Char('y')) {
            // However many letters the locale uses for the year, write four.
            while (i + 1 < format.size() && format.at(i + 1) == QLatin1Char('y'))
                ++i;
            result += QLatin1String("yyyy");
        } else {
            result += c;
        }
    }
    return result;
}

QString ShortDateText(QDate day, const QLocale &locale)
{
    return locale.toString(day, ShortDateFormat(locale));
}

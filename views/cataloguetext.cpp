// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/cataloguetext.h"

QDate EpochDate()
{
    return QDate(static_cast<int>(Epoch.year()), static_cast<int>(unsigned(Epoch.month())),
                 static_cast<int>(unsigned(Epoch.day())));
}

QString BodyNameText(Body body)
{
    const std::string_view name = BodyName(body);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

// The user's short date format with the year always in four digits: the
// order and separators are the locale's, but a status date may lie anywhere
// from 1601 to 9999, where "26" could be 1926 or 2026.
QString ShortDateFormat(const QLocale &locale = QLocale());

// A date written in that format.
QString ShortDateText(QDate day, const QLocale &locale = QLocale());

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/digitfield.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

void AcceptDigitsOnly(QLineEdit *field, int places, DigitPlaces kind)
{
    const QString character =
        kind == DigitPlaces::MayBeBlank ? QStringLiteral("[0-9 ]") : QStringLiteral("\\d");
    field->setMaxLength(places);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("%1{0,%2}").arg(character).arg(places)), field));
}

QString CleanDigits(const QString &text, int maxDigits, const QString &emptyDefault)
{
    QString digits;
    for (const QChar c : text) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    }
    if (digits.isEmpty())
        digits = emptyDefault;
    if (digits.size() > maxDigits)
        digits = digits.right(maxDigits);
    return digits;
}

int HourPositionFromText(const QString &text, int current)
{
    bool isNumber = false;
    const int typed = text.trimmed().toInt(&isNumber);
    return isNumber ? std::clamp(typed, 0, 13) : current;
}

std::optional<int> DegreesFromText(const QString &text)
{
    bool isNumber = false;
    const int degrees = QString(text).remove(QLatin1Char(' ')).toInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return degrees;
}

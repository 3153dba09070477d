#include "views/digitfield.h"

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

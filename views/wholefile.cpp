// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/wholefile.h"

#include <QSaveFile>

bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    // Unbuffered, so that a disk that fills up on the way shows as a short
    // write here: a buffered QSaveFile writes what fits when it is committed
    // and reports success.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const qint64 written = file.write(bytes);
        if (written == bytes.size() && file.commit())
            return true;
        if (written >= 0 && written < bytes.size() && reason) {
            *reason = QStringLiteral("only %1 of %2 bytes could be written; the disk may be full")
                          .arg(written)
                          .arg(bytes.size());
            file.cancelWriting();
            return false;
        }
    }
    if (reason) {
        QString text = file.errorString();
        while (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        *reason = text.isEmpty() ? QStringLiteral("unknown error") : text;
    }
    file.cancelWriting();
    return false;
}

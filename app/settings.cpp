// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

Settings ParseSettings(const QByteArray &bytes)
{
    if (bytes.size() < 8)
        return {};
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    return {qFromLittleEndian<qint32>(data), qFromLittleEndian<qint32>(data + 4)};
}

QByteArray SerialiseSettings(const Settings &settings)
{
    QByteArray bytes(8, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<qint32>(settings.hemisphereSign, data);
    qToLittleEndian<qint32>(settings.latitude, data + 4);
    return bytes;
}

Settings LoadSettings(const QString &folder)
{
    QFile file(QDir(folder).filePath(QString::fromLatin1(SettingsFileName)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseSettings(file.read(8));
}

bool SaveSettings(const QString &folder, const Settings &settings)
{
    QString path = QDir(folder).filePath(QString::fromLatin1(SettingsFileName));
    // Replace what a link points to, not the link.
    const QFileInfo info(path);
    if (info.isSymLink())
        path = info.symLinkTarget();
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(SerialiseSettings(settings)) != 8) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

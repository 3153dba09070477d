// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/startup.h"

#include <QDir>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace startup {

bool FromDesktopEntry(const QProcessEnvironment &environment)
{
    if (environment.value(QStringLiteral("HELIODIAL_DESKTOP_ENTRY")) == QLatin1String("1"))
        return true;
    const QString launched = environment.value(QStringLiteral("GIO_LAUNCHED_DESKTOP_FILE"));
    return launched.endsWith(QLatin1String("/org.heliodial.Heliodial.desktop"));
}

QString DesktopWorkingFolder(const QProcessEnvironment &environment)
{
    QString base = environment.value(QStringLiteral("XDG_CONFIG_HOME"));
    if (!QDir::isAbsolutePath(base))
        base = environment.value(QStringLiteral("HOME"), QDir::homePath()) +
               QStringLiteral("/.config");
    return QDir::cleanPath(base + QStringLiteral("/heliodial"));
}

QByteArray PreferredPlatform(const QProcessEnvironment &environment)
{
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return {};
    if (environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return {};
    return QByteArrayLiteral("xcb");
}

QString Prepare(const QProcessEnvironment &environment)
{
    const QByteArray platform = PreferredPlatform(environment);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    if (!FromDesktopEntry(environment))
        return {};
    const QString folder = DesktopWorkingFolder(environment);
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
        return QStringLiteral("heliodial: cannot work in %1; the settings stay in %2")
            .arg(folder, QDir::currentPath());
    return {};
}

void ReleaseLargeBlocksPromptly()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
#endif
}

} // namespace startup

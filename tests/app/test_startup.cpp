// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program works and which window system it asks for, from the
// environment it was started in.
#include "app/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QProcessEnvironment Environment(std::initializer_list<std::pair<const char *, const char *>> values)
{
    QProcessEnvironment environment;
    for (const auto &[name, value] : values)
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return environment;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void theDesktopEntryIsTold()
    {
        QVERIFY(startup::FromDesktopEntry(Environment({{"HELIODIAL_DESKTOP_ENTRY", "1"}})));
        QVERIFY(startup::FromDesktopEntry(
            Environment({{"GIO_LAUNCHED_DESKTOP_FILE",
                          "/usr/share/applications/org.heliodial.Heliodial.desktop"}})));
        // A terminal, or another program's entry that started this one.
        QVERIFY(!startup::FromDesktopEntry(Environment({})));
        QVERIFY(!startup::FromDesktopEntry(Environment({{"HELIODIAL_DESKTOP_ENTRY", "0"}})));
        QVERIFY(!startup::FromDesktopEntry(
            Environment({{"GIO_LAUNCHED_DESKTOP_FILE",
                          "/usr/share/applications/org.gnome.Terminal.desktop"}})));
    }

    void theConfigurationFolderFollowsTheBaseDirectoryRules()
    {
        QCOMPARE(startup::DesktopWorkingFolder(Environment({{"HOME", "/home/ada"}})),
                 QStringLiteral("/home/ada/.config/heliodial"));
        QCOMPARE(startup::DesktopWorkingFolder(
                     Environment({{"HOME", "/home/ada"}, {"XDG_CONFIG_HOME", "/srv/conf/"}})),
                 QStringLiteral("/srv/conf/heliodial"));
        QCOMPARE(startup::DesktopWorkingFolder(
                     Environment({{"HOME", "/home/ada"}, {"XDG_CONFIG_HOME", "conf"}})),
                 QStringLiteral("/home/ada/.config/heliodial"));
    }

    void x11IsPreferredWhereItIsThere()
    {
        QCOMPARE(startup::PreferredPlatform(Environment({{"DISPLAY", ":0"}})), "xcb");
        QCOMPARE(startup::PreferredPlatform(
                     Environment({{"DISPLAY", ":0"}, {"WAYLAND_DISPLAY", "wayland-0"}})),
                 "xcb");
        // The user's own choice stands, and a Wayland-only session keeps Wayland.
        QCOMPARE(startup::PreferredPlatform(
                     Environment({{"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}})),
                 QByteArray());
        QCOMPARE(startup::PreferredPlatform(Environment({{"WAYLAND_DISPLAY", "wayland-0"}})),
                 QByteArray());
    }

    void startedFromTheMenuItWorksInItsConfigurationFolder()
    {
        const QString started = QDir::currentPath();
        QTemporaryDir home;
        const QString expected = home.path() + QStringLiteral("/.config/heliodial");
        const QProcessEnvironment environment =
            Environment({{"HELIODIAL_DESKTOP_ENTRY", "1"}, {"QT_QPA_PLATFORM", "offscreen"}});
        QProcessEnvironment withHome = environment;
        withHome.insert(QStringLiteral("HOME"), home.path());
        QCOMPARE(startup::Prepare(withHome), QString());
        QCOMPARE(QDir::currentPath(), expected);
        QVERIFY(QDir::setCurrent(started));

        // A configuration folder that cannot be made: a file stands in its way.
        QFile blocker(home.path() + QStringLiteral("/blocked"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QProcessEnvironment blocked = environment;
        blocked.insert(QStringLiteral("XDG_CONFIG_HOME"), blocker.fileName());
        const QString warning = startup::Prepare(blocked);
        QVERIFY2(warning.contains(blocker.fileName() + QStringLiteral("/heliodial")),
                 qPrintable(warning));
        QCOMPARE(QDir::currentPath(), started);

        // From a terminal it stays where it was started.
        QCOMPARE(startup::Prepare(Environment({{"QT_QPA_PLATFORM", "offscreen"}})), QString());
        QCOMPARE(QDir::currentPath(), started);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"

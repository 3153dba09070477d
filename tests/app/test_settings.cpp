// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "app/settings.h"
#include "support/fakeplatform.h"
#include "views/radiogroup.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values)
        bytes.append(static_cast<char>(v));
    return bytes;
}

void Write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void bytes()
    {
        QCOMPARE(SerialiseSettings({-1, 52}), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x34, 0, 0, 0}));
        QCOMPARE(SerialiseSettings({}), Bytes({1, 0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(ParseSettings(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x23, 0, 0, 0})), (Settings{-1, 35}));
        // Short: both values fall back, even the one that was there.
        QCOMPARE(ParseSettings(Bytes({0xFF, 0xFF, 0xFF, 0xFF})), Settings{});
        QCOMPARE(ParseSettings({}), Settings{});
        // Bytes after the first 8 are ignored.
        QCOMPARE(ParseSettings(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 5, 0, 0, 0, 9, 9, 9, 9})),
                 (Settings{-1, 5}));
        const Settings extreme{std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()};
        QCOMPARE(ParseSettings(SerialiseSettings(extreme)), extreme);
    }

    void filesInAFolder()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("Settings.hdx");
        QCOMPARE(LoadSettings(folder.path()), Settings{});
        QVERIFY(SaveSettings(folder.path(), {-1, 35}));
        QCOMPARE(Read(path), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x23, 0, 0, 0}));
        QCOMPARE(LoadSettings(folder.path()), (Settings{-1, 35}));
        // Overwriting leaves only the file itself: no temporary file behind.
        QVERIFY(SaveSettings(folder.path(), {1, 7}));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Settings.hdx"});
        QCOMPARE(Read(path).size(), 8);
    }

    void linksAndReadOnlyFolders()
    {
        QTemporaryDir folder;
        QDir(folder.path()).mkdir("real");
        const QString target = folder.filePath("real/stored.hdx");
        Write(target, SerialiseSettings({1, 1}));
        QVERIFY(QFile::link(target, folder.filePath("Settings.hdx")));
        QVERIFY(SaveSettings(folder.path(), {-1, 60}));
        QVERIFY(QFileInfo(folder.filePath("Settings.hdx")).isSymLink());
        QCOMPARE(ParseSettings(Read(target)), (Settings{-1, 60}));

        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        // A read-only folder with a writable file: written in place.
        QDir(folder.path()).mkdir("locked");
        const QString locked = folder.filePath("locked");
        Write(locked + "/Settings.hdx", SerialiseSettings({1, 2}));
        QVERIFY(chmod(qPrintable(locked), 0555) == 0);
        QVERIFY(SaveSettings(locked, {-1, 3}));
        QCOMPARE(LoadSettings(locked), (Settings{-1, 3}));
        // A read-only folder without the file: nothing written, silently.
        QDir(folder.path()).mkdir("empty");
        QVERIFY(chmod(qPrintable(folder.filePath("empty")), 0555) == 0);
        QVERIFY(!SaveSettings(folder.filePath("empty"), {-1, 3}));
        chmod(qPrintable(locked), 0755);
        chmod(qPrintable(folder.filePath("empty")), 0755);
    }

    void programRemembersHemisphereAndLatitude()
    {
        QTemporaryDir folder;
        FakePlatform platform;
        platform.folder = folder.path();
        {
            Heliodial first(platform);
            QCOMPARE(first.Form1()->HemisphereSign, 1);
            first.Form1()->North1->trigger();
            first.Form1()->Latitude = 35;
            first.Form1()->Exit1->trigger();
        }
        QCOMPARE(Read(folder.filePath("Settings.hdx")),
                 Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x23, 0, 0, 0}));
        Heliodial second(platform);
        QCOMPARE(second.Form1()->HemisphereSign, -1);
        QVERIFY(second.Form1()->North1->isChecked());
        QCOMPARE(second.Options()->RadioGroup1->itemIndex(), 0);
        QCOMPARE(second.Options()->btnHorizon->text(), QStringLiteral("Show Horizon at 35 deg"));
    }

    void noWriteAfterACalculationError()
    {
        QTemporaryDir folder;
        FakePlatform platform;
        platform.folder = folder.path();
        Heliodial app(platform);
        app.Form1()->HemisphereSign = std::numeric_limits<std::int32_t>::max();
        app.Form1()->Timer1Timer();
        QCOMPARE(platform.endRequests.size(), 1);
        QVERIFY(!QFile::exists(folder.filePath("Settings.hdx")));
    }

    void extremeStoredValuesStartCleanly()
    {
        for (const Settings stored : {Settings{std::numeric_limits<std::int32_t>::max(),
                                               std::numeric_limits<std::int32_t>::min()},
                                      Settings{std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()},
                                      Settings{0, 91}}) {
            QTemporaryDir folder;
            Write(folder.filePath("Settings.hdx"), SerialiseSettings(stored));
            FakePlatform platform;
            platform.folder = folder.path();
            Heliodial app(platform);
            // Any sign other than south comes up as north.
            QCOMPARE(app.Form1()->HemisphereSign, -1);
            QCOMPARE(app.Form1()->Latitude, stored.latitude);
            QVERIFY(platform.messages.isEmpty());
        }
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"

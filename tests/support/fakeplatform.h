// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

// A scripted platform: fixed today, fixed star seed, recorded messages and
// answers given in advance; ending the program is only recorded.
class FakePlatform : public Platform {
public:
    struct Message {
        MessageKind kind;
        QString text;
    };

    QDate todayDate{2026, 12, 7};
    std::uint32_t seed = 12345;
    QSize screen{1280, 1024};
    // A folder of its own, so that no test reads another's settings file.
    QTemporaryDir ownFolder;
    QString folder = ownFolder.path();
    QList<Button> answers;               // taken in turn; Yes/Ok when empty
    std::function<int(QDialog *)> modal; // drives a modal dialog; 0 when unset

    QList<Message> messages;
    QList<int> endRequests;
    QString helpFile;
    int helpContentsShown = 0;
    int hourglassDepth = 0;

    Button messageBox(QWidget *, MessageKind kind, const QString &text) override;
    int runModal(QDialog *dialog) override;
    QDate today() override { return todayDate; }
    // Each star field gets the next seed, as a clock would give.
    std::uint32_t starSeed() override { return seed++; }
    void setHourglass(bool on) override { hourglassDepth += on ? 1 : -1; }
    void setHelpFile(const QString &name) override { helpFile = name; }
    void showHelpContents(QWidget *) override { ++helpContentsShown; }
    void endApplication(int exitCode) override { endRequests.append(exitCode); }
    QSize screenSize() override { return screen; }
    QString settingsFolder() override { return folder; }
    QMap<QString, QString> preferences;
    QString preference(const QString &key) override { return preferences.value(key); }
    void setPreference(const QString &key, const QString &value) override
    {
        preferences[key] = value;
    }

    // The file dialog: what it was offered, and the answer it gives (empty:
    // cancelled). `insideDialog` runs while it is "open".
    struct SaveRequest {
        QString caption;
        QString suggested;
        QStringList filters;
    };
    QList<SaveRequest> saveRequests;
    QString savePath;
    QString saveFilter;
    std::function<void()> insideDialog;
    QString saveFileName(QWidget *, const QString &caption, const QString &suggested,
                         const QStringList &filters, QString *chosenFilter) override;
    // The print dialog: accepted printing to this PDF file, cancelled when empty.
    QString printToPdf;
    int printDialogs = 0;
    bool choosePrinter(QWidget *, QPrinter &printer) override;
};

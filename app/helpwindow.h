// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QTextBrowser;

// Where a bare help file name is looked for, in order: the working folder,
// the program's own folder, then the installed data folder.
QStringList HelpFolders();

// The first folder's file of that name, or an empty string.
QString FindHelpFile(const QString &name, const QStringList &folders);

// The help window: the help document with a table of contents built from its
// topics, and its links followed within it.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Loads an HTML help document; false when it cannot be read.
    bool load(const QString &path);
    QStringList contents() const;
    QTextBrowser *browser() const { return m_browser; }

private:
    QListWidget *m_contents;
    QTextBrowser *m_browser;
    QStringList m_anchors;
};

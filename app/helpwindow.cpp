// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helpwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>

QStringList HelpFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    // The data folder beside bin/ wherever the program was installed, then
    // the one it was built for.
    QStringList folders = {QDir::currentPath(), program,
                           QDir::cleanPath(program + QStringLiteral("/../share/heliodial"))};
#ifdef HELIODIAL_DATA_DIR
    folders << QStringLiteral(HELIODIAL_DATA_DIR);
#endif
    folders.removeDuplicates();
    return folders;
}

QString FindHelpFile(const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QFileInfo candidate(QDir(folder), name);
        if (candidate.isFile() && candidate.isReadable())
            return candidate.absoluteFilePath();
    }
    return {};
}

HelpWindow::HelpWindow() : m_contents(new QListWidget), m_browser(new QTextBrowser)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Heliodial Help"));
    resize(820, 600);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);
    m_browser->setOpenExternalLinks(false);
    auto *splitter = new QSplitter;
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 620});
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    connect(m_contents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_anchors.size())
            m_browser->scrollToAnchor(m_anchors[row]);
    });
}

bool HelpWindow::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString html = QString::fromUtf8(file.readAll());
    m_browser->setHtml(html);
    // A topic is an anchor followed by its heading.
    m_contents->clear();
    m_anchors.clear();
    static const QRegularExpression topic(
        QStringLiteral("<a\\s+name=\"([^\"]+)\"\\s*>\\s*</a>\\s*<h2[^>]*>(.*?)</h2>"),
        QRegularExpression::DotMatchesEverythingOption | QRegularExpression::CaseInsensitiveOption);
    for (auto match = topic.globalMatch(html); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        QString heading = m.captured(2);
        heading.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        m_anchors << m.captured(1);
        m_contents->addItem(heading.simplified());
    }
    return true;
}

QStringList HelpWindow::contents() const
{
    QStringList headings;
    for (int row = 0; row < m_contents->count(); ++row)
        headings << m_contents->item(row)->text();
    return headings;
}

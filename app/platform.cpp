// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform.h"

#include "app/helpwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>

Platform::Button QtPlatform::messageBox(QWidget *parent, MessageKind kind, const QString &message)
{
    const QString title = QGuiApplication::applicationName();
    // The texts break their lines with carriage returns.
    const QString text = QString(message).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    switch (kind) {
    case MessageKind::Error:
        QMessageBox::critical(parent, title, text, QMessageBox::Ok);
        return Button::Ok;
    case MessageKind::Information:
        QMessageBox::information(parent, title, text, QMessageBox::Ok);
        return Button::Ok;
    case MessageKind::Confirmation:
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
                       QMessageBox::Yes
                   ? Button::Yes
                   : Button::No;
    }
    return Button::Ok;
}

int QtPlatform::runModal(QDialog *dialog)
{
    return dialog->exec();
}

QDate QtPlatform::today()
{
    return QDate::currentDate();
}

std::uint32_t QtPlatform::starSeed()
{
    return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch());
}

void QtPlatform::setHourglass(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtPlatform::setHelpFile(const QString &name)
{
    m_helpFile = name;
}

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::showHelpContents(QWidget *parent)
{
    // The desktop has no viewer for the help file: ours finds it where a
    // user would keep it and shows it with its table of contents.
    const QStringList folders = HelpFolders();
    const QString path = FindHelpFile(m_helpFile, folders);
    if (!m_help)
        m_help = std::make_unique<HelpWindow>();
    if (path.isEmpty() || !m_help->load(path)) {
        messageBox(parent, MessageKind::Error,
                   QStringLiteral("The help file %1 could not be found. Heliodial looked in:\r%2")
                       .arg(m_helpFile, folders.join(QLatin1Char('\r'))));
        return;
    }
    m_help->show();
    m_help->raise();
}

void QtPlatform::endApplication(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

QSize QtPlatform::screenSize()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->size();
    return {1024, 768};
}

QList<QRect> QtPlatform::screenAreas()
{
    QList<QRect> areas;
    for (const QScreen *screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas.isEmpty() ? Platform::screenAreas() : areas;
}

QString QtPlatform::settingsFolder()
{
    return QDir::currentPath();
}

// ${XDG_CONFIG_HOME:-~/.config}/heliodial/heliodial.conf
QString QtPlatform::preference(const QString &key)
{
    const QSettings store(QStringLiteral("heliodial"), QStringLiteral("heliodial"));
    const QVariant value = store.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void QtPlatform::setPreference(const QString &key, const QString &value)
{
    QSettings store(QStringLiteral("heliodial"), QStringLiteral("heliodial"));
    store.setValue(key, value);
}

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class HelpWindow;
class QDialog;
class QPrinter;
class QWidget;

// Every platform service a test must be able to control or observe. Windows
// never call QMessageBox, QDate::currentDate() or QCoreApplication::exit()
// themselves; they ask the platform.
class Platform {
public:
    enum class MessageKind { Error, Confirmation, Information };
    enum class Button { Ok, Yes, No };

    virtual ~Platform() = default;

    // A modal message box; answers the button pressed.
    virtual Button messageBox(QWidget *parent, MessageKind kind, const QString &text) = 0;
    // Runs a dialog modally; answers its result code.
    virtual int runModal(QDialog *dialog) = 0;
    virtual QDate today() = 0;
    // Seed for the star field's random generator.
    virtual std::uint32_t starSeed() = 0;
    virtual void setHourglass(bool on) = 0;
    // Hands the help file name to the help layer, once at start.
    virtual void setHelpFile(const QString &name) = 0;
    virtual void showHelpContents(QWidget *parent) = 0;
    // Ends the event loop without closing windows (their close handlers must
    // not run a second time).
    virtual void endApplication(int exitCode) = 0;
    virtual QSize screenSize() = 0;
    // The part of each screen that windows may take, in the desktop's
    // coordinates; the primary screen alone unless told otherwise.
    virtual QList<QRect> screenAreas() { return {QRect(QPoint(0, 0), screenSize())}; }
    // Folder in which the settings file is looked up and written.
    virtual QString settingsFolder() = 0;
    // The user's choices kept between runs in the desktop's configuration
    // folder, apart from the settings file; empty when never stored.
    virtual QString preference(const QString &key) = 0;
    virtual void setPreference(const QString &key, const QString &value) = 0;
    // Asks for the name of a file to write, modally, starting at `suggested`
    // (a full path) with the first of `filters` ("PNG image (*.png)", ...)
    // chosen; answers the path, empty when cancelled, and the filter chosen.
    // Replacing an existing file has been confirmed.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                 const QStringList &filters, QString *chosenFilter) = 0;
    // Lets the user choose the printer and its settings, modally; false when
    // cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
};

// The real services, through Qt.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    Button messageBox(QWidget *parent, MessageKind kind, const QString &text) override;
    int runModal(QDialog *dialog) override;
    QDate today() override;
    std::uint32_t starSeed() override;
    void setHourglass(bool on) override;
    void setHelpFile(const QString &name) override;
    void showHelpContents(QWidget *parent) override;
    void endApplication(int exitCode) override;
    QSize screenSize() override;
    QList<QRect> screenAreas() override;
    QString settingsFolder() override;
    QString preference(const QString &key) override;
    void setPreference(const QString &key, const QString &value) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                         const QStringList &filters, QString *chosenFilter) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;

    QString helpFile() const { return m_helpFile; }

private:
    QString m_helpFile;
    std::unique_ptr<HelpWindow> m_help;
};

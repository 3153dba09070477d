// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/heliodial.h"
#include "app/platform.h"
#include "app/startup.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

namespace {

// Ends the program once the main window has painted for the first time; the
// start-up benchmark sets HELIODIAL_QUIT_AFTER_FIRST_PAINT to time that.
class QuitAfterFirstPaint : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    startup::ReleaseLargeBlocksPromptly();
    const QString warning = startup::Prepare(QProcessEnvironment::systemEnvironment());
    if (!warning.isEmpty())
        QTextStream(stderr) << warning << Qt::endl;
    QApplication application(argc, argv);
    // Only the main window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform platform;
    Heliodial heliodial(platform);
    QuitAfterFirstPaint quitter;
    if (qEnvironmentVariableIsSet("HELIODIAL_QUIT_AFTER_FIRST_PAINT"))
        heliodial.mainWindow()->installEventFilter(&quitter);
    heliodial.show();
    return QApplication::exec();
}

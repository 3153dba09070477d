#include "app/heliodial.h"
#include "app/platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // Only the main window's close ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QtPlatform platform;
    Heliodial heliodial(platform);
    heliodial.show();
    return QApplication::exec();
}

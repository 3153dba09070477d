// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "support/fakeplatform.h"
#include "support/userinput.h"
#include "views/canvas.h"

#include <QObject>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <memory>

// A fresh program on a scripted platform for every test function.
class AppTest : public QObject {
protected:
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<Heliodial> app;

    void startApp(QDate today = QDate(2026, 12, 7), const QMap<QString, QString> &preferences = {})
    {
        platform = std::make_unique<FakePlatform>();
        platform->todayDate = today;
        platform->preferences = preferences;
        app = std::make_unique<Heliodial>(*platform);
    }
    void stopApp()
    {
        app.reset();
        platform.reset();
    }
    TForm1 &form() { return *app->Form1(); }
    TOptions &panel() { return *app->Options(); }

    // The main window shown and active, as the user finds it.
    void showProgram()
    {
        app->show();
        QVERIFY(user::Activate(&form()));
    }
    // A click on a page's tab.
    void clickTab(int page)
    {
        QTabBar *tabs = form().TabbedNotebook1->tabBar();
        user::Click(tabs, tabs->tabRect(page).center());
        QCOMPARE(form().TabbedNotebook1->currentIndex(), page);
    }
};

// How many pixels of a picture have this colour (0 for any drawn pixel).
inline int CountPixels(const Canvas &canvas, QRgb colour = 0)
{
    int count = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            count += colour == 0 ? canvas.isSet(x, y) : canvas.pixel(x, y) == colour;
    return count;
}

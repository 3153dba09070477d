// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's visibility, the menu faces of the hemisphere and orbit
// switches, and the menu items that open the other windows.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/platform.h"
#include "dialogs/aboutbox.h"
#include "dialogs/intervaldialog.h"
#include "views/radiogroup.h"

bool TForm1::restoreControlPanel()
{
    TOptions &panel = options();
    if (!panel.isVisible() || !panel.isMinimized())
        return false;
    panel.setWindowState(panel.windowState() & ~Qt::WindowMinimized);
    panel.raise();
    return true;
}

void TForm1::setControlPanelShown(bool shown)
{
    TOptions &panel = options();
    ControlPanelShown = shown;
    if (shown) {
        // Shown again, it comes back in reach even if it was minimised.
        panel.setWindowState(panel.windowState() & ~Qt::WindowMinimized);
        panel.show();
        Hidecontrolpanel1->setText(QStringLiteral("Hide control panel"));
        checkMenuItem(Showcontrolpanel1);
    } else {
        panel.hide();
        Hidecontrolpanel1->setText(QStringLiteral("Show control panel"));
        checkMenuItem(Hidecontrolpanel2);
    }
}

void TForm1::Hidecontrolpanel1Click()
{
    // A minimised panel is shown, yet out of reach: the item brings it back.
    if (restoreControlPanel())
        return;
    const QString caption = Hidecontrolpanel1->text();
    setControlPanelShown(caption != QLatin1String("&Hide control panel") &&
                         caption != QLatin1String("Hide control panel"));
}

void TForm1::Hidecontrolpanel2Click()
{
    // Hides a minimised panel too, rather than bringing it back first.
    if (options().isVisible())
        setControlPanelShown(false);
}

void TForm1::Showcontrolpanel1Click()
{
    if (!options().isVisible())
        Hidecontrolpanel1Click();
    else
        restoreControlPanel();
}

void TForm1::North1Click()
{
    mirrorRadio(North1, options().RadioGroup1, 0, &TOptions::RadioGroup1Click);
}

void TForm1::South1Click()
{
    mirrorRadio(South1, options().RadioGroup1, 1, &TOptions::RadioGroup1Click);
}

void TForm1::Hideorbits1Click()
{
    mirrorToggle(Hideorbits1, &TOptions::btnOrbitsClick);
}

void TForm1::Showorbits1Click()
{
    mirrorToggle(Showorbits1, &TOptions::btnOrbitsClick);
}

void TForm1::About1Click()
{
    m_platform.runModal(m_app.AboutBox());
}

void TForm1::Interval1Click()
{
    m_platform.runModal(m_app.Form3());
}

void TForm1::Contents1Click()
{
    m_platform.showHelpContents(this);
}

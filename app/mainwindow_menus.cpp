// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu tree: every item with its name, caption and radio
// group, and the connection of each item to its handler.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/radiomenugroup.h"
#include "views/radiogroup.h"

#include <QMenuBar>

namespace {

QMenu *AddMenu(QWidget *owner, QMenu *parentMenu, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, owner);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    if (parentMenu)
        parentMenu->addMenu(menu);
    return menu;
}

QAction *AddItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    return item;
}

QAction *AddSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

// The desktop's own keys for a standard command; `usual` where it names
// none (a desktop of the Windows keyboard scheme has no key to quit).
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command, const QKeySequence &usual)
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    return keys.isEmpty() ? QList<QKeySequence>{usual} : keys;
}

} // namespace

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto top = [&](const char *name, const QString &caption) {
        QMenu *menu = AddMenu(this, nullptr, name, caption);
        bar->addMenu(menu);
        return menu;
    };

    File1 = top("File1", QStringLiteral("&File"));
    Savepicture1 = AddItem(File1, "Savepicture1", QStringLiteral("&Save picture..."));
    Savepicture1->setShortcuts(StandardKeys(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    Copypicture1 = AddItem(File1, "Copypicture1", QStringLiteral("&Copy picture"));
    Copypicture1->setShortcuts(StandardKeys(QKeySequence::Copy, Qt::CTRL | Qt::Key_C));
    // The views' pop-up shows the key as a reminder; a pop-up menu's items
    // take no keys while it is closed, so the key stays the File menu's.
    Copypicture2->setShortcuts(Copypicture1->shortcuts());
    Print1 = AddItem(File1, "Print1", QStringLiteral("&Print..."));
    Print1->setShortcuts(StandardKeys(QKeySequence::Print, Qt::CTRL | Qt::Key_P));
    Fullscreen1 = AddItem(File1, "Fullscreen1", QStringLiteral("&Full screen"));
    Fullscreen1->setCheckable(true);
    Fullscreen1->setShortcuts(StandardKeys(QKeySequence::FullScreen, Qt::Key_F11));
    N4 = AddSeparator(File1, "N4");
    Exit1 = AddItem(File1, "Exit1", QStringLiteral("E&xit"));
    Exit1->setShortcuts(StandardKeys(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));

    Panel2 = top("Panel2", QStringLiteral("&Panel"));
    Hidecontrolpanel2 = AddItem(Panel2, "Hidecontrolpanel2", QStringLiteral("&Hide control panel"));
    Showcontrolpanel1 = AddItem(Panel2, "Showcontrolpanel1", QStringLiteral("&Show control panel"));
    new RadioMenuGroup(this, {Hidecontrolpanel2, Showcontrolpanel1}, Showcontrolpanel1);

    Hemisphere1 = top("Hemisphere1", QStringLiteral("H&emisphere"));
    North1 = AddItem(Hemisphere1, "North1", QStringLiteral("&North"));
    South1 = AddItem(Hemisphere1, "South1", QStringLiteral("&South"));
    new RadioMenuGroup(this, {North1, South1}, South1);

    Movement1 = top("Movement1", QStringLiteral("Mo&vement"));
    Stopplanets1 = AddItem(Movement1, "Stopplanets1", QStringLiteral("&Stop planets"));
    Moveplanets1 = AddItem(Movement1, "Moveplanets1", QStringLiteral("&Move planets"));
    new RadioMenuGroup(this, {Stopplanets1, Moveplanets1}, Stopplanets1);
    N1 = AddSeparator(Movement1, "N1");
    Interval1 = AddItem(Movement1, "Interval1", QStringLiteral("&Interval ..."));

    Orbits1 = top("Orbits1", QStringLiteral("Or&bits"));
    Hideorbits1 = AddItem(Orbits1, "Hideorbits1", QStringLiteral("&Hide orbits"));
    Showorbits1 = AddItem(Orbits1, "Showorbits1", QStringLiteral("&Show orbits"));
    new RadioMenuGroup(this, {Hideorbits1, Showorbits1}, Hideorbits1);

    Horizon1 = top("Horizon1", QStringLiteral("H&orizon"));
    Daylightsvaing1 =
        AddMenu(this, Horizon1, "Daylightsvaing1", QStringLiteral("&Daylight saving"));
    No1 = AddItem(Daylightsvaing1, "No1", QStringLiteral("Daylight saving - of&f"));
    Yes1 = AddItem(Daylightsvaing1, "Yes1", QStringLiteral("Daylight saving - o&n"));
    new RadioMenuGroup(this, {No1, Yes1}, No1);
    Latitude1 = AddItem(Horizon1, "Latitude1", QStringLiteral("Latitude ..."));
    N2 = AddSeparator(Horizon1, "N2");
    Hidehorizon1 = AddItem(Horizon1, "Hidehorizon1", QStringLiteral("&Hide horizon"));
    Showhorizon1 = AddItem(Horizon1, "Showhorizon1", QStringLiteral("&Show horizon"));
    new RadioMenuGroup(this, {Hidehorizon1, Showhorizon1}, Hidehorizon1);

    Display1 = top("Display1", QStringLiteral("&Direction"));
    Direction1 = AddMenu(this, Display1, "Direction1", QStringLiteral("&Which planet?"));
    ToMercury1 = AddItem(Direction1, "ToMercury1", QStringLiteral("To &Mercury"));
    ToVenus1 = AddItem(Direction1, "ToVenus1", QStringLiteral("To &Venus"));
    Tomars1 = AddItem(Direction1, "Tomars1", QStringLiteral("To M&ars"));
    ToJupiter1 = AddItem(Direction1, "ToJupiter1", QStringLiteral("To &Jupiter"));
    ToSaturn1 = AddItem(Direction1, "ToSaturn1", QStringLiteral("To &Saturn"));
    ToUranus1 = AddItem(Direction1, "ToUranus1", QStringLiteral("To &Uranus"));
    ToNeptune1 = AddItem(Direction1, "ToNeptune1", QStringLiteral("To &Neptune"));
    ToPluto1 = AddItem(Direction1, "ToPluto1", QStringLiteral("To &Pluto"));
    N3 = AddSeparator(Direction1, "N3");
    ToMoon2 = AddItem(Direction1, "ToMoon2", QStringLiteral("To M&oon"));
    new RadioMenuGroup(this,
                       {ToMercury1, ToVenus1, Tomars1, ToJupiter1, ToSaturn1, ToUranus1, ToNeptune1,
                        ToPluto1, ToMoon2},
                       ToMercury1);
    Hidedirection1 = AddItem(Display1, "Hidedirection1", QStringLiteral("&Hide direction"));
    Showdirection1 = AddItem(Display1, "Showdirection1", QStringLiteral("&Show direction"));
    new RadioMenuGroup(this, {Hidedirection1, Showdirection1}, Hidedirection1);

    Moon1 = top("Moon1", QStringLiteral("&Moon"));
    Terminator1 = AddMenu(this, Moon1, "Terminator1", QStringLiteral("&Terminator"));
    Hideterminator1 = AddItem(Terminator1, "Hideterminator1", QStringLiteral("&Hide terminator"));
    Showterminator1 = AddItem(Terminator1, "Showterminator1", QStringLiteral("&Show terminator"));
    new RadioMenuGroup(this, {Hideterminator1, Showterminator1}, Hideterminator1);
    Phase1 = AddMenu(this, Moon1, "Phase1", QStringLiteral("&Phase"));
    Hidephase1 = AddItem(Phase1, "Hidephase1", QStringLiteral("&Hide phase"));
    Showphase1 = AddItem(Phase1, "Showphase1", QStringLiteral("&Show phase"));
    new RadioMenuGroup(this, {Hidephase1, Showphase1}, Hidephase1);

    Zo1 = top("Zo1", QStringLiteral("Zodiac"));
    onomy1 = AddItem(Zo1, "onomy1", QStringLiteral("Astro&nomy"));
    ology1 = AddItem(Zo1, "ology1", QStringLiteral("Astro&logy"));
    new RadioMenuGroup(this, {onomy1, ology1}, onomy1);

    Model1 = top("Model1", QStringLiteral("Mode&l"));
    Classicmodel1 =
        AddItem(Model1, "Classicmodel1", QStringLiteral("&Classic model (circular orbits)"));
    Truepositions1 = AddItem(Model1, "Truepositions1", QStringLiteral("&True positions"));
    new RadioMenuGroup(this, {Classicmodel1, Truepositions1}, Classicmodel1);

    When1 = top("When1", QStringLiteral("When?"));
    Nextalignmemt1 = AddItem(When1, "Nextalignmemt1", QStringLiteral("Next alignmemt ..."));
    Skyevents1 = AddItem(When1, "Skyevents1", QStringLiteral("Sky &events..."));

    Help1 = top("Help1", QStringLiteral("&Help"));
    Contents1 = AddItem(Help1, "Contents1", QStringLiteral("&Contents"));
    Contents1->setShortcuts(StandardKeys(QKeySequence::HelpContents, Qt::Key_F1));
    About1 = AddItem(Help1, "About1", QStringLiteral("&About Heliodial..."));
}

bool TForm1::openMenuByMnemonic(int key)
{
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key)));
    for (QAction *menu : menuBar()->actions()) {
        if (!menu->isEnabled() || QKeySequence::mnemonic(menu->text()) != pressed)
            continue;
        activateWindow();
        raise();
        menuBar()->setActiveAction(menu);
        return true;
    }
    return false;
}

void TForm1::checkMenuItem(QAction *item)
{
    if (auto *group = qobject_cast<RadioMenuGroup *>(item->actionGroup()))
        group->check(item);
}

bool TForm1::isMenuItemChecked(const QAction *item) const
{
    const auto *group = qobject_cast<const RadioMenuGroup *>(item->actionGroup());
    return group && group->isChecked(item);
}

void TForm1::mirrorToggle(QAction *item, void (TOptions::*owner)())
{
    if (!isMenuItemChecked(item))
        (m_app.Options()->*owner)();
}

void TForm1::mirrorRadio(QAction *item, RadioGroup *group, int index, void (TOptions::*owner)())
{
    if (isMenuItemChecked(item))
        return;
    group->setItemIndex(index);
    (m_app.Options()->*owner)();
}

std::vector<TForm1::MenuHandler> TForm1::menuHandlers() const
{
    return {{Savepicture1, &TForm1::Savepicture1Click},
            {Copypicture1, &TForm1::Copypicture1Click},
            {Print1, &TForm1::Print1Click},
            {Fullscreen1, &TForm1::Fullscreen1Click},
            {Exit1, &TForm1::Exit1Click},
            {Hidecontrolpanel2, &TForm1::Hidecontrolpanel2Click},
            {Showcontrolpanel1, &TForm1::Showcontrolpanel1Click},
            {North1, &TForm1::North1Click},
            {South1, &TForm1::South1Click},
            {Stopplanets1, &TForm1::Stopplanets1Click},
            {Moveplanets1, &TForm1::Moveplanets1Click},
            {Interval1, &TForm1::Interval1Click},
            {Hideorbits1, &TForm1::Hideorbits1Click},
            {Showorbits1, &TForm1::Showorbits1Click},
            {No1, &TForm1::No1Click},
            {Yes1, &TForm1::Yes1Click},
            {Latitude1, &TForm1::Latitude1Click},
            {Hidehorizon1, &TForm1::Hidehorizon1Click},
            {Showhorizon1, &TForm1::Showhorizon1Click},
            {ToMercury1, &TForm1::ToMercury1Click},
            {ToVenus1, &TForm1::ToVenus1Click},
            {Tomars1, &TForm1::Tomars1Click},
            {ToJupiter1, &TForm1::ToJupiter1Click},
            {ToSaturn1, &TForm1::ToSaturn1Click},
            {ToUranus1, &TForm1::ToUranus1Click},
            {ToNeptune1, &TForm1::ToNeptune1Click},
            {ToPluto1, &TForm1::ToPluto1Click},
            {ToMoon2, &TForm1::ToMoon2Click},
            {Hidedirection1, &TForm1::Hidedirection1Click},
            {Showdirection1, &TForm1::Showdirection1Click},
            {Hideterminator1, &TForm1::Hideterminator1Click},
            {Showterminator1, &TForm1::Showterminator1Click},
            {Hidephase1, &TForm1::Hidephase1Click},
            {Showphase1, &TForm1::Showphase1Click},
            {onomy1, &TForm1::onomy1Click},
            {ology1, &TForm1::ology1Click},
            {Classicmodel1, &TForm1::Classicmodel1Click},
            {Truepositions1, &TForm1::Truepositions1Click},
            {Nextalignmemt1, &TForm1::Nextalignmemt1Click},
            {Skyevents1, &TForm1::Skyevents1Click},
            {Contents1, &TForm1::Contents1Click},
            {About1, &TForm1::About1Click},
            {Hidecontrolpanel1, &TForm1::Hidecontrolpanel1Click},
            {Copypicture2, &TForm1::Copypicture2Click}};
}

void TForm1::connectMenuHandlers()
{
    // An item's radio group has put back the check mark Qt moved before its
    // handler runs.
    for (const MenuHandler &row : menuHandlers())
        connect(row.item, &QAction::triggered, this, row.handler);
    // The keys of the File and Help menus work from the control panel too,
    // as their Alt keys do.
    options().addActions({Savepicture1, Copypicture1, Print1, Fullscreen1, Exit1, Contents1});
}

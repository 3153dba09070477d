// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>

// What the program decides from its environment before the application
// object exists.
namespace startup {

// Started from the desktop's application menu rather than from a terminal:
// the desktop entry says so, and so do desktops that launch through GIO.
bool FromDesktopEntry(const QProcessEnvironment &environment);

// The folder a program started from its desktop entry works in:
// ${XDG_CONFIG_HOME:-~/.config}/heliodial. A relative XDG_CONFIG_HOME is
// ignored, as the base-directory rules ask.
QString DesktopWorkingFolder(const QProcessEnvironment &environment);

// The window system to ask Qt for: X11 wherever it is there and nobody chose
// otherwise, since only X11 honours the control panel's placement and its
// staying on top. Empty to leave the choice to Qt.
QByteArray PreferredPlatform(const QProcessEnvironment &environment);

// Applies both to this process: the platform variable, and, when started
// from the desktop entry, the working folder (made if missing). Answers a
// warning for the terminal when the folder cannot be made or entered; the
// program then keeps the folder it was started in.
QString Prepare(const QProcessEnvironment &environment);

// Has memory blocks of 4 MB and more mapped apart and
// handed back to the system as soon as they are freed. A view full screen on
// a 4K screen draws on pictures of some 27 MB; glibc would otherwise raise
// that limit to the largest block freed, and later pictures, taken from the
// heap, would stay resident after a page is left.
void ReleaseLargeBlocksPromptly();

} // namespace startup

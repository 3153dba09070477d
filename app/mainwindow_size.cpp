// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's size: larger than its smallest, maximised or full
// screen; the control panel kept at its bottom-left corner; and the size,
// place and state remembered from one run to the next.
#include "app/mainwindow.h"

#include "app/controlpanel.h"
#include "app/platform.h"

#include <QResizeEvent>

namespace {

// Where the window's place and state are kept among the user's preferences.
const QString GeometryKey = QStringLiteral("Window/geometry");
const QString MaximisedKey = QStringLiteral("Window/maximised");
const QString FullScreenKey = QStringLiteral("Window/fullScreen");

QString RectText(const QRect &rect)
{
    return QStringLiteral("%1 %2 %3 %4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

// A rectangle written by RectText; an empty one for anything else.
QRect RectFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 4)
        return {};
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].toInt(&ok);
        if (!ok)
            return {};
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return {};
    return {numbers[0], numbers[1], numbers[2], numbers[3]};
}

} // namespace

void TForm1::placeControlPanelAtCorner()
{
    TOptions &panel = options();
    panel.move(x() + 32, y() + height() - panel.height() - 24);
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!isVisible())
        return;
    placeControlPanelAtCorner();
    // A window manager that maximises the window may tell its new size and
    // its new place one after the other: a move right after a resize is
    // part of it, and the panel follows.
    m_sinceResize.start();
}

bool TForm1::followsResize() const
{
    return m_sinceResize.isValid() && m_sinceResize.elapsed() < 500;
}

void TForm1::Fullscreen1Click()
{
    // Out of full screen, the window is as it was: maximised, or at its
    // former size and place. The item's tick follows in changeEvent().
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void TForm1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Fullscreen1->setChecked(isFullScreen());
}

void TForm1::restoreWindowPlace()
{
    const QRect stored = RectFromText(m_platform.preference(GeometryKey));
    if (!stored.isEmpty()) {
        const QRect wanted(stored.topLeft(), stored.size().expandedTo(minimumSize()));
        bool onAScreen = false;
        for (const QRect &area : m_platform.screenAreas())
            onAScreen = onAScreen || area.intersects(wanted);
        if (onAScreen) {
            // The window's own area where it was, as it was saved; its
            // frame goes round it.
            setGeometry(wanted);
            // The user's place, not the middle of the screen.
            m_placeRestored = true;
        } else {
            resize(wanted.size());
            // A screen that is gone: the middle of the one there is.
            centreOnScreen();
        }
    }
    Qt::WindowStates state;
    if (m_platform.preference(MaximisedKey) == QLatin1String("true"))
        state |= Qt::WindowMaximized;
    if (m_platform.preference(FullScreenKey) == QLatin1String("true"))
        state |= Qt::WindowFullScreen;
    setWindowState(state);
}

void TForm1::saveWindowPlace()
{
    // The place it goes back to from maximised or full screen.
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    if (normal.isValid())
        m_platform.setPreference(GeometryKey, RectText(normal));
    m_platform.setPreference(MaximisedKey,
                             isMaximized() ? QStringLiteral("true") : QStringLiteral("false"));
    m_platform.setPreference(FullScreenKey,
                             isFullScreen() ? QStringLiteral("true") : QStringLiteral("false"));
}

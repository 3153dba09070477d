// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

// Input as the window system delivers it: to the top-level window under the
// pointer, which then finds the widget there. Modality, event filters and the
// passing of ignored events to parents all apply, as for a real user; the
// QTest calls that take a widget skip all of that.
namespace user {

inline QWindow *WindowOf(QWidget *widget)
{
    QWidget *top = widget->window();
    top->winId();
    return top->windowHandle();
}

inline QPoint InWindow(QWidget *widget, QPoint at)
{
    return widget->mapTo(widget->window(), at);
}

inline void Click(QWidget *widget, QPoint at, Qt::KeyboardModifiers keys = {},
                  Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(WindowOf(widget), button, keys, InWindow(widget, at));
}

inline void Click(QWidget *widget, Qt::KeyboardModifiers keys = {})
{
    Click(widget, widget->rect().center(), keys);
}

inline void DoubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseDClick(WindowOf(widget), Qt::LeftButton, {}, InWindow(widget, at));
}

inline void DoubleClick(QWidget *widget)
{
    DoubleClick(widget, widget->rect().center());
}

// A key pressed and released while `widget`'s window has the focus.
inline void Key(QWidget *widget, Qt::Key key, Qt::KeyboardModifiers keys = {})
{
    QTest::keyClick(WindowOf(widget), key, keys);
}

// Shows a window and makes it the active one, as a click on it would.
inline bool Activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace user

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QActionGroup>

// A radio pair (or set) of menu items whose checked item is program state.
// Qt checks an item the moment it is triggered; here only handlers check
// items, so the marks are put back to the state before any handler runs.
class RadioMenuGroup : public QActionGroup {
    Q_OBJECT
public:
    RadioMenuGroup(QObject *parent, const QList<QAction *> &items, QAction *checked);

    bool isChecked(const QAction *item) const { return item == m_checked; }
    QAction *checkedItem() const { return m_checked; }
    void check(QAction *item);
    // Puts the check marks back to the state.
    void showState();

private:
    QAction *m_checked;
};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/radiomenugroup.h"

RadioMenuGroup::RadioMenuGroup(QObject *parent, const QList<QAction *> &items, QAction *checked)
    : QActionGroup(parent), m_checked(checked)
{
    setExclusionPolicy(ExclusionPolicy::Exclusive);
    for (QAction *item : items) {
        item->setCheckable(true);
        addAction(item);
        // Connected before any handler, so it runs first.
        connect(item, &QAction::triggered, this, &RadioMenuGroup::showState);
    }
    showState();
}

void RadioMenuGroup::check(QAction *item)
{
    if (!actions().contains(item))
        return;
    m_checked = item;
    showState();
}

void RadioMenuGroup::showState()
{
    for (QAction *item : actions())
        item->setChecked(item == m_checked);
}

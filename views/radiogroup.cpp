// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/radiogroup.h"

#include <QLabel>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget *parent, const QString &objectName, const QString &caption,
                       const QStringList &items, int columns, int itemIndex)
    : QFrame(parent), m_columns(columns), m_index(itemIndex)
{
    setObjectName(objectName);
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    if (!caption.isEmpty()) {
        // The caption sits on the top line of the frame, as on a group box.
        m_caption = new QLabel(caption, this);
        m_caption->setAutoFillBackground(true);
        m_caption->adjustSize();
    }
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setAutoExclusive(false); // the index, not Qt, decides the check
        m_buttons.append(button);
        connect(button, &QRadioButton::clicked, this, [this, i] {
            if (i == m_index) {
                showIndex();
                return;
            }
            setItemIndex(i);
        });
    }
    showIndex();
}

QString RadioGroup::caption() const
{
    return m_caption ? m_caption->text() : QString();
}

void RadioGroup::setItemIndex(int index)
{
    if (index == m_index)
        return;
    m_index = index;
    showIndex();
    emit clicked();
}

void RadioGroup::showIndex()
{
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setChecked(i == m_index);
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    layoutItems();
}

void RadioGroup::layoutItems()
{
    // The frame's line runs through the middle of the caption.
    const int captionHeight = m_caption ? m_caption->height() : 0;
    if (m_caption) {
        m_caption->move(8, 0);
        setContentsMargins(0, captionHeight / 2, 0, 0);
    }
    const int rows = (static_cast<int>(m_buttons.size()) + m_columns - 1) / m_columns;
    const int top = m_caption ? captionHeight : 2;
    const int rowHeight = rows ? (height() - top - 1) / rows : 0;
    const int columnWidth = (width() - 8) / m_columns;
    for (int i = 0; i < m_buttons.size(); ++i) {
        const int row = i / m_columns, column = i % m_columns;
        m_buttons[i]->setGeometry(6 + column * columnWidth, top + row * rowHeight, columnWidth - 2,
                                  rowHeight);
    }
}

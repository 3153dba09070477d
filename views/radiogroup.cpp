#include "views/radiogroup.h"

#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(QWidget *parent, const QString &objectName, const QString &caption,
                       const QStringList &items, int columns, int itemIndex)
    : QGroupBox(caption, parent), m_index(itemIndex)
{
    setObjectName(objectName);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(4, caption.isEmpty() ? 2 : 0, 4, 2);
    grid->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        button->setAutoExclusive(false); // the index, not Qt, decides the check
        grid->addWidget(button, i / columns, i % columns);
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

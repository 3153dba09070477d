// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons laid out in columns, whose chosen item is
// an index. clicked() is emitted once when the user picks another item and
// when code sets a different index, never once per button.
class RadioGroup : public QFrame {
    Q_OBJECT
public:
    RadioGroup(QWidget *parent, const QString &objectName, const QString &caption,
               const QStringList &items, int columns, int itemIndex);

    int itemIndex() const { return m_index; }
    QString caption() const;
    void setItemIndex(int index);
    QRadioButton *button(int index) const { return m_buttons.value(index); }

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void showIndex();
    void layoutItems();

    class QLabel *m_caption = nullptr;
    int m_columns;
    QList<QRadioButton *> m_buttons;
    int m_index;
};

#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

// A framed group of radio buttons laid out in columns, whose chosen item is
// an index. clicked() is emitted once when the user picks another item and
// when code sets a different index, never once per button.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(QWidget *parent, const QString &objectName, const QString &caption,
               const QStringList &items, int columns, int itemIndex);

    int itemIndex() const { return m_index; }
    void setItemIndex(int index);
    QRadioButton *button(int index) const { return m_buttons.value(index); }

signals:
    void clicked();

private:
    void showIndex();

    QList<QRadioButton *> m_buttons;
    int m_index;
};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Up-down arrows bound to a text field: a position within a range, no
// wrapping. An arrow click moves the position by one, writes it into the
// field and emits clicked(); setting the position from code writes the field
// but emits nothing (the field's own change handler may still run).
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QWidget *parent, const QString &objectName, QLineEdit *buddy, int minimum, int maximum,
           int position);

    int position() const { return m_position; }
    void setPosition(int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // Takes a position without touching the field (the field was typed in).
    void adoptPosition(int position);

public slots:
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

signals:
    void clicked();

private:
    void step(int delta);

    QLineEdit *m_buddy;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_minimum;
    int m_maximum;
    int m_position;
};

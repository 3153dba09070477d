// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class Heliodial;
class QLineEdit;
class QPushButton;

// A small dialog around one digits-only field and a button that closes it:
// the field is filled when the program shows the dialog, cleaned on every
// change, taken when the focus leaves it or Enter is pressed, and however
// the dialog closes (the button, Enter, Esc, the close box) its close
// handler runs once.
class DigitFieldDialog : public QDialog {
    Q_OBJECT
public:
    struct Layout {
        const char *objectName;
        QString caption;
        QSize size;
        int maxDigits;
        QString emptyDefault;
        QRect field;
        QString buttonCaption;
        QRect button;
    };

    QLineEdit *Edit1;
    QPushButton *Button1;

public slots:
    virtual void FormShow() = 0;
    void Edit1Change();
    virtual void Edit1Exit() = 0;
    void Button1Click();
    virtual void FormClose() = 0;

protected:
    DigitFieldDialog(Heliodial &app, const Layout &layout);
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

    Heliodial &m_app;

private:
    int m_maxDigits;
    QString m_emptyDefault;
};

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/digitfielddialog.h"

#include "views/digitfield.h"
#include "views/fieldexit.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

DigitFieldDialog::DigitFieldDialog(Heliodial &app, const Layout &layout)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_app(app),
      m_maxDigits(layout.maxDigits), m_emptyDefault(layout.emptyDefault)
{
    setObjectName(QString::fromLatin1(layout.objectName));
    setWindowTitle(layout.caption);
    setFixedSize(layout.size);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(layout.field);
    Button1 = new QPushButton(layout.buttonCaption, this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(layout.button);
    // Enter is handled by the field itself, so that its value is taken first.
    Button1->setAutoDefault(false);
    setTabOrder(Edit1, Button1);

    connect(Edit1, &QLineEdit::textChanged, this, &DigitFieldDialog::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        Edit1Exit();
        Button1Click();
    });
    OnFieldExit(Edit1, [this] { Edit1Exit(); });
    connect(Button1, &QPushButton::clicked, this, &DigitFieldDialog::Button1Click);
}

void DigitFieldDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Shown by the program, not restored from minimised by the user.
    if (!event->spontaneous())
        FormShow();
    Edit1->setFocus();
}

void DigitFieldDialog::Edit1Change()
{
    const QString clean = CleanDigits(Edit1->text(), m_maxDigits, m_emptyDefault);
    if (clean != Edit1->text())
        Edit1->setText(clean); // runs this again, which finds nothing to do
}

void DigitFieldDialog::Button1Click()
{
    accept();
}

void DigitFieldDialog::done(int result)
{
    FormClose();
    QDialog::done(result);
}

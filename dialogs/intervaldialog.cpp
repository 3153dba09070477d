// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/intervaldialog.h"

#include "app/heliodial.h"
#include "views/wrappedlabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm3::TForm3(Heliodial &app)
    : DigitFieldDialog(app, {"Form3",
                             QStringLiteral("Planet Movement interval"),
                             {318, 98},
                             3,
                             QStringLiteral("1"),
                             {248, 22, 49, 21},
                             QStringLiteral("&Click when you are ready"),
                             {80, 67, 137, 25}})
{
    Label1 = WrappedLabel(this, "Label1",
                          QStringLiteral("Enter the daily interval (maximum 999 days) at which you "
                                         "want to see the planets move around the Sun"),
                          {16, 16, 209, 41});
}

void TForm3::FormShow()
{
    Edit1->setText(QString::number(m_app.stepDays()));
}

void TForm3::Edit1Exit()
{
    m_app.setStepDays(Edit1->text().toInt());
}

void TForm3::FormClose()
{
    Edit1Exit();
    m_app.showStepOnMoveButton();
}

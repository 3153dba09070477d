// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/latitudedialog.h"

#include "app/heliodial.h"
#include "views/wrappedlabel.h"

#include <QLabel>
#include <QLineEdit>

TFLatitude::TFLatitude(Heliodial &app)
    : DigitFieldDialog(app, {"FLatitude",
                             QStringLiteral("Your latitude"),
                             {310, 188},
                             2,
                             QStringLiteral("0"),
                             {128, 112, 41, 21},
                             QStringLiteral("Click when you are ready"),
                             {80, 152, 137, 25}})
{
    move(211, 193);
    Label2 = WrappedLabel(this, "Label2",
                          QStringLiteral("If you live outside the tropics, your winter nights will "
                                         "be longer than your summer nights.  How much longer "
                                         "depends on a combination of your latitude and the time "
                                         "of the year."),
                          {8, 8, 289, 41});
    Label3 = WrappedLabel(this, "Label3",
                          QStringLiteral("The horizon line reflects this variability in the "
                                         "length of your nights so as to better indicate when the "
                                         "Sun sets and rises and which planets you can see in "
                                         "your nighttime sky"),
                          {8, 56, 281, 41});
    Label4 = WrappedLabel(this, "Label4",
                          QStringLiteral("Enter your latitude (from 0 to 90 degrees) here"),
                          {8, 104, 105, 41});
}

void TFLatitude::FormShow()
{
    Edit1->setText(QString::number(m_app.latitude()));
}

void TFLatitude::Edit1Exit()
{
    m_app.setLatitude(Edit1->text().toInt());
}

void TFLatitude::FormClose()
{
    // Twice: the switch stays as it was, its caption shows the new latitude
    // and a shown horizon is drawn for it.
    m_app.btnHorizonClick();
    m_app.btnHorizonClick();
}

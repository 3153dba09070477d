#include "dialogs/intervaldialog.h"

#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
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
    Edit1->setText(QString::number(m_app.Form1()->StepDays));
}

void TForm3::Edit1Exit()
{
    m_app.Form1()->StepDays = Edit1->text().toInt();
}

void TForm3::FormClose()
{
    Edit1Exit();
    TForm1 &form = *m_app.Form1();
    // While the planets move the button reads "Stop"; the new step shows at
    // the next stop.
    if (form.Timer1->enabled())
        return;
    m_app.Options()->Button1->setText(form.StepDays == 1
                                          ? QStringLiteral("Move by 1 day")
                                          : QStringLiteral("Move by %1 days").arg(form.StepDays));
}

#include "dialogs/intervaldialog.h"

#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/mainwindow.h"
#include "views/digitfield.h"
#include "views/fieldexit.h"
#include "views/wrappedlabel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TForm3::TForm3(Heliodial &app)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_app(app)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Planet Movement interval"));
    setFixedSize(318, 98);

    Label1 = WrappedLabel(this, "Label1",
                          QStringLiteral("Enter the daily interval (maximum 999 days) at which you "
                                         "want to see the planets move around the Sun"),
                          {16, 16, 209, 41});
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(248, 22, 49, 21);
    Button1 = new QPushButton(QStringLiteral("&Click when you are ready"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(80, 67, 137, 25);
    Button1->setAutoDefault(false);

    connect(Edit1, &QLineEdit::textChanged, this, &TForm3::Edit1Change);
    // Enter takes the field's value, then closes.
    connect(Edit1, &QLineEdit::returnPressed, this, &TForm3::Button1Click);
    OnFieldExit(Edit1, [this] { Edit1Exit(); });
    connect(Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
    Edit1->setFocus();
}

void TForm3::FormShow()
{
    Edit1->setText(QString::number(m_app.Form1()->StepDays));
}

void TForm3::Edit1Change()
{
    const QString clean = CleanDigits(Edit1->text(), 3, QStringLiteral("1"));
    if (clean != Edit1->text())
        Edit1->setText(clean); // runs this again, which finds nothing to do
}

void TForm3::Edit1Exit()
{
    m_app.Form1()->StepDays = Edit1->text().toInt();
}

void TForm3::Button1Click()
{
    accept();
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

void TForm3::done(int result)
{
    FormClose();
    QDialog::done(result);
}


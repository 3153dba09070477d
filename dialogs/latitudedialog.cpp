#include "dialogs/latitudedialog.h"

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
#include <QSignalBlocker>

TFLatitude::TFLatitude(Heliodial &app)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_app(app)
{
    setObjectName(QStringLiteral("FLatitude"));
    setWindowTitle(QStringLiteral("Your latitude"));
    setFixedSize(310, 188);
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

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(128, 112, 41, 21);
    Button1 = new QPushButton(QStringLiteral("Click when you are ready"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(80, 152, 137, 25);
    // Enter is handled by the field itself, so that its value is taken first.
    Button1->setAutoDefault(false);
    setTabOrder(Edit1, Button1);

    connect(Edit1, &QLineEdit::textChanged, this, &TFLatitude::Edit1Change);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] {
        Edit1Exit();
        Button1Click();
    });
    OnFieldExit(Edit1, [this] { Edit1Exit(); });
    connect(Button1, &QPushButton::clicked, this, &TFLatitude::Button1Click);
}

void TFLatitude::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
    Edit1->setFocus();
}

void TFLatitude::FormShow()
{
    Edit1->setText(QString::number(m_app.Form1()->Latitude));
}

void TFLatitude::Edit1Change()
{
    const QString clean = CleanDigits(Edit1->text(), 2, QStringLiteral("0"));
    if (clean != Edit1->text())
        Edit1->setText(clean); // runs this again, which finds nothing to do
}

void TFLatitude::Edit1Exit()
{
    m_app.Form1()->Latitude = Edit1->text().toInt();
}

void TFLatitude::Button1Click()
{
    accept();
}

void TFLatitude::FormClose()
{
    // Twice: the switch stays as it was, its caption shows the new latitude
    // and a shown horizon is drawn for it.
    m_app.Options()->btnHorizonClick();
    m_app.Options()->btnHorizonClick();
}

void TFLatitude::done(int result)
{
    FormClose();
    QDialog::done(result);
}


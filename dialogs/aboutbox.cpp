// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/aboutbox.h"

#include "app/heliodial.h"
#include "app/platform.h"
#include "dialogs/photowindow.h"
#include "views/picture.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

TAboutBox::TAboutBox(Heliodial &app)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), m_app(app)
{
    setObjectName(QStringLiteral("AboutBox"));
    // Modal for the main window and the windows that hang on it (the program
    // hangs the box on the main window), not for the whole program: the photo
    // window it opens must stay usable while it is open.
    setWindowModality(Qt::WindowModal);
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(298, 179);
    const QSize screen = app.platform().screenSize();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(8, 8, 281, 121);

    // The 16-colour 32-pixel icon, stretched.
    ProgramIcon = new Picture(Panel1, QStringLiteral("ProgramIcon"), {57, 57},
                              QStringLiteral(":/icon/heliodial-32-16colours.png"));
    ProgramIcon->move(8, 8);
    ProgramIcon->installEventFilter(this);

    QFont big = font();
    big.setPixelSize(13);
    big.setBold(true);
    ProductName = new QLabel(QStringLiteral("Heliodial"), Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setFont(big);
    ProductName->move(88, 16);
    ProductName->adjustSize();
    Version = new QLabel(QStringLiteral("1.0"), Panel1);
    Version->setObjectName(QStringLiteral("Version"));
    Version->move(88, 40);
    Version->adjustSize();
    Comments = new QLabel(QStringLiteral("Your solar system, day by day"), Panel1);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setGeometry(8, 72, 194, 16);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 140, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::ProgramIconMouseUp(Qt::KeyboardModifiers keys)
{
    if ((keys & Qt::ControlModifier) && (keys & Qt::AltModifier))
        m_app.HiddenForm()->show();
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ProgramIcon && event->type() == QEvent::MouseButtonRelease)
        ProgramIconMouseUp(static_cast<QMouseEvent *>(event)->modifiers());
    return QDialog::eventFilter(watched, event);
}

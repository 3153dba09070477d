// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/photowindow.h"

#include "app/heliodial.h"
#include "app/platform.h"
#include "dialogs/jpegdecoder.h"
#include "views/picture.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

THiddenForm::THiddenForm(Heliodial &app) : QWidget(nullptr), m_app(app)
{
    setObjectName(QStringLiteral("HiddenForm"));
    setWindowTitle(QStringLiteral("Heliodial"));
    resize(545, 512);
    const QSize screen = app.platform().screenSize();
    move(screen.width() / 2 - width() / 2, screen.height() / 2 - height() / 2);

    Image1 = new Picture(this, QStringLiteral("Image1"), {520, 392});
    Image1->move(8, 8);

    Label1 = new QLabel(QStringLiteral("The Sun and its family"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(139, 408, 258, 24);
    Label1->setAlignment(Qt::AlignCenter);
    QFont caption(QStringLiteral("Liberation Sans"));
    caption.setPixelSize(21);
    caption.setBold(true);
    Label1->setFont(caption);
    Label1->setStyleSheet(QStringLiteral("color: maroon;"));

    btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(432, 440, 75, 25);
    connect(btnClose, &QPushButton::clicked, this, &THiddenForm::btnCloseClick);
}

void THiddenForm::showEvent(QShowEvent *event)
{
    // Decoded when first shown, not at every start of the program.
    if (Image1->picture().isNull()) {
        QFile photograph(QStringLiteral(":/photo/heliodial-photo.jpg"));
        showPhotograph(photograph.open(QIODevice::ReadOnly) ? photograph.readAll() : QByteArray());
    }
    QWidget::showEvent(event);
}

void THiddenForm::showPhotograph(const QByteArray &jpeg)
{
    const DecodedJpeg decoded = DecodeJpeg(jpeg);
    m_photoError = decoded.error;
    if (!decoded.image.isNull()) {
        Image1->setPicture(QPixmap::fromImage(decoded.image));
        return;
    }
    // A dark frame that says what went wrong, in place of the photograph.
    QPixmap placeholder(Image1->size());
    placeholder.fill(QColor(20, 20, 30));
    QPainter painter(&placeholder);
    painter.setPen(Qt::lightGray);
    painter.drawText(placeholder.rect().adjusted(20, 20, -20, -20),
                     Qt::AlignCenter | Qt::TextWordWrap, decoded.error);
    painter.end();
    Image1->setPicture(placeholder);
}

void THiddenForm::btnCloseClick()
{
    close();
}

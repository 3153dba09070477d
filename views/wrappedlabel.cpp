// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "views/wrappedlabel.h"

#include <QLabel>

QLabel *WrappedLabel(QWidget *parent, const char *objectName, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont font = label->font();
    font.setPixelSize(10);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

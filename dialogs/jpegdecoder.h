// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes a JPEG picture held in memory with libjpeg. A damaged picture
// never ends the program: the result is a null image and a message saying
// what was wrong. A picture that ends early decodes as far as it goes, the
// rest filled grey, with `warning` telling so.
struct DecodedJpeg {
    QImage image;
    QString error;   // empty when the picture decoded
    QString warning; // libjpeg's last warning, if it had any
};
DecodedJpeg DecodeJpeg(const QByteArray &data);

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file written whole or not at all: beside the old one, and put in its
// place only when every byte is on the disk, so that a failure leaves a file
// of that name as it was.

#include <QByteArray>
#include <QString>

// False, with the reason in words, when the file could not be written.
bool WriteWholeFile(const QString &path, const QByteArray &bytes, QString *reason);

// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A word-wrapped label in a fixed box. The boxes were sized for a narrow
// bitmap font; a pixel smaller than the windows' font keeps every line in.
QLabel *WrappedLabel(QWidget *parent, const char *objectName, const QString &text, QRect geometry);

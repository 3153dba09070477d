// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/digitfielddialog.h"

class QLabel;

// "Your latitude": the observer's latitude for the horizon line.
class TFLatitude : public DigitFieldDialog {
    Q_OBJECT
public:
    explicit TFLatitude(Heliodial &app);

    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label4;

public slots:
    void FormShow() override;
    void Edit1Exit() override;
    void FormClose() override;
};

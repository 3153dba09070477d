// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/digitfielddialog.h"

class QLabel;

// "Planet Movement interval": how many days each step of the animation moves.
class TForm3 : public DigitFieldDialog {
    Q_OBJECT
public:
    explicit TForm3(Heliodial &app);

    QLabel *Label1;

public slots:
    void FormShow() override;
    void Edit1Exit() override;
    void FormClose() override;
};

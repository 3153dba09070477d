// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/alignment.h"

#include <QDate>
#include <QDialog>
#include <array>
#include <optional>

class Heliodial;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class UpDown;

// "  Planet Alignment": when do the ticked planets next line up as seen from
// the Earth. Shown without blocking; stays open after a search.
class TFAlignment : public QDialog {
    Q_OBJECT
public:
    explicit TFAlignment(Heliodial &app);

    QLabel *Label1;
    std::array<QCheckBox *, 8> CheckBoxes{}; // CheckBox1 ... CheckBox8
    QLabel *Label2;
    QLineEdit *meDegrees;
    UpDown *UpDown1;
    QPushButton *BitBtn1;

    // The alignment the user accepted last; none since the dialog was shown.
    std::optional<QDate> LastAlignmentDate;

    // How long a search on the true sky runs before its progress dialog
    // shows, in milliseconds.
    int progressDelay = 200;

public slots:
    void FormShow();
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Searches the true sky beside the windows, which go on repainting;
    // a progress dialog lets the user cancel a search that takes a while.
    // `closest` gets the instant the ticked planets come closest together
    // near the day found.
    alignment::Result searchTrueSky(const alignment::Query &query, std::optional<double> &closest);

    Heliodial &m_app;
};

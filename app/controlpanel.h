// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <vector>

class DatePicker;
class Heliodial;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class RadioGroup;
class TForm1;
class UpDown;

// The control panel: a small floating tool window that stays on top, has no
// close box and repeats the scene's switches. It owns the switches' handlers;
// the main menu's items call them.
class TOptions : public QWidget {
    Q_OBJECT
public:
    // Client heights: all controls in sight on The Moon page, the bottom group
    // cut off on every other page.
    static constexpr int TallHeight = 438;
    static constexpr int ShortHeight = 358;

    explicit TOptions(Heliodial &app);

    RadioGroup *RadioGroup1;
    QFrame *Bevel1;
    DatePicker *DateTimePicker1;
    QPushButton *Button1;
    QLabel *Label8;
    QSlider *TrackBar1;
    QPushButton *btnOrbits;
    QFrame *Bevel2;
    QLabel *Memo1;
    QLineEdit *meHours;
    UpDown *UpDownHours;
    QLabel *lblAmPm;
    RadioGroup *rgDaylightSaving;
    QPushButton *btnHorizon;
    QFrame *Bevel3;
    QComboBox *ComboBox1;
    QPushButton *btnPointer;
    QFrame *Bevel4;
    QPushButton *btnMoonTerminator;
    QPushButton *btnMoonPhase;

    // Left of lblAmPm as laid out, and the hour after the last hour change.
    int AmPmLeft = 0;
    int PrevHour = 12;

    // Each control and a handler that its user actions run.
    struct ControlHandler {
        QObject *control;
        void (TOptions::*handler)();
    };
    const std::vector<ControlHandler> &controlHandlers() const { return m_handlers; }

    // Sets the client height; the page rules switch it.
    void setPanelHeight(int clientHeight);
    // "Move by 1 day" or "Move by <StepDays> days", the caption while stopped.
    void showMoveCaption();

public slots:
    void DateTimePicker1Change();
    void Button1Click();
    void TrackBar1Change();
    void RadioGroup1Click();
    void btnOrbitsClick();
    void btnHorizonClick();
    void UpDownHoursClick();
    void meHoursChange();
    void meHoursExit();
    void rgDaylightSavingClick();
    void ComboBox1Change();
    void btnPointerClick();
    void btnMoonPhaseClick();
    void btnMoonTerminatorClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void connectHandlers();
    // Connects a control's signal to a handler and records the pair.
    template <typename Control, typename Signal>
    void wire(Control *control, Signal signal, void (TOptions::*handler)());
    TForm1 &form1();

    Heliodial &m_app;
    std::vector<ControlHandler> m_handlers;
};

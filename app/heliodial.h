// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/catalogue.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>

class Platform;
class QWidget;
class TAboutBox;
class TFAlignment;
class SkyEventsWindow;
class TFLatitude;
class TForm1;
class TForm3;
class THiddenForm;
class TOptions;

// The program as an object: creates the seven windows in their fixed order,
// owns them and lets them reach each other. The control panel comes first,
// since the main window's creation places it and sets its captions.
class Heliodial {
public:
    static constexpr const char *Title = "Heliodial";
    static constexpr const char *HelpFile = "HELIODIAL.HLP";

    explicit Heliodial(Platform &platform);
    ~Heliodial();
    Heliodial(const Heliodial &) = delete;
    Heliodial &operator=(const Heliodial &) = delete;

    // Shows the main window, then the control panel, as the program starts.
    void show();

    Platform &platform() const { return m_platform; }
    TOptions *Options() const { return m_options.get(); }
    TForm1 *Form1() const { return m_form1.get(); }
    QWidget *mainWindow() const;
    TAboutBox *AboutBox() const { return m_aboutBox.get(); }
    TFAlignment *FAlignment() const { return m_alignment.get(); }
    SkyEventsWindow *SkyEvents() const { return m_skyEvents.get(); }
    TForm3 *Form3() const { return m_form3.get(); }
    TFLatitude *FLatitude() const { return m_latitude.get(); }
    THiddenForm *HiddenForm() const { return m_hiddenForm.get(); }

    // What the dialogs may read and change of the main window and the control
    // panel; they see neither window whole.
    QDate statusDate() const;
    // Days from the epoch to the status date, its time of day as the fraction.
    double statusDayOffset() const;
    // The status date's instant, a Julian day in universal time.
    double statusJulianDay() const;
    // Positions come from the true sky rather than the classic model.
    bool truePositions() const;
    // Moves the status date and runs the date picker's change handler.
    void setStatusDate(QDate day);
    std::int32_t hemisphereSign() const;
    std::int32_t stepDays() const;
    void setStepDays(std::int32_t days);
    // The Move button shows the step again, unless the planets are moving.
    void showStepOnMoveButton();
    std::int32_t latitude() const;
    void setLatitude(std::int32_t degrees);
    bool pointerShown() const;
    void btnHorizonClick();
    void btnPointerClick();
    // Shows a sky event in the scene: the status date moves to its day, the
    // true positions come on (the user is asked first while the classic
    // model is on), the pointer points from the Earth to the body on the
    // view that shows it, the status date's tooltip gives the facts, and
    // the main window comes to the front.
    void showSkyEvent(QDate day, Body body, const QString &facts);

private:
    Platform &m_platform;
    // Destroyed in reverse: the main window (and its bodies) before the
    // control panel it refers to.
    std::unique_ptr<TOptions> m_options;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TAboutBox> m_aboutBox;
    std::unique_ptr<TFAlignment> m_alignment;
    std::unique_ptr<SkyEventsWindow> m_skyEvents;
    std::unique_ptr<TForm3> m_form3;
    std::unique_ptr<TFLatitude> m_latitude;
    std::unique_ptr<THiddenForm> m_hiddenForm;
};

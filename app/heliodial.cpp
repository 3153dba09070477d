// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/heliodial.h"

#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/mainwindow.h"
#include "app/platform.h"
#include "dialogs/aboutbox.h"
#include "dialogs/alignmentdialog.h"
#include "dialogs/intervaldialog.h"
#include "dialogs/latitudedialog.h"
#include "dialogs/photowindow.h"
#include "dialogs/skyeventswindow.h"
#include "views/clickablelabel.h"
#include "views/datepicker.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QTabWidget>
#include <QWindow>

namespace {

// Hangs a window on another: the window system keeps it above its owner and
// minimises and restores the two together, and a window-modal dialog hung on
// the owner blocks both.
void HangOn(QWidget &window, QWidget &owner)
{
    window.winId();
    owner.winId();
    window.windowHandle()->setTransientParent(owner.windowHandle());
}

} // namespace

Heliodial::Heliodial(Platform &platform) : m_platform(platform)
{
    // The name, not the display name: Qt would append a display name to every
    // window caption.
    QGuiApplication::setApplicationName(QString::fromLatin1(Title));
    // Wayland compositors find the program's icon and name through its
    // desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.heliodial.Heliodial"));
    m_platform.setHelpFile(QString::fromLatin1(HelpFile));
    // The windows are laid out to the pixel for a narrow 11-pixel sans font;
    // Liberation Sans has the metrics they were drawn for.
    QFont font = QApplication::font();
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        font.setFamily(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QApplication::setFont(font);
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon/heliodial-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    m_options = std::make_unique<TOptions>(*this);
    m_form1 = std::make_unique<TForm1>(*this);
    m_form1->FormCreate();
    m_aboutBox = std::make_unique<TAboutBox>(*this);
    m_alignment = std::make_unique<TFAlignment>(*this);
    m_skyEvents = std::make_unique<SkyEventsWindow>(*this);
    m_form3 = std::make_unique<TForm3>(*this);
    m_latitude = std::make_unique<TFLatitude>(*this);
    m_hiddenForm = std::make_unique<THiddenForm>(*this);
    HangOn(*m_options, *m_form1);
    HangOn(*m_aboutBox, *m_form1);
}

Heliodial::~Heliodial() = default;

void Heliodial::show()
{
    m_form1->show();
    if (m_form1->ControlPanelShown && m_form1->TabbedNotebook1->currentIndex() != 0) {
        m_options->show();
        m_options->raise();
    }
}

QWidget *Heliodial::mainWindow() const
{
    return m_form1.get();
}

QDate Heliodial::statusDate() const
{
    return m_options->DateTimePicker1->day();
}

double Heliodial::statusJulianDay() const
{
    return m_options->DateTimePicker1->julianDay();
}

bool Heliodial::truePositions() const
{
    return m_form1->TruePositions;
}

double Heliodial::statusDayOffset() const
{
    return m_options->DateTimePicker1->dayOffset() + m_options->DateTimePicker1->timeOfDay();
}

void Heliodial::setStatusDate(QDate day)
{
    m_options->DateTimePicker1->setDay(day);
    m_options->DateTimePicker1Change();
}

std::int32_t Heliodial::hemisphereSign() const
{
    return m_form1->HemisphereSign;
}

std::int32_t Heliodial::stepDays() const
{
    return m_form1->StepDays;
}

void Heliodial::setStepDays(std::int32_t days)
{
    m_form1->StepDays = days;
}

void Heliodial::showStepOnMoveButton()
{
    // While the planets move the button reads "Stop"; the new step shows at
    // the next stop.
    if (!m_form1->Timer1->enabled())
        m_options->showMoveCaption();
}

std::int32_t Heliodial::latitude() const
{
    return m_form1->Latitude;
}

void Heliodial::setLatitude(std::int32_t degrees)
{
    m_form1->Latitude = degrees;
}

bool Heliodial::pointerShown() const
{
    return m_form1->PointerShown;
}

void Heliodial::btnHorizonClick()
{
    m_options->btnHorizonClick();
}

void Heliodial::btnPointerClick()
{
    m_options->btnPointerClick();
}

void Heliodial::showSkyEvent(QDate day, Body body, const QString &facts)
{
    if (!m_form1->TruePositions &&
        m_platform.messageBox(m_skyEvents.get(), Platform::MessageKind::Confirmation,
                              QStringLiteral("The classic model places the planets on circles, "
                                             "not where they are. Show the true positions?")) ==
            Platform::Button::Yes)
        m_form1->Truepositions1Click();
    setStatusDate(day);
    m_form1->pointAt(body);
    m_form1->lblStatusDate->setToolTip(facts);
    // The scene in front, where the event is shown; the list stays open
    // behind it.
    m_form1->raise();
    m_form1->activateWindow();
}

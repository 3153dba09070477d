// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The animation clock: one tick moves the status date by StepDays and brings
// the whole scene along.
#include "app/mainwindow.h"

#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/heliodial.h"
#include "app/platform.h"
#include "model/catalogue.h"
#include "views/datepicker.h"

#include <QMouseEvent>
#include <QPushButton>

namespace {

const QString CalculationError = QStringLiteral(
    "Sorry. There has been a calculation error in plotting the planets'' positions .  The "
    "Heliodial will be closed down");

} // namespace

QDate TForm1::steppedDate(int days) const
{
    const DatePicker &picker = *options().DateTimePicker1;
    // Past the picker's range the date stays at the limit: no wrap.
    return QDate::fromJulianDay(std::clamp(picker.day().toJulianDay() + days,
                                           picker.minimumDate().toJulianDay(),
                                           picker.maximumDate().toJulianDay()));
}

void TForm1::stepStatusDate(int days)
{
    options().DateTimePicker1->setDay(steppedDate(days));
}

void TForm1::Timer1Timer()
{
    stepStatusDate(StepDays);
    if (TruePositions && trueSkyMissing(options().DateTimePicker1->day().year(),
                                        QStringLiteral("The classic model is shown instead.")))
        return;
    bool failed = false;
    for (std::size_t i = 0; i < m_bodies.size(); ++i)
        failed = !UpdateBody(static_cast<Body>(i)) || failed;
    if (failed)
        reportCalculationError();
    PlacePictures();
    // The date-change path refreshes the overlays; a second refresh would
    // draw the very same picture again.
    options().DateTimePicker1Change();
    if (TruePositions) {
        // The next tick's sky, worked out while this one is painted.
        const QDate next = steppedDate(StepDays);
        m_sky.prepare(next, options().DateTimePicker1->julianDayOn(next));
    }
}

void TForm1::reportCalculationError()
{
    // A message box runs its own event loop and the clock would go on
    // ticking into it: stop it first, so that exactly one box shows.
    Timer1->setEnabled(false);
    m_platform.messageBox(this, Platform::MessageKind::Error, CalculationError);
    ClosingDown = true;
    m_platform.endApplication(0);
}

void TForm1::Stopplanets1Click()
{
    mirrorToggle(Stopplanets1, &TOptions::Button1Click);
}

void TForm1::Moveplanets1Click()
{
    mirrorToggle(Moveplanets1, &TOptions::Button1Click);
}

void TForm1::FormDblClick()
{
    options().Button1Click();
}

void TForm1::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        FormDblClick();
    QMainWindow::mouseDoubleClickEvent(event);
}

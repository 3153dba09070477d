// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The control panel's horizon controls: the horizon switch, the night-time
// hour and daylight saving.
#include "app/controlpanel.h"

#include "app/mainwindow.h"
#include "views/digitfield.h"
#include "views/horizon.h"
#include "views/picture.h"
#include "views/radiogroup.h"
#include "views/updown.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TOptions::btnHorizonClick()
{
    TForm1 &form = form1();
    form.HorizonShown = !form.HorizonShown;
    if (form.HorizonShown) {
        btnHorizon->setText(QStringLiteral("Hide Horizon at %1 deg").arg(form.Latitude));
        form.checkMenuItem(form.Showhorizon1);
        form.DrawHorizon();
    } else {
        btnHorizon->setText(QStringLiteral("Show Horizon at %1 deg").arg(form.Latitude));
        form.checkMenuItem(form.Hidehorizon1);
        form.RefreshOverlays(true);
    }
    // A marker never placed would stand in the corner of its view.
    for (Picture *marker : form.personMarkers())
        marker->setVisible(form.HorizonShown && form.PersonMarkersPlaced);
}

void TOptions::UpDownHoursClick()
{
    // Setting the position rewrites the field, whose change runs this again:
    // the inner run brings PrevHour up to date and this one then finds the
    // hour unchanged.
    if (UpDownHours->position() == 13)
        UpDownHours->setPosition(1);
    if (UpDownHours->position() == 0)
        UpDownHours->setPosition(12);
    const int hour = UpDownHours->position();

    const HourChange change = NextHourLabel(hour, PrevHour, lblAmPm->text());
    lblAmPm->setText(change.label);
    lblAmPm->adjustSize();
    const bool shortWord =
        change.label == QLatin1String("am") || change.label == QLatin1String("pm");
    lblAmPm->move(shortWord ? AmPmLeft : AmPmLeft - 3, lblAmPm->y());
    PrevHour = hour;

    TForm1 &form = form1();
    if (change.dateMove != 0) {
        const std::int32_t saved = form.StepDays;
        form.StepDays = change.dateMove;
        form.Timer1Timer();
        form.StepDays = saved;
    }
    if (btnHorizon->text().left(12) == QLatin1String("Hide Horizon")) {
        btnHorizonClick();
        btnHorizonClick();
    }
}

void TOptions::meHoursChange()
{
    // Typed text moves the arrows' position, held within their range; text
    // that is no number leaves it where it was.
    UpDownHours->adoptPosition(HourPositionFromText(meHours->text(), UpDownHours->position()));
    UpDownHoursClick();
}

void TOptions::meHoursExit()
{
    // Show the hour the arrows hold, whatever was left typed in the field.
    if (meHours->text() != QString::number(UpDownHours->position()))
        UpDownHours->setPosition(UpDownHours->position());
    UpDownHoursClick();
}

void TOptions::rgDaylightSavingClick()
{
    TForm1 &form = form1();
    form.checkMenuItem(rgDaylightSaving->itemIndex() == 0 ? form.No1 : form.Yes1);
    if (form.StartupDone)
        form.RefreshOverlays(true);
}

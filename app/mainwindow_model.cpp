// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The source of the bodies' positions: the classic model (circular orbits at
// constant speed from the epoch) or the true sky of a planetary theory.
#include "app/mainwindow.h"

#include "app/animationclock.h"
#include "app/controlpanel.h"
#include "app/platform.h"
#include "model/catalogue.h"
#include "model/ephemerisfiles.h"
#include "model/truesky.h"
#include "views/datepicker.h"

namespace {

// The user's configuration: "classic" or "true"; anything else reads as
// classic.
const QString SourceKey = QStringLiteral("Positions/source");
const QString TrueSource = QStringLiteral("true");
const QString ClassicSource = QStringLiteral("classic");

} // namespace

void TForm1::loadPositionSource()
{
    TruePositions = m_platform.preference(SourceKey) == TrueSource;
    checkMenuItem(TruePositions ? Truepositions1 : Classicmodel1);
}

void TForm1::Classicmodel1Click()
{
    if (!isMenuItemChecked(Classicmodel1))
        chooseTruePositions(false);
}

void TForm1::Truepositions1Click()
{
    if (isMenuItemChecked(Truepositions1) ||
        trueSkyMissing(options().DateTimePicker1->day().year(), {}))
        return;
    chooseTruePositions(true);
}

// Where the ephemeris files on this machine hold no place for the year, the
// true sky is refused with the reason, and the animation stops there.
bool TForm1::trueSkyMissing(int year, const QString &instead)
{
    if (ephemeris::SourceForYear(year) != ephemeris::Source::None)
        return false;
    if (Timer1->enabled())
        options().Button1Click();
    if (TruePositions)
        chooseTruePositions(false);
    QString text = QString::fromStdString(ephemeris::Caution(year, year));
    if (!instead.isEmpty())
        text += QLatin1Char(' ') + instead;
    m_platform.messageBox(this, Platform::MessageKind::Error, text);
    return true;
}

void TForm1::chooseTruePositions(bool truePositions)
{
    checkMenuItem(truePositions ? Truepositions1 : Classicmodel1);
    TruePositions = truePositions;
    m_platform.setPreference(SourceKey, truePositions ? TrueSource : ClassicSource);
    RebuildScene(true);
}

bool TForm1::UpdateBody(Body which)
{
    const DatePicker &picker = *options().DateTimePicker1;
    TPlanet &planet = body(which);
    if (!TruePositions)
        return planet.UpdatePosition(HemisphereSign, picker.dayOffset());
    // The whole sky of the status date at once, for every body and every
    // update of the same date.
    const truesky::Sky &sky = m_sky.skyOf(picker.day(), picker.julianDay());
    const auto i = static_cast<std::size_t>(which);
    return planet.UpdateToLongitude(HemisphereSign,
                                    which == Body::Moon ? sky.geocentric[i] : sky.heliocentric[i]);
}

std::optional<TrueFigures> TForm1::trueStatsFigures(const TPlanet &planet)
{
    if (!TruePositions)
        return std::nullopt;
    const DatePicker &picker = *options().DateTimePicker1;
    for (std::size_t i = 0; i < m_bodies.size(); ++i) {
        const auto which = static_cast<Body>(i);
        if (m_bodies[i].get() != &planet || which == Body::Earth)
            continue;
        // As an almanac prints them: apparent places of the date, all ten
        // worked out once for every column of the same date.
        if (!m_apparentSky || m_apparentSky->day != picker.day())
            m_apparentSky = ApparentSkyOfDay{
                picker.day(), truesky::ApparentSkyAt(truesky::AtUniversalTime(picker.julianDay()))};
        const truesky::Place &seen = m_apparentSky->places[i];
        return TrueFigures{seen.longitude, seen.rightAscension};
    }
    return std::nullopt;
}

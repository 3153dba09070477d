// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// ΔT = TT − UT1: how far the Earth's clock, which follows its slowing and
// wavering rotation, lags the uniform time the ephemeris runs on.
//
// Measured values where there are measurements, a published long-term model
// beyond them, joined without a jump (deltat.cpp names the sources).

namespace deltat {

// The decimal year of a Julian day: 2000.0 at 1 January 2000, 0 h.
double DecimalYear(double julianDay);

// ΔT in seconds at a decimal year of universal time.
double Seconds(double year);

// The standard uncertainty of ΔT in seconds at a decimal year: a few
// hundredths of a second where it was measured, seconds to minutes for the
// centuries before the telescope's timings, and growing with the square of
// the time ahead in the future, where the model only extrapolates.
double Uncertainty(double year);

} // namespace deltat

// ΔT in seconds at a Julian day of universal time.
inline double DeltaT(double julianDay)
{
    return deltat::Seconds(deltat::DecimalYear(julianDay));
}

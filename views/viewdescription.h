// SPDX-FileCopyrightText: 2026 Heliodial developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the views show beyond the bodies: the status date and the switches.
struct ViewSwitches {
    QString date;    // as the title shows it
    int year = 2000; // of the status date
    bool north = false;
    bool truePositions = false;
    bool astrology = false;
    bool orbits = false;
    bool horizon = false;
    int latitude = 0;
    bool direction = false;
    QString directionTarget;
    bool phase = false;
    bool terminator = false;
};

// The accessible description of a view: its caption, the status date, the
// hemisphere, the model and zodiac, and every switch that is on.
QString DescribeView(const QString &caption, const ViewSwitches &switches);

// With true positions, the sentence that names the bodies whose places
// cannot be trusted to a tenth of a degree in a year; empty when all can.
QString TrustCaution(int year);
